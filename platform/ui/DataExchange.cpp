#include "platform/ui/DataExchange.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cwchar>

#include "platform/messages/MessageBox.h"
#include "platform/ui/Wnd.h"

namespace {
bool IsSpace(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n';
}

// An integer with optional blanks around it and an optional sign; false for anything else.
bool ParseInteger(const CString& text, long long minValue, long long maxValue, long long* out) {
    const wchar_t* p = text.c_str();
    while (IsSpace(*p)) ++p;
    bool negative = false;
    if (*p == L'+' || *p == L'-') negative = *p++ == L'-';
    if (*p < L'0' || *p > L'9') return false;
    long long value = 0;
    for (; *p >= L'0' && *p <= L'9'; ++p) {
        value = value * 10 + (*p - L'0');
        if (value > maxValue - minValue + 1) return false;
    }
    while (IsSpace(*p)) ++p;
    if (*p) return false;
    value = negative ? -value : value;
    if (value < minValue || value > maxValue) return false;
    *out = value;
    return true;
}

// A decimal number, read in the C manner whatever the host locale; blanks around it allowed.
bool ParseDouble(const CString& text, double* out) {
    const wchar_t* p = text.c_str();
    while (IsSpace(*p)) ++p;
    const wchar_t* start = p;
    if (*p == L'+' || *p == L'-') ++p;
    bool digits = false;
    while (*p >= L'0' && *p <= L'9') ++p, digits = true;
    if (*p == L'.') {
        ++p;
        while (*p >= L'0' && *p <= L'9') ++p, digits = true;
    }
    if (!digits) return false;
    if (*p == L'e' || *p == L'E') {
        const wchar_t* e = p + 1;
        if (*e == L'+' || *e == L'-') ++e;
        if (*e < L'0' || *e > L'9') return false;
        while (*e >= L'0' && *e <= L'9') ++e;
        p = e;
    }
    const wchar_t* end = p;
    while (IsSpace(*p)) ++p;
    if (*p) return false;
    std::string ascii;
    for (const wchar_t* c = start; c < end; ++c) ascii += static_cast<char>(*c);
    char* stop = nullptr;
    const double value = std::strtod(ascii.c_str(), &stop);
    if (!std::isfinite(value)) return false;
    *out = value;
    return true;
}

CString Substitute(const wchar_t* pattern, const CString& first, const CString& second) {
    CString text(pattern);
    text.Replace(L"%1", first);
    text.Replace(L"%2", second);
    return text;
}

CString FormatDouble(double value, int digits) {
    CString text;
    text.Format(L"%.*g", digits, value);
    return text;
}

void Refuse(CDataExchange* pDX, const CString& text) {
    AfxMessageBox(text, MB_OK | MB_ICONWARNING);
    pDX->Fail();
}

template <class T>
void ExchangeInteger(CDataExchange* pDX, int id, T& value, long long minValue, long long maxValue,
                     bool isSigned) {
    CWnd* edit = pDX->PrepareEditCtrl(id);
    if (!edit) return;
    if (pDX->m_bSaveAndValidate) {
        CString text;
        edit->GetWindowText(text);
        long long parsed = 0;
        if (!ParseInteger(text, minValue, maxValue, &parsed)) Refuse(pDX, kRefuseInteger);
        value = static_cast<T>(parsed);
    } else {
        CString text;
        if (isSigned)
            text.Format(L"%ld", static_cast<long>(value));
        else
            text.Format(L"%lu", static_cast<unsigned long>(value));
        edit->SetWindowText(text);
    }
}

template <class T>
void ExchangeReal(CDataExchange* pDX, int id, T& value, int digits) {
    CWnd* edit = pDX->PrepareEditCtrl(id);
    if (!edit) return;
    if (pDX->m_bSaveAndValidate) {
        CString text;
        edit->GetWindowText(text);
        double parsed = 0;
        if (!ParseDouble(text, &parsed)) Refuse(pDX, kRefuseNumber);
        value = static_cast<T>(parsed);
    } else {
        edit->SetWindowText(FormatDouble(value, digits));
    }
}

template <class T>
void CheckRange(CDataExchange* pDX, T value, T minValue, T maxValue, const CString& minText,
                const CString& maxText, const wchar_t* pattern) {
    if (!pDX->m_bSaveAndValidate || (value >= minValue && value <= maxValue)) return;
    Refuse(pDX, Substitute(pattern, minText, maxText));
}

CString IntText(long long v) {
    CString text;
    text.Format(L"%ld", static_cast<long>(v));
    return text;
}

void ExchangeIndex(CDataExchange* pDX, int id, int& index, UINT getMessage, UINT setMessage) {
    CWnd* control = pDX->PrepareCtrl(id);
    if (!control) return;
    if (pDX->m_bSaveAndValidate)
        index = static_cast<int>(control->SendMessage(getMessage));
    else
        control->SendMessage(setMessage, static_cast<WPARAM>(index));
}
}  // namespace

