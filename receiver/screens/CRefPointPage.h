#pragma once
// The information dialog's base page: where the base is, how far the rover is from it, the job's
// known base coordinates, the differential format, and the distance to a reference point that the
// user chooses and the job keeps.
#include "foundation/CGpsState.h"
#include "foundation/CoordLibraryHost.h"
#include "foundation/screens/CIconButton.h"
#include "platform/ui/Dialog.h"
#include "receiver/ReceiverInfoTexts.h"
#include "resources/RefPointDlg.h"

class IReceiverHost;

class CRefPointPage : public CDialog {
public:
    explicit CRefPointPage(IReceiverHost& frame) : frame_(frame) {}
    void Refresh();
    CGpsState m_gps;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void OnShowRef();

    IReceiverHost& frame_;
    int showRef_ = 0;  // the check box; the reference point itself is the job's
    RefPointTexts texts_;
};

struct RefPointValues {
    CString name = L"0";
    double n = 0.0;
    double e = 0.0;
    double h = 0.0;
};

// "参考点坐标": the reference point, typed in or picked from the coordinate library.
class CRefPointDlg : public CDialog {
public:
    enum { IDD = refpointdlg::IDD };
    CRefPointDlg(ICoordLibraryHost& library, CWnd* parent);
    RefPointValues values;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void OnPick();

    ICoordLibraryHost& library_;
    CIconButton m_btnPick;
};
