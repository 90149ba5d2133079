#pragma once
// The command bar of the main window: a 26-pixel bar at the top of its frame's client area
// with the menu's popup titles and, with adornments, a close box. Tapping a title opens its
// popup under it; tapping a command closes the popups and posts WM_COMMAND (id, 0) to the
// frame; tapping anywhere else closes them and is not passed on. While a popup is open it takes
// the keys: Esc closes the last popup opened, a digit picks that popup's item "&1" to "&9".
#include <memory>
#include <vector>

#include "platform/ui/Menu.h"
#include "platform/ui/Wnd.h"

// Asks the bar for its height.
constexpr UINT WM_QZ_COMMANDBAR_HEIGHT = 1051;
constexpr UINT AFX_IDW_COMMANDBAR = 0xE800;

class CPopupMenuWnd;

// Where a popup of `size` goes on `screen`: under its opener (a bar title), or beside it (an item
// of the parent popup) to the right, to the left where the right has no room; moved as little as
// it takes to stay on the screen.
CRect PopupPlace(const CRect& opener, bool beside, CSize size, const CRect& screen);

class CCommandBar : public CWnd {
public:
    CCommandBar();
    ~CCommandBar() override;

    BOOL Create(CWnd* frame, DWORD style = 0, UINT id = AFX_IDW_COMMANDBAR);
    using CWnd::Create;
    BOOL InsertMenuBar(UINT menuId);
    BOOL AddAdornments(DWORD flags = 0);
    CMenu* GetMenu() { return &menu_; }
    int GetHeight() const;

    // The screen rectangle of a popup title, for taps.
    CRect TitleRect(int index) const;
    // The popup that is open at a cascade depth (0 the one under the bar), else null.
    CPopupMenuWnd* OpenPopup(size_t depth = 0) const;
    void CloseMenus();

    // Opens `menu` at `depth`: under the bar's title `opener` at depth 0, else beside the item
    // `opener` of the popup at `depth` - 1 (screen rectangles).
    void OpenCascade(size_t depth, CMenu* menu, const CRect& opener);
    void ChooseCommand(UINT id);

    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(CDC& dc);
    void OpenTitle(int index);
    bool OnMenuKey(UINT message, UINT key);
    int TitleAt(CPoint client) const;
    CRect CloseBoxRect() const;

    // One member for each message the bar handles; DefWindowProc routes to them.
    LRESULT OnGetHeight(WPARAM, LPARAM) { return GetHeight(); }
    LRESULT OnPaint(WPARAM, LPARAM);
    LRESULT OnEraseBackground(WPARAM, LPARAM) { return 1; }
    LRESULT OnTap(WPARAM, LPARAM lParam);
    LRESULT OnDestroy(WPARAM, LPARAM);

    CMenu menu_;
    bool adornments_ = false;
    int openTitle_ = -1;
    std::vector<std::unique_ptr<CPopupMenuWnd>> popups_;
};

// One open popup of the command bar.
class CPopupMenuWnd : public CWnd {
public:
    CPopupMenuWnd(CCommandBar& bar, CMenu& menu, size_t depth);
    BOOL Open(const CRect& opener);
    CMenu& Menu() { return menu_; }
    // The screen rectangle of an item, for taps; empty when there is none.
    CRect ItemRect(int index) const;
    // The position of the item shown with that text ("&" ignored), or -1.
    int FindItem(const CString& displayText) const;
    // Picks the item whose text starts with "&" and that digit, as a tap on it does.
    void ChooseDigit(wchar_t digit);

    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    CRect ItemClientRect(int index) const;
    int ItemAt(CPoint client) const;
    void Paint(CDC& dc);
    void Choose(int index);

    LRESULT OnPaint(WPARAM, LPARAM);
    LRESULT OnEraseBackground(WPARAM, LPARAM) { return 1; }
    LRESULT OnPointAt(WPARAM, LPARAM lParam);
    LRESULT OnButtonUp(WPARAM, LPARAM lParam);

    CCommandBar& bar_;
    CMenu& menu_;
    size_t depth_;
    int highlighted_ = -1;
};