CWnd* CDataExchange::PrepareCtrl(int id) {
    m_idLastControl = id;
    m_bEditLastControl = FALSE;
    return m_pDlgWnd ? m_pDlgWnd->GetDlgItem(id) : nullptr;
}

CWnd* CDataExchange::PrepareEditCtrl(int id) {
    CWnd* control = PrepareCtrl(id);
    m_bEditLastControl = TRUE;
    return control;
}

void CDataExchange::Fail() {
    if (m_pDlgWnd && m_bSaveAndValidate)
        if (CWnd* control = m_pDlgWnd->GetDlgItem(m_idLastControl)) {
            control->SetFocus();
            if (m_bEditLastControl) control->SendMessage(EM_SETSEL, 0, -1);
        }
    throw DataExchangeFailure{};
}

void DDX_Text(CDataExchange* pDX, int id, CString& value) {
    CWnd* control = pDX->PrepareEditCtrl(id);
    if (!control) return;
    if (pDX->m_bSaveAndValidate)
        control->GetWindowText(value);
    else
        control->SetWindowText(value);
}

void DDX_Text(CDataExchange* pDX, int id, int& value) {
    ExchangeInteger(pDX, id, value, INT_MIN, INT_MAX, true);
}
void DDX_Text(CDataExchange* pDX, int id, UINT& value) {
    ExchangeInteger(pDX, id, value, 0, UINT_MAX, false);
}
void DDX_Text(CDataExchange* pDX, int id, long& value) {
    ExchangeInteger(pDX, id, value, INT_MIN, INT_MAX, true);
}
void DDX_Text(CDataExchange* pDX, int id, short& value) {
    ExchangeInteger(pDX, id, value, SHRT_MIN, SHRT_MAX, true);
}
void DDX_Text(CDataExchange* pDX, int id, BYTE& value) {
    ExchangeInteger(pDX, id, value, 0, 255, false);
}
void DDX_Text(CDataExchange* pDX, int id, double& value) {
    ExchangeReal(pDX, id, value, 15);
}
void DDX_Text(CDataExchange* pDX, int id, float& value) {
    ExchangeReal(pDX, id, value, 6);
}

void DDX_Radio(CDataExchange* pDX, int firstId, int& value) {
    CWnd* first = pDX->PrepareCtrl(firstId);
    if (!first) return;
    if (pDX->m_bSaveAndValidate) value = -1;
    int index = 0;
    for (CWnd* button = first; button; button = button->GetWindow(GW_HWNDNEXT), ++index) {
        if (button != first && (button->GetStyle() & WS_GROUP)) break;
        if (!(button->SendMessage(WM_GETDLGCODE) & DLGC_RADIOBUTTON)) continue;
        if (pDX->m_bSaveAndValidate) {
            if (button->SendMessage(BM_GETCHECK) == BST_CHECKED) value = index;
        } else {
            button->SendMessage(BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED);
        }
    }
}

