#pragma once
// Message boxes as a service: engines ask, the UI shows a modal box, tests script the answers.
#include "platform/base/WinTypes.h"
#include "platform/text/CString.h"

constexpr UINT MB_OK = 0x0;
constexpr UINT MB_OKCANCEL = 0x1;
constexpr UINT MB_YESNO = 0x4;
constexpr UINT MB_ICONERROR = 0x10;
constexpr UINT MB_ICONQUESTION = 0x20;
constexpr UINT MB_ICONWARNING = 0x30;
constexpr UINT MB_ICONINFORMATION = 0x40;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

class IMessageBoxPresenter {
public:
    virtual ~IMessageBoxPresenter() = default;
    virtual int Show(HWND owner, const CString& text, const CString& caption, UINT type) = 0;
};

// Installs the presenter (the UI's dialog, or a test's script); returns the previous one.
// Without a presenter a box is written to standard error and answered with its first button.
IMessageBoxPresenter* SetMessageBoxPresenter(IMessageBoxPresenter* presenter);

// The caption of AfxMessageBox: the program's name, set at start-up from the string table.
void SetAppName(const CString& name);
const CString& GetAppName();
// The answer of the box's first button (what Enter gives): IDOK or IDYES.
int FirstButtonAnswer(UINT type);

// A null caption is the program's name.
int MessageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type = MB_OK);
// The class library's form: the caption is the program's name from the string table.
int AfxMessageBox(const wchar_t* text, UINT type = MB_OK);
