#pragma once
// The satellite table page: one row per satellite in view, GPS then GLONASS, rebuilt only when one
// of the first twelve of a system changed.
#include "foundation/CGpsState.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/ListCtrl.h"
#include "receiver/SatelliteTable.h"
#include "resources/GpsInfoDlg.h"

class CSatListPage : public CDialog {
public:
    void Refresh(const CGpsState& state);
    CListCtrl& List() { return list_; }
    CGpsState m_gps;

protected:
    BOOL OnInitDialog() override;

private:
    void Rebuild();

    CListCtrl list_;
    CImageList images_;
    CSatelliteTable table_;
};
