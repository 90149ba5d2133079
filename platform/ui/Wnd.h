#pragma once
// CWnd: a window of the handheld's class library over the program's own window layer.
//
// Writing a control: derive from CWnd (or from a control such as CButton) and put the class
// behaviour, what the system's window procedure would do, in DefWindowProc; paint in OnPaint (a
// CPaintDC on `this`); tell the parent with NotifyParent(code). Register the class name with
// RegisterWindowClass (WindowClasses.h) so that dialog templates can create it. When a screen
// subclasses a template control with a derived class, AdoptControlState moves the class data
// of the framework-made object into the screen's member.
//
// Writing a screen: see Dialog.h.
//
// Window state (tree, rectangle, text, styles, properties) belongs to the window, not to the C++
// object: the handle stays valid while the window lives, and FromHandle finds the object that
// currently serves it. Window operations belong to the UI thread; a worker may send messages and
// call ShowWindow, EnableWindow, SetWindowPos, MoveWindow, InvalidateRect and SetWindowText on
// controls it was given, which then run on the UI thread.
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "platform/gdi/CDC.h"
#include "platform/gdi/Geometry.h"
#include "platform/text/CString.h"
#include "platform/ui/WindowMessages.h"

struct WindowRecord;
using HBRUSH = CBrush*;
using TIMERPROC = void (*)(HWND hwnd, UINT message, UINT_PTR id, DWORD tick);
using HDC = CDC*;

// Owner-draw item description (WM_DRAWITEM).
constexpr UINT ODT_BUTTON = 4;
constexpr UINT ODT_STATIC = 5;
constexpr UINT ODA_DRAWENTIRE = 1;
constexpr UINT ODA_SELECT = 2;
constexpr UINT ODA_FOCUS = 4;
constexpr UINT ODS_SELECTED = 0x0001;
constexpr UINT ODS_GRAYED = 0x0002;
constexpr UINT ODS_DISABLED = 0x0004;
constexpr UINT ODS_CHECKED = 0x0008;
constexpr UINT ODS_FOCUS = 0x0010;
struct DRAWITEMSTRUCT {
    UINT CtlType = 0;
    UINT CtlID = 0;
    UINT itemID = 0;
    UINT itemAction = 0;
    UINT itemState = 0;
    HWND hwndItem;
    HDC hDC = nullptr;
    RECT rcItem;
    uintptr_t itemData = 0;
};
using LPDRAWITEMSTRUCT = DRAWITEMSTRUCT*;

// GetWindow relations.
constexpr UINT GW_HWNDFIRST = 0;
constexpr UINT GW_HWNDLAST = 1;
constexpr UINT GW_HWNDNEXT = 2;
constexpr UINT GW_HWNDPREV = 3;
constexpr UINT GW_OWNER = 4;
constexpr UINT GW_CHILD = 5;

