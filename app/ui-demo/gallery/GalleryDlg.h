#pragma once
// A full-screen dialog with one control of every kind, filled with survey-like content: what
// the demo program shows, what the gallery test photographs and what the benchmark opens.
// "加一" counts taps, moves the progress bar and reports the count; every change of the name field
// is reported with its text.
#include <functional>

#include "platform/ui/ComboBox.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/ProgressCtrl.h"
#include "platform/ui/TabCtrl.h"
#include "platform/ui/TreeCtrl.h"

class CGalleryDlg : public CDialog {
public:
    enum {
        IDD = 990,
        IDC_DATUM = 1001,
        IDC_CHANNEL = 1002,
        IDC_NAME = 1003,
        IDC_AUTOSTORE = 1004,
        IDC_SATELLITES = 1005,
        IDC_FOLDERS = 1006,
        IDC_DEVICES = 1007,
        IDC_PAGES = 1008,
        IDC_PROGRESS = 1009,
        IDC_ADD = 1010,
        IDC_COUNT = 1011,
    };

    explicit CGalleryDlg(std::function<void(int)> onCount = {},
                         std::function<void(const CString&)> onNameChanged = {});
    int Count() const { return count_; }

    CListCtrl m_satellites;
    CTreeCtrl m_folders;
    CTabCtrl m_pages;
    CProgressCtrl m_progress;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

private:
    void OnAdd();
    void OnNameChanged();
    void FillSatellites();
    void FillFolders();

    std::function<void(int)> onCount_;
    std::function<void(const CString&)> onNameChanged_;
    int count_ = 0;
    CImageList satelliteImages_;
    CImageList folderImages_;
};
