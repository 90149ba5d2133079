#pragma once
// The five small modeless warnings the two-second tick raises. OK acknowledges the warning (a
// parameter warning stays away until re-armed; a base warning clears its change flag); Cancel only
// closes it, so the next tick raises it again while its cause holds.
#include "platform/ui/Dialog.h"

class Supervision;

enum class WarningKind { kMeridian, kSevenParam, kFourParam, kBaseCoord, kBaseId };

// Told of each warning as it opens, its caption and its text on one line: the program prints them
// as it prints its message boxes. Returns the hook it replaces.
using WarningShownHook = void (*)(const CString& caption, const CString& text);
WarningShownHook SetWarningShownHook(WarningShownHook hook);

class CWarningDlg : public CDialog {
public:
    CWarningDlg(UINT templateId, WarningKind kind, Supervision& owner);
    WarningKind Kind() const { return kind_; }
    bool IsOpen() const { return static_cast<bool>(m_hWnd); }
    // Creates the warning without a parent and shows it; an open one gets the focus again.
    void Raise();
    void Close();

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

private:
    // The warning's texts, their line breaks left out.
    CString Text();

    WarningKind kind_;
    Supervision& owner_;
};

class CMeridianWarnDlg : public CWarningDlg {
public:
    explicit CMeridianWarnDlg(Supervision& owner);
};
class CSevenParamWarnDlg : public CWarningDlg {
public:
    explicit CSevenParamWarnDlg(Supervision& owner);
};
class CFourParamWarnDlg : public CWarningDlg {
public:
    explicit CFourParamWarnDlg(Supervision& owner);
};
class CBaseCoordWarnDlg : public CWarningDlg {
public:
    explicit CBaseCoordWarnDlg(Supervision& owner);
};
class CBaseIdWarnDlg : public CWarningDlg {
public:
    explicit CBaseIdWarnDlg(Supervision& owner);
};
