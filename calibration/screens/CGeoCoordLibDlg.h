#pragma once
// 经纬度坐标库: the job's latitude/longitude library in a list — add, edit, delete, clear, import
// from a raw record or library file, find by name, saved when changed — and the program's
// geodetic point picker: OK with a selected row returns its texts.
#include <vector>

#include "calibration/CalibrationHost.h"
#include "calibration/GeoLibrary.h"
#include "foundation/CoordLibraryHost.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/ListCtrl.h"
#include "resources/GeoCoordLibDlgs.h"

class CGeoCoordLibDlg : public CDialog {
public:
    static constexpr UINT IDD = geolib::IDD;
    CGeoCoordLibDlg(const GeoLibraryPlace& place, CWnd* parent);

    // After OK: the chosen row's texts, `chosen` set.
    GeoPointChoice m_choice;
    const std::vector<GeoRow>& Rows() const { return rows_; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

private:
    void OnAdd();
    void OnEdit();
    void OnDelete();
    void OnClear();
    void OnOpen();
    void OnFind();
    bool Save();
    void ShowRows();
    void Select(int row);
    int SelectedRow() const;
    int Ask(UINT textId, const wchar_t* caption, UINT type);

    CString rootFolder_;
    CString dataFolder_;
    CString path_;
    bool damaged_ = false;  // read with lines left out: kept as "<name>.bad" before a save over it
    CListCtrl list_;
    std::vector<GeoRow> rows_;
    bool modified_ = false;
};

// 增加大地坐标 (15205) and 编辑大地坐标 (15203).
class CGeoPointDlg : public CDialog {
public:
    CGeoPointDlg(UINT templateId, const GeoRow& row, CWnd* parent);
    GeoRow values;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
};

// 查找: the names holding a text, the shown entry's values; OK gives the entry's library row.
class CFindGeoCoordDlg : public CDialog {
public:
    static constexpr UINT IDD = geofind::IDD;
    CFindGeoCoordDlg(const std::vector<GeoRow>& rows, CWnd* parent);
    int m_nResult = -1;

protected:
    BOOL OnInitDialog() override;

private:
    void OnSearch();
    void OnSelChange();
    void ShowEntries();
    void ShowFields(int row);

    const std::vector<GeoRow>& rows_;
    std::vector<int> shown_;
    CListBox names_;
};

// Runs the library of the host's job as a point picker.
GeoPointChoice PickFromGeoLibrary(const ICalibrationHost& host, CWnd* parent);
GeoPointChoice PickFromGeoLibrary(const GeoLibraryPlace& place, CWnd* parent);
