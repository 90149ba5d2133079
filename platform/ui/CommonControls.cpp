#include "platform/ui/CommonControls.h"

#include <memory>

#include "platform/ui/ComboBox.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/ProgressCtrl.h"
#include "platform/ui/TabCtrl.h"
#include "platform/ui/TreeCtrl.h"
#include "platform/ui/WindowClasses.h"

void InitCommonControls() {
    RegisterWindowClass(WC_COMBOBOX, [] { return std::make_unique<CComboBox>(); });
    RegisterWindowClass(WC_LISTBOX, [] { return std::make_unique<CListBox>(); });
    RegisterWindowClass(PROGRESS_CLASS, [] { return std::make_unique<CProgressCtrl>(); });
    RegisterWindowClass(WC_LISTVIEW, [] { return std::make_unique<CListCtrl>(); });
    RegisterWindowClass(WC_TREEVIEW, [] { return std::make_unique<CTreeCtrl>(); });
    RegisterWindowClass(WC_TABCONTROL, [] { return std::make_unique<CTabCtrl>(); });
}
