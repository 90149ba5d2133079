#pragma once
// A screen with one control of each kind, logging every notification it hears.
#include <map>
#include <vector>

#include "platform/ui/ComboBox.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/ProgressCtrl.h"
#include "platform/ui/TabCtrl.h"
#include "platform/ui/TreeCtrl.h"

constexpr UINT kControlsDialogId = 930;
constexpr int kDropList = 1001;
constexpr int kDropDown = 1002;
constexpr int kListBox = 1003;
constexpr int kProgress = 1004;
constexpr int kListView = 1005;
constexpr int kTreeView = 1006;
constexpr int kTabs = 1007;
// Made by the owner-data test: cells are "R<row>C<column>", images the row modulo 3.
constexpr int kOwnerList = 1008;

struct Heard {
    int id;
    UINT code;
    int item = -1;      // list view row, or the tree item's data
    UINT newState = 0;  // list view states, or the tree action
    UINT oldState = 0;
    friend bool operator==(const Heard&, const Heard&) = default;
};

class CControlsDlg : public CDialog {
public:
    CControlsDlg();

    CListCtrl m_list;
    CTreeCtrl m_tree;
    CTabCtrl m_tabs;
    int m_nChoice = 1;
    int m_nLine = -1;
    CString m_strTyped;

    std::vector<Heard> heard;
    // Notifications to refuse by answering TRUE, by (control, code).
    std::map<std::pair<int, UINT>, bool> refuse;
    // What the handlers saw when their notification came.
    int selectionAtClick = -2;
    int comboSelectionAtChange = -2;
    // Expanding a tree item whose data is this fills it with three children.
    LPARAM fillOnExpand = 7;
    // The rows whose cells the owner-data list asked for, in order.
    std::vector<int> askedRows;

    // Only the notifications of one control and code.
    std::vector<Heard> Of(int id, UINT code) const;
    std::vector<UINT> CodesOf(int id) const;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    void OnListClick(NMHDR* header, LRESULT* result);
    void OnTreeExpanding(NMHDR* header, LRESULT* result);
    void OnChoiceChanged();
};
