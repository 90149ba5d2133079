#pragma once
// The desktop: the screen, the top-level windows in z-order, focus, activation and capture,
// painting, and input. Taps and keys may be queued from any thread; they are routed on the UI
// thread through the message loop, so PreTranslateMessage and dialog navigation see them.
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <set>
#include <unordered_map>
#include <vector>

#include "platform/display/Display.h"
#include "platform/messages/Messages.h"
#include "platform/ui/WindowRecord.h"

class CWnd;
class CFont;

struct InputEvent {
    enum class Kind { kMouseDown, kMouseMove, kMouseUp, kWheel, kKeyDown, kKeyUp, kChar };
    Kind kind;
    int x = 0;  // screen point of mouse events
    int y = 0;
    UINT key = 0;  // virtual key, the character of kChar, or the wheel's turn (WHEEL_DELTA a notch)
    // Set when queued: the moment the user acted, however late it is routed, and its place in the
    // queue.
    DWORD tick = 0;
    uint64_t serial = 0;
};

// Height of a top-level window's caption bar and of the main frame's command bar.
constexpr int kCaptionHeight = 26;
// The raised frame of WS_EX_DLGMODALFRAME, each side.
constexpr int kModalFrameWidth = 2;
constexpr UINT kDoubleTapMs = 500;

class CDesktop final : public IMessageTarget, public IMessageLoopHooks {
public:
    static CDesktop& Get();

    // The display; the headless one unless another was installed (null restores it).
    IDisplay& Display();
    void SetDisplay(IDisplay* display);
    // What windows paint into; Present shows the part a paint changed on the display.
    Framebuffer& Screen() { return screen_; }
    void Present(const CRect& dirty) { Display().Present(screen_, dirty); }
    CRect ScreenRect() { return CRect(0, 0, screen_.width(), screen_.height()); }

    // ---- window records
    WindowRecord* Find(HWND hwnd);
    WindowRecord& Add(CWnd* object, HWND hwnd);
    void Remove(HWND hwnd);
    // Top-level windows, back to front. A window stays below the windows it owns, and while modal
    // dialogs run each stays above every window it shuts out.
    const std::vector<HWND>& TopLevels() const { return topLevels_; }
    void AddTopLevel(HWND hwnd);
    void BringToTop(HWND hwnd);

    // ---- modal runs
    // From its showing to its end, a modal dialog and the windows it owns alone take taps, keys and
    // the focus: every other window, one that appears during the run included, is shut out and
    // waits below it. Runs nest; the innermost one decides.
    void BeginModal(HWND dialog);
    void EndModal(HWND dialog);
    // Whether the window's top-level window is shut out by the innermost modal run.
    bool IsShutOut(HWND hwnd);
    // The owner of a dialog or box opened on `requested` (null: on the active window): its top-level
    // window while that takes input, else the innermost modal dialog, the window the user sees on
    // top, which the dialog then belongs to and gives the focus back to.
    HWND ModalOwnerFor(HWND requested);
    // Screen rectangles of a window and of its client area; the client area leaves out the
    // caption bar and borders.
    CRect WindowScreenRect(const WindowRecord& r);
    CRect ClientScreenRect(const WindowRecord& r);
    CRect ClientRectInWindow(const WindowRecord& r);
    // Visible itself and every ancestor.
    bool IsShowing(const WindowRecord& r);

    // ---- focus, activation and capture
    HWND focus;
    HWND capture;
    HWND active;
    POINT cursor{};  // where the last tap or drag was
    // Moves the focus, activating its top-level window. A frame passes it on to its view. A window
    // shut out by a modal run cannot take it.
    void SetFocus(HWND hwnd);
    // Where the keys of a top-level window go when nothing in it has the focus: a frame (a top-level
    // window that is no dialog) hands them to its view, its first visible, enabled child dialog; any
    // other window takes them itself.
    HWND KeyWindowOf(HWND topLevel);
    // Activating a window brings it to the top and gives the focus back to the window in it that had
    // it last; a window shut out by a modal run is not activated.
    void Activate(HWND topLevel);
    HWND TopLevelOf(HWND hwnd);
    // Focus and activation move away from a dying or hidden window.
    void Forget(HWND hwnd);