class CWnd : public IMessageTarget {
public:
    CWnd();
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd;
    // For SetWindowPos: the top of the z-order.
    static const CWnd wndTop;
    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }
    // The object serving a live handle, else null.
    static CWnd* FromHandle(HWND hwnd);

    // ---- creation and destruction
    // className: a registered class ("STATIC", "EDIT", "BUTTON", ...) or null for a plain window.
    // A child's rectangle is in its parent's client coordinates, a top-level one on the screen.
    BOOL CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* windowName, DWORD style,
                  const RECT& rect, CWnd* parent, UINT id);
    virtual BOOL Create(const wchar_t* className, const wchar_t* windowName, DWORD style, const RECT& rect,
                        CWnd* parent, UINT id);
    virtual BOOL DestroyWindow();
    // Makes this object serve an existing window (the framework's object for it is released).
    BOOL SubclassWindow(HWND hwnd);
    BOOL SubclassDlgItem(UINT id, CWnd* parent);

    // ---- tree
    CWnd* GetParent() const;
    CWnd* GetOwner() const;
    void SetOwner(CWnd* owner);
    CWnd* GetTopLevelParent() const;
    CWnd* GetWindow(UINT relation) const;
    std::vector<CWnd*> GetChildren() const;
    CWnd* GetDlgItem(int id) const;
    int GetDlgCtrlID() const;
    int SetDlgCtrlID(int id);
    BOOL IsChild(const CWnd* wnd) const;

    // ---- text and font
    void SetWindowText(const wchar_t* text);
    void GetWindowText(CString& text) const;
    int GetWindowText(wchar_t* buffer, int maxCount) const;
    int GetWindowTextLength() const;
    void SetFont(CFont* font, BOOL redraw = TRUE);
    // The window's font, else the dialog font of the layer.
    CFont* GetFont() const;

    // ---- geometry
    void GetWindowRect(LPRECT rect) const;  // screen coordinates
    void GetClientRect(LPRECT rect) const;  // (0, 0, width, height) of the client area
    void ClientToScreen(LPPOINT point) const;
    void ClientToScreen(LPRECT rect) const;
    void ScreenToClient(LPPOINT point) const;
    void ScreenToClient(LPRECT rect) const;
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    void MoveWindow(LPCRECT rect, BOOL repaint = TRUE);
    BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags);
    // Centres on the owner's window, or on the screen.
    void CenterWindow(CWnd* alternateOwner = nullptr);
    static CWnd* WindowFromPoint(POINT screenPoint);
    CWnd* ChildWindowFromPoint(POINT clientPoint) const;

    // ---- state (these and the geometry calls may come from a worker: they run on the UI thread)
    BOOL ShowWindow(int command);
    BOOL IsWindowVisible() const;
    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL IsZoomed() const;
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);
    BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT flags = 0);
    // Window properties: named values kept with the window.
    BOOL SetProp(const wchar_t* name, uintptr_t value);
    uintptr_t GetProp(const wchar_t* name) const;
    uintptr_t RemoveProp(const wchar_t* name);

    // ---- focus, activation and capture
    CWnd* SetFocus();
    static CWnd* GetFocus();
    CWnd* SetCapture();
    static CWnd* GetCapture();
    static CWnd* GetActiveWindow();
    CWnd* SetActiveWindow();
    BOOL SetForegroundWindow();
    void BringWindowToTop();
    // Tab navigation among the controls of a dialog (this), those of its child dialogs (tab
    // pages) included; group navigation among the control's siblings.
    CWnd* GetNextDlgTabItem(CWnd* control, BOOL previous = FALSE) const;
    CWnd* GetNextDlgGroupItem(CWnd* control, BOOL previous = FALSE) const;
    // The control's group among its siblings: from the item with WS_GROUP at or before it to the
    // next such item (the control alone when it has no parent).
    static std::vector<CWnd*> GetDlgGroup(CWnd* control);

    // ---- painting
    void Invalidate(BOOL erase = TRUE);
    void InvalidateRect(LPCRECT rect, BOOL erase = TRUE);
    void ValidateRect(LPCRECT rect);
    BOOL GetUpdateRect(LPRECT rect, BOOL erase = FALSE) const;
    // Paints now when anything is invalid.
    void UpdateWindow();
    // Invalidates (all of the client area without a rectangle) and paints at once.
    BOOL RedrawWindow(LPCRECT rect = nullptr);
    // A device context of the client area (clipped like a paint); give it back with ReleaseDC.
    CDC* GetDC();
    int ReleaseDC(CDC* dc);

    // ---- messages and timers
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // With a callback, the timer calls it instead of OnTimer.
    UINT_PTR SetTimer(UINT_PTR id, UINT elapseMs, TIMERPROC callback = nullptr);
    BOOL KillTimer(UINT_PTR id);
    // WM_COMMAND with (id, code) to the parent, from this control.
    void NotifyParent(UINT code);
    // A message box owned by this window; without a caption the program's name is used.
    int MessageBox(const wchar_t* text, const wchar_t* caption = nullptr, UINT type = 0);

    // ---- dialog item helpers
    void SetDlgItemText(int id, const wchar_t* text);
    int GetDlgItemText(int id, CString& text) const;
    UINT GetDlgItemInt(int id, BOOL* translated = nullptr, BOOL isSigned = TRUE) const;
    void SetDlgItemInt(int id, UINT value, BOOL isSigned = TRUE);
    void CheckDlgButton(int id, UINT check);
    UINT IsDlgButtonChecked(int id) const;
    void CheckRadioButton(int firstId, int lastId, int checkId);
    int GetCheckedRadioButton(int firstId, int lastId);
    LRESULT SendDlgItemMessage(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    // ---- message handling
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) final;
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The class behaviour: what the system does with a message nobody handled.
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // DefWindowProc for the message being handled.
    LRESULT Default();
    // Sees queued keys and taps before dispatch, from the target window up to its top-level one.
    virtual BOOL PreTranslateMessage(MSG* msg);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
    // A control's own look at the notifications it sends and at the WM_DRAWITEM and WM_CTLCOLOR
    // its parent gets for it; TRUE keeps the message from the parent.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // A control's colours (reflected WM_CTLCOLOR); null leaves them to the parent.
    virtual HBRUSH CtlColor(CDC* dc, UINT ctlColor);
    // Owner-drawn controls draw themselves here (reflected WM_DRAWITEM).
    virtual void DrawItem(LPDRAWITEMSTRUCT drawItem);
    virtual void PreSubclassWindow();
    // Moves the class data of the object that served the window before subclassing.
    virtual void AdoptControlState(CWnd& previous);
    // After the window is gone; the object may delete itself here.
    virtual void PostNcDestroy();
    // Whether a second tap in quick succession arrives as WM_LBUTTONDBLCLK.
    virtual bool WantsDoubleClicks() const { return false; }
    // Taps pass through to the parent (static texts and group boxes).
    virtual bool HitTransparent() const { return false; }
    // The parent paints its background under the window, which draws only its own marks over it
    // (a group box: its frame and caption, never its inside).
    virtual bool ShowsParentBackground() const { return false; }

    // ---- handlers of the standard messages; each defaults to Default()
    virtual int OnCreate();
    virtual void OnDestroy();
    virtual void OnClose();
    virtual void OnPaint();
    virtual BOOL OnEraseBkgnd(CDC* dc);
    virtual void OnTimer(UINT_PTR id);
    virtual void OnSize(UINT type, int cx, int cy);
    virtual void OnShowWindow(BOOL show, UINT status);
    virtual void OnSetFocus(CWnd* oldWnd);
    virtual void OnKillFocus(CWnd* newWnd);
    virtual void OnEnable(BOOL enable);
    virtual void OnLButtonDown(UINT flags, CPoint point);
    virtual void OnLButtonUp(UINT flags, CPoint point);
    virtual void OnLButtonDblClk(UINT flags, CPoint point);
    virtual void OnMouseMove(UINT flags, CPoint point);
    virtual void OnKeyDown(UINT ch, UINT repeat, UINT flags);
    virtual void OnKeyUp(UINT ch, UINT repeat, UINT flags);
    virtual void OnChar(UINT ch, UINT repeat, UINT flags);
    virtual HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor);
    virtual void OnDrawItem(int id, LPDRAWITEMSTRUCT drawItem);

    // ---- binding commands and messages to member functions
    // A menu command or a button click (WM_COMMAND with notification code 0 or 1).
    template <class T>
    void BindCommand(UINT id, void (T::*handler)()) {
        BindControl(id, BN_CLICKED, handler);
        BindControl(id, 1, handler);
    }
    // A range of commands; the handler gets the id.
    template <class T>
    void BindCommandRange(UINT firstId, UINT lastId, void (T::*handler)(UINT)) {
        T* self = static_cast<T*>(this);
        rangeHandlers_.push_back({firstId, lastId, [self, handler](UINT id) { (self->*handler)(id); }});
    }
    // A control notification carried by WM_COMMAND (EN_CHANGE, CBN_SELCHANGE, ...).
    template <class T>
    void BindControl(UINT id, UINT code, void (T::*handler)()) {
        T* self = static_cast<T*>(this);
        commandHandlers_[{id, code}] = [self, handler] { (self->*handler)(); };
    }
    // A WM_NOTIFY notification (list views, tree views, tabs).
    template <class T>
    void BindNotify(UINT id, UINT code, void (T::*handler)(NMHDR*, LRESULT*)) {
        T* self = static_cast<T*>(this);
        notifyHandlers_[{id, code}] = [self, handler](NMHDR* h, LRESULT* r) { (self->*handler)(h, r); };
    }
    // Any message, typically the program's own (WM_USER + n).
    template <class T>
    void BindMessage(UINT message, LRESULT (T::*handler)(WPARAM, LPARAM)) {
        T* self = static_cast<T*>(this);
        messageHandlers_[message] = [self, handler](WPARAM w, LPARAM l) { return (self->*handler)(w, l); };
    }

    // For the window layer.
    WindowRecord* Record() const { return record_; }
    void AttachRecord(WindowRecord* record) { record_ = record; }

