#pragma once
// Dialog data exchange between controls and members. Reading a control that holds no number, or
// a value outside a DDV range, shows the framework's Chinese refusal in a message box, puts the
// focus on that control and makes UpdateData(TRUE) return FALSE.
#include "platform/text/CString.h"
#include "platform/ui/WindowMessages.h"

class CWnd;

// Combo and list box messages, answered by those controls.
constexpr UINT CB_GETCOUNT = 0x0146;
constexpr UINT CB_GETCURSEL = 0x0147;
constexpr UINT CB_GETLBTEXT = 0x0148;
constexpr UINT CB_GETLBTEXTLEN = 0x0149;
constexpr UINT CB_FINDSTRING = 0x014C;
constexpr UINT CB_SELECTSTRING = 0x014D;
constexpr UINT CB_SETCURSEL = 0x014E;
constexpr UINT CB_FINDSTRINGEXACT = 0x0158;
constexpr UINT LB_SETCURSEL = 0x0186;
constexpr UINT LB_GETCURSEL = 0x0188;
constexpr UINT LB_GETTEXT = 0x0189;
constexpr UINT LB_GETTEXTLEN = 0x018A;
constexpr UINT LB_GETCOUNT = 0x018B;
constexpr UINT LB_SELECTSTRING = 0x018C;
constexpr UINT LB_FINDSTRINGEXACT = 0x01A2;
constexpr LRESULT CB_ERR = -1;
constexpr LRESULT LB_ERR = -1;

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate)
        : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}
    // The control with that id (it becomes the one a failure points at); null when absent.
    CWnd* PrepareCtrl(int id);
    CWnd* PrepareEditCtrl(int id);
    // Ends the exchange: the last prepared control gets the focus (an edit's text is selected).
    [[noreturn]] void Fail();

    CWnd* m_pDlgWnd;
    BOOL m_bSaveAndValidate;
    int m_idLastControl = 0;
    BOOL m_bEditLastControl = FALSE;
};

// Thrown by Fail() and caught by UpdateData; never escapes it.
struct DataExchangeFailure {};

void DDX_Text(CDataExchange* pDX, int id, CString& value);
void DDX_Text(CDataExchange* pDX, int id, int& value);
void DDX_Text(CDataExchange* pDX, int id, UINT& value);
void DDX_Text(CDataExchange* pDX, int id, long& value);
void DDX_Text(CDataExchange* pDX, int id, short& value);
void DDX_Text(CDataExchange* pDX, int id, BYTE& value);
void DDX_Text(CDataExchange* pDX, int id, double& value);
void DDX_Text(CDataExchange* pDX, int id, float& value);
// A radio group from its first button (the one with WS_GROUP): the index of the checked button,
// -1 for none.
void DDX_Radio(CDataExchange* pDX, int firstId, int& value);
// A check box: 0 unchecked, 1 checked, 2 indeterminate.
void DDX_Check(CDataExchange* pDX, int id, int& value);
// Combo and list boxes through their messages (CB_GETCURSEL, LB_SETCURSEL, ...).
void DDX_CBIndex(CDataExchange* pDX, int id, int& index);
void DDX_LBIndex(CDataExchange* pDX, int id, int& index);
void DDX_CBString(CDataExchange* pDX, int id, CString& value);
void DDX_LBString(CDataExchange* pDX, int id, CString& value);
// Attaches a member control to the template's control on the first exchange.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minValue, int maxValue);
void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minValue, UINT maxValue);
void DDV_MinMaxLong(CDataExchange* pDX, long value, long minValue, long maxValue);
void DDV_MinMaxDouble(CDataExchange* pDX, double value, double minValue, double maxValue);
void DDV_MinMaxFloat(CDataExchange* pDX, float value, float minValue, float maxValue);
void DDV_MaxChars(CDataExchange* pDX, const CString& value, int maxChars);

// The refusal texts.
inline constexpr const wchar_t* kRefuseInteger = L"请输入一个整数。";
inline constexpr const wchar_t* kRefuseNumber = L"请输入一个数字。";
inline constexpr const wchar_t* kRefuseIntegerRange = L"请输入一个在 %1 和 %2 之间的整数。";
inline constexpr const wchar_t* kRefuseNumberRange = L"请输入一个在 %1 和 %2 之间的数字。";
inline constexpr const wchar_t* kRefuseTooLong = L"请输入不多于 %1 个字符。";
