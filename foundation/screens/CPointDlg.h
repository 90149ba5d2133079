#pragma once
// The add-point and edit-point dialogs of the coordinate library (also used by the stake-out point
// library): name, north, east, height and code as texts, with a button that picks them from the
// coordinate library and, when adding, one that takes a point of the latitude/longitude library.
// Opened from the coordinate library itself they get no frame, and both buttons are hidden: picking
// from the library again makes no sense.
#include "foundation/CoordLibrary.h"
#include "foundation/CoordLibraryHost.h"
#include "foundation/screens/CIconButton.h"
#include "platform/ui/Dialog.h"
#include "resources/PointDlg.h"

class CPointTextsDlg : public CDialog {
public:
    PointTexts texts;

protected:
    CPointTextsDlg(UINT templateId, ICoordLibraryHost* frame, CWnd* parent);
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    // Refuses texts the library cannot keep (a comma, a coordinate that is no number).
    void OnOK() override;

    CIconButton m_pickButton;
    ICoordLibraryHost* const frame_;

private:
    void OnPickFromLibrary();
};

class CAddPointDlg : public CPointTextsDlg {
public:
    static constexpr UINT IDD = point::IDD_ADD;
    CAddPointDlg(ICoordLibraryHost* frame, CWnd* parent);

protected:
    BOOL OnInitDialog() override;

private:
    void OnPickGeodetic();
};

class CEditPointDlg : public CPointTextsDlg {
public:
    static constexpr UINT IDD = point::IDD_EDIT;
    CEditPointDlg(ICoordLibraryHost* frame, CWnd* parent);
};