protected:
    // Dispatches the standard messages to the handlers above; false when none applies.
    virtual bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // A control asks its parent for its colours (WM_CTLCOLORSTATIC, ...); the answer is the brush
    // for its background, with the text colours set on `dc`.
    HBRUSH SendCtlColor(CDC* dc, UINT ctlColorMessage);
    // Selects the window's font into a context.
    CFont* SelectWindowFont(CDC& dc) const;

private:
    struct CurrentMessage {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    struct RangeHandler {
        UINT first;
        UINT last;
        std::function<void(UINT)> handler;
    };

    bool RunBoundHandler(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // Runs `call` on the UI thread: at once there, else through a cross-thread send.
    LRESULT OnUiThread(const std::function<LRESULT()>& call);

    WindowRecord* record_ = nullptr;
    CurrentMessage current_{};
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    std::map<std::pair<UINT, UINT>, std::function<void()>> commandHandlers_;
    std::map<std::pair<UINT, UINT>, std::function<void(NMHDR*, LRESULT*)>> notifyHandlers_;
    std::map<UINT, std::function<LRESULT(WPARAM, LPARAM)>> messageHandlers_;
    std::vector<RangeHandler> rangeHandlers_;
};

// Free functions of the window layer.
BOOL ReleaseCapture();
// The last point a tap or drag reached, on the screen.
BOOL GetCursorPos(LPPOINT point);
constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;
int GetSystemMetrics(int index);
// Calls `proc` for each top-level window, front to back, until it returns FALSE.
BOOL EnumWindows(BOOL (*proc)(HWND, LPARAM), LPARAM lParam);
uintptr_t GetProp(HWND hwnd, const wchar_t* name);