    // ---- painting
    void Invalidate(WindowRecord& r, const CRect& clientRect, bool erase);
    // Everything shown in a screen rectangle paints again (a window moved, hid or died).
    void Expose(const CRect& screenRect);
    void InvalidateTree(WindowRecord& r);
    // Paints every invalid window now.
    void PaintAll();
    bool PaintOne() override;
    bool FilterPosted(const MSG& msg) override;
    void OnStalled() override;
    // Sees every tap before it is routed; true keeps it from its window (open menus use it).
    std::function<bool(CWnd* target)> mouseDownFilter;
    // Sees every key (WM_KEYDOWN, WM_KEYUP, WM_CHAR and the key) before the focus window; true
    // keeps it from that window (an open menu takes the keys).
    std::function<bool(UINT message, UINT key)> keyFilter;
    // What a stalled loop does (the test driver ends the dialog it waits on).
    std::function<void()> onStalled;

    // ---- input
    void QueueInput(const InputEvent& event);
    // A top-level window came into sight: input queued until now was given without it on the screen.
    void Shown(WindowRecord& r);
    // Whether a key is held down, as of the input routed so far.
    bool KeyHeld(UINT key) const { return keysHeld_.count(key) != 0; }
    CWnd* WindowFromPoint(POINT screen);

    // The layer's dialog font: "宋体" 9 point.
    CFont* DialogFont();

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    CDesktop();
    ~CDesktop() override;
    void RouteInput(const InputEvent& event);
    void RouteMouse(const InputEvent& event);
    // The window a pen event goes to, or null when it goes nowhere; see RouteMouse.
    CWnd* MouseTarget(const InputEvent& event, const CPoint& screen);
    void PostMouse(CWnd& target, UINT message, WPARAM flags, CPoint screen);
    void RouteKey(const InputEvent& event);
    void RouteWheel(const InputEvent& event);
    // PreTranslateMessage from the message's window up to its top-level one.
    bool PreTranslate(const MSG& msg);
    HWND HitTest(HWND hwnd, POINT screen);
    // A tap inside the key window of its top-level window gives it the focus unless the focus is in it.
    void FocusOnTap(HWND tapped);
    bool IsInside(HWND hwnd, HWND ancestor);
    // `top` and the windows it owns, each below those it owns, in z-order otherwise.
    void CollectOwned(HWND top, std::vector<HWND>& tree);
    // Moves `top` with the windows it owns to the top, then every modal run's dialog above the
    // windows it shuts out; a window that came up over another paints again.
    void Restack(HWND top);
    void RaiseOwned(HWND top);
    bool PaintTree(HWND hwnd);
    void PaintWindow(WindowRecord& r);
    void DrawFrame(WindowRecord& r);

    std::unordered_map<uint32_t, std::unique_ptr<WindowRecord>> records_;
    std::vector<HWND> topLevels_;
    std::vector<HWND> modal_;  // the running modal dialogs, outermost first
    Framebuffer screen_{kScreenWidth, kScreenHeight};
    std::unique_ptr<IDisplay> headless_;
    IDisplay* display_ = nullptr;
    HWND self_;
    std::mutex inputMutex_;
    std::deque<InputEvent> input_;
    uint64_t inputSerial_ = 0;      // of the last event queued
    bool inputWakePosted_ = false;  // a WM_QZ_INPUT is on its way
    std::unique_ptr<CFont> dialogFont_;
    // Double-tap detection.
    HWND lastDownWindow_;
    DWORD lastDownTick_ = 0;
    POINT lastDownPoint_{};
    bool lastDownWasDouble_ = false;
    bool penDown_ = false;
    // The top-level window that the pen went down on; its moves and lift go nowhere else. Null
    // while the pen's tap goes nowhere.
    HWND tapTop_;
    std::set<UINT> keysHeld_;
    // The key just pressed was handled before dispatch: its character is not delivered.
    bool swallowChar_ = false;
    bool swallowRoutedChar_ = false;  // the key filter took the key press that types it
};

// The key's state as the program sees it: the high bit set while the key is held down.
inline short GetKeyState(int key) {
    return CDesktop::Get().KeyHeld(static_cast<UINT>(key)) ? static_cast<short>(0x8000) : 0;
}
