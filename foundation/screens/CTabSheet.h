#pragma once
// A tab control hosting up to 16 modeless child dialogs, one page per tab. The owner adds its
// pages, calls Show once from its initialisation, and a tap on a tab or the Left and Right keys
// show the page of the tab they select.
#include <array>

#include "platform/ui/Dialog.h"
#include "platform/ui/TabCtrl.h"

class CTabSheet : public CTabCtrl {
public:
    static constexpr int kMaxPages = 16;

    // FALSE when 16 pages exist; nothing is created yet.
    BOOL AddPage(const wchar_t* title, CDialog* page, UINT templateId);
    // Creates the pages and their tabs, and shows page 0.
    void Show();
    // Places every page below the tab row; page 0 shown, the others hidden.
    void SetRect();
    // The previous page, or -1 for an index outside the pages.
    int SetActivePage(int index);
    // For pages 1 and up other than the current one: shows the page and focuses it.
    void SelectPage(int index);
    int GetPageCount() const { return pageCount_; }
    int GetCurrentPage() const { return currentPage_; }

    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void SwitchTo(int index);

    std::array<const wchar_t*, kMaxPages> titles_{};
    std::array<UINT, kMaxPages> templateIds_{};
    std::array<CDialog*, kMaxPages> pages_{};
    int pageCount_ = 0;
    int currentPage_ = 0;
};