void DDX_Check(CDataExchange* pDX, int id, int& value) {
    CWnd* control = pDX->PrepareCtrl(id);
    if (!control) return;
    if (pDX->m_bSaveAndValidate)
        value = static_cast<int>(control->SendMessage(BM_GETCHECK));
    else
        control->SendMessage(BM_SETCHECK, static_cast<WPARAM>(value < 0 || value > 2 ? 0 : value));
}

void DDX_CBIndex(CDataExchange* pDX, int id, int& index) {
    ExchangeIndex(pDX, id, index, CB_GETCURSEL, CB_SETCURSEL);
}

void DDX_LBIndex(CDataExchange* pDX, int id, int& index) {
    ExchangeIndex(pDX, id, index, LB_GETCURSEL, LB_SETCURSEL);
}

void DDX_CBString(CDataExchange* pDX, int id, CString& value) {
    CWnd* control = pDX->PrepareCtrl(id);
    if (!control) return;
    if (pDX->m_bSaveAndValidate) {
        control->GetWindowText(value);
    } else if (control->SendMessage(CB_SELECTSTRING, static_cast<WPARAM>(-1),
                                    reinterpret_cast<LPARAM>(value.c_str())) == CB_ERR) {
        control->SetWindowText(value);
    }
}

void DDX_LBString(CDataExchange* pDX, int id, CString& value) {
    CWnd* control = pDX->PrepareCtrl(id);
    if (!control) return;
    if (pDX->m_bSaveAndValidate) {
        const LRESULT index = control->SendMessage(LB_GETCURSEL);
        value.Empty();
        if (index == LB_ERR) return;
        const LRESULT length = control->SendMessage(LB_GETTEXTLEN, static_cast<WPARAM>(index));
        if (length < 0) return;
        std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
        control->SendMessage(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
        value = CString(buffer.c_str());
    } else {
        control->SendMessage(LB_SELECTSTRING, static_cast<WPARAM>(-1),
                             reinterpret_cast<LPARAM>(value.c_str()));
    }
}

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
    if (control.m_hWnd) return;
    CWnd* item = pDX->PrepareCtrl(id);
    if (item) control.SubclassWindow(item->m_hWnd);
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minValue, int maxValue) {
    CheckRange(pDX, value, minValue, maxValue, IntText(minValue), IntText(maxValue), kRefuseIntegerRange);
}

void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minValue, UINT maxValue) {
    CheckRange(pDX, value, minValue, maxValue, IntText(minValue), IntText(maxValue), kRefuseIntegerRange);
}

void DDV_MinMaxLong(CDataExchange* pDX, long value, long minValue, long maxValue) {
    CheckRange(pDX, value, minValue, maxValue, IntText(minValue), IntText(maxValue), kRefuseIntegerRange);
}

void DDV_MinMaxDouble(CDataExchange* pDX, double value, double minValue, double maxValue) {
    CheckRange(pDX, value, minValue, maxValue, FormatDouble(minValue, 15), FormatDouble(maxValue, 15),
               kRefuseNumberRange);
}

void DDV_MinMaxFloat(CDataExchange* pDX, float value, float minValue, float maxValue) {
    CheckRange(pDX, value, minValue, maxValue, FormatDouble(minValue, 6), FormatDouble(maxValue, 6),
               kRefuseNumberRange);
}

void DDV_MaxChars(CDataExchange* pDX, const CString& value, int maxChars) {
    if (!pDX->m_bSaveAndValidate) {
        if (CWnd* control = pDX->m_pDlgWnd->GetDlgItem(pDX->m_idLastControl))
            control->SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(maxChars));
        return;
    }
    if (value.GetLength() > maxChars) Refuse(pDX, Substitute(kRefuseTooLong, IntText(maxChars), CString()));
}
