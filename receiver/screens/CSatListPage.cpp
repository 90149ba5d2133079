#include "receiver/screens/CSatListPage.h"

#include "platform/ui/StringTable.h"

namespace {
// Each column as wide as its three-character heading in the 12-pixel face and the type column as
// "GLONASS", all inside the list beside its scroll bar.
constexpr int kColumnWidths[5] = {38, 38, 38, 38, 62};
}  // namespace

BOOL CSatListPage::OnInitDialog() {
    CDialog::OnInitDialog();
    list_.SubclassDlgItem(satlistpage::kList, this);
    images_.Create(satlistpage::IDB_SATELLITE_SYSTEMS, 16, 1, RGB(255, 255, 255));
    list_.SetImageList(&images_, LVSIL_SMALL);
    list_.SetExtendedStyle(LVS_EX_TRACKSELECT | LVS_EX_HEADERDRAGDROP | LVS_EX_FULLROWSELECT);
    for (int c = 0; c < 5; ++c)
        list_.InsertColumn(c, LoadStringResource(satlistpage::kHeadingIds[c]), LVCFMT_CENTER,
                           kColumnWidths[c]);
    table_ = CSatelliteTable{};
    return TRUE;
}

void CSatListPage::Refresh(const CGpsState& state) {
    m_gps = state;
    if (table_.Refresh(m_gps)) Rebuild();
}

void CSatListPage::Rebuild() {
    list_.DeleteAllItems();
    int index = 0;
    for (const SatelliteRow& row : CSatelliteTable::Rows(m_gps)) {
        list_.InsertItem(index, row.number, row.image);
        list_.SetItemText(index, 1, row.elevation);
        list_.SetItemText(index, 2, row.azimuth);
        list_.SetItemText(index, 3, row.signal);
        list_.SetItemText(index, 4, row.type);
        ++index;
    }
}
