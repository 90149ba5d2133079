#pragma once
// Finds a point of the calling list by name: the caller appends its rows as candidates, and on
// OK reads the row chosen (-1 for none).
#include <vector>

#include "foundation/PointSearch.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ListBox.h"
#include "resources/FindPointDlg.h"

class CFindPointDlg : public CDialog {
public:
    static constexpr UINT IDD = findpoint::IDD;
    explicit CFindPointDlg(CWnd* parent = nullptr);

    void AddCandidate(const PointRecord& point, int32_t row);
    int32_t m_nResult = -1;

protected:
    BOOL OnInitDialog() override;

private:
    void OnSearch();
    void OnSelChange();
    void ShowEntries();
    void ShowFields(const PointCandidate& entry);

    CListBox list_;
    std::vector<PointCandidate> candidates_;
    std::vector<PointCandidate> shown_;
};
