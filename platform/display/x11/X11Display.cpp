#include "platform/display/x11/X11Display.h"

#include <errno.h>
#include <fcntl.h>
#include <langinfo.h>
#include <poll.h>
#include <sys/shm.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <bit>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <iterator>

#include "platform/display/x11/X11Keys.h"
#include "platform/messages/Messages.h"
#include "platform/text/CodePage.h"
#include "platform/threads/UiThread.h"
#include "platform/ui/Desktop.h"

// Last: Xlib's macros (Expose, None, ...) would clash with the names above.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>

// Told on the UI thread that the X server has gone: the program says so and ends with status 1. Ending
// between two messages of the UI thread (which writes the user's files) never cuts a write short; the
// window objects are not torn down, since they would draw on the dead connection.
class CDisplayLossNotice final : public IMessageTarget {
public:
    CDisplayLossNotice() : hwnd(RegisterMessageTarget(this)) {}
    ~CDisplayLossNotice() override { UnregisterMessageTarget(hwnd); }
    LRESULT HandleMessage(UINT, WPARAM, LPARAM) override {
        std::fflush(nullptr);
        std::fprintf(stderr, "%s: X display lost\n", program_invocation_short_name);
        _exit(1);
    }
    const HWND hwnd;
};

struct CX11Display::Connection {
    Display* display = nullptr;
    Window window = 0;
    // The picture as last presented, kept in the X server at the window's size: exposed parts of
    // the window are copied back from it, and the program keeps no copy of its own.
    Pixmap shown = 0;
    // When the server shares it (a local server): the memory of `shown`, written in place. The
    // server then reads no image from the connection, so painting never waits for it.
    XShmSegmentInfo shared{};
    uint32_t* sharedPixels = nullptr;
    GC gc = nullptr;
    Visual* visual = nullptr;
    unsigned depth = 0;
    XIM inputMethod = nullptr;
    XIC inputContext = nullptr;
    Atom deleteWindow = 0;
    Atom utf8Name = 0;
    Atom utf8String = 0;
    // Another client destroyed the window (no window manager sends the close request then).
    std::atomic<bool> windowGone = false;
    // The connection broke. Xlib then keeps its display lock for the thread that met the break, so
    // no other thread may call it again: every Xlib call checks this under the display's mutex.
    std::atomic<bool> lost = false;
    CDisplayLossNotice lossNotice;
    // Where the visual wants red, green and blue.
    int redShift = 16;
    int greenShift = 8;
    int blueShift = 0;

    ~Connection() {
        if (display && !lost) {
            if (inputContext) XDestroyIC(inputContext);
            if (inputMethod) XCloseIM(inputMethod);
            if (gc) XFreeGC(display, gc);
            if (shown) XFreePixmap(display, shown);
            if (sharedPixels) XShmDetach(display, &shared);
            if (window && !windowGone) XDestroyWindow(display, window);
            XCloseDisplay(display);
        }
        if (shared.shmaddr) shmdt(shared.shmaddr);
    }
};

namespace {
int ShiftOf(unsigned long mask) {
    return mask ? std::countr_zero(mask) : 0;
}

// Xlib's own report of a broken connection is replaced by the loss notice.
int QuietIoError(Display*) {
    return 0;
}

// Runs on whichever thread met the break, in place of Xlib's exit() there: the UI thread is told and
// ends the program.
void OnConnectionLost(Display*, void* data) {
    auto* x = static_cast<CX11Display::Connection*>(data);
    x->lost = true;
    PostMessage(x->lossNotice.hwnd, WM_NULL, 0, 0);
}

constexpr long kWindowEvents = ExposureMask | StructureNotifyMask | ButtonPressMask | ButtonReleaseMask |
                               Button1MotionMask | KeyPressMask | KeyReleaseMask | FocusChangeMask;
constexpr char kStop = 1;
constexpr char kOpenInputMethod = 2;
// Screen rows scaled and sent at a time.
constexpr int kBandRows = 16;

// Input methods hand over text in the locale's encoding: make that UTF-8. Set before the input
// thread starts, since the locale is the whole process's.
void ChooseInputLocale() {
    const char* locale = std::setlocale(LC_CTYPE, "");
    if (!locale || std::strcmp(nl_langinfo(CODESET), "UTF-8") != 0 || !XSupportsLocale())
        std::setlocale(LC_CTYPE, "C.UTF-8");
}

// The desktop's input method when it has one, else Xlib's own, which turns the key symbol of any
// character into that character. On the input thread, holding the connection.
void OpenInputMethodOn(CX11Display::Connection& x) {
    XSetLocaleModifiers("");
    x.inputMethod = XOpenIM(x.display, nullptr, nullptr, nullptr);
    if (!x.inputMethod) {
        XSetLocaleModifiers("@im=none");
        x.inputMethod = XOpenIM(x.display, nullptr, nullptr, nullptr);
    }
    if (!x.inputMethod) return;
    x.inputContext = XCreateIC(x.inputMethod, XNInputStyle, XIMPreeditNothing | XIMStatusNothing,
                               XNClientWindow, x.window, XNFocusWindow, x.window, nullptr);
    if (!x.inputContext) return;
    long inputMethodEvents = 0;
    XGetICValues(x.inputContext, XNFilterEvents, &inputMethodEvents, nullptr);
    XSelectInput(x.display, x.window, kWindowEvents | inputMethodEvents);
    // The focus may have come before the context did.
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(x.display, &focus, &revert);
    if (focus == x.window) XSetICFocus(x.inputContext);
}

bool attachRefused = false;
int NoteAttachRefused(Display*, XErrorEvent*) {
    attachRefused = true;
    return 0;
}

// Makes `x.shown` a pixmap in memory shared with the server, when it offers that; false leaves
// it to be made as an ordinary one. A server on another machine cannot attach the memory: its
// refusal is waited for here, at the start.
bool ShareKeptPicture(CX11Display::Connection& x, unsigned width, unsigned height) {
    int major = 0, minor = 0;
    Bool pixmaps = False;
    // Asked first, since only this question is silent about a missing extension.
    if (!XShmQueryExtension(x.display) || !XShmQueryVersion(x.display, &major, &minor, &pixmaps) ||
        !pixmaps || XShmPixmapFormat(x.display) != ZPixmap)
        return false;
    x.shared.shmid = shmget(IPC_PRIVATE, static_cast<size_t>(width) * height * 4, IPC_CREAT | 0600);
    if (x.shared.shmid < 0) return false;
    void* memory = shmat(x.shared.shmid, nullptr, 0);
    if (memory != reinterpret_cast<void*>(-1)) {
        x.shared.shmaddr = static_cast<char*>(memory);
        x.shared.readOnly = False;
        attachRefused = false;
        const XErrorHandler previous = XSetErrorHandler(NoteAttachRefused);
        XShmAttach(x.display, &x.shared);
        XSync(x.display, False);
        XSetErrorHandler(previous);
    }
    shmctl(x.shared.shmid, IPC_RMID, nullptr);  // freed once both sides have let go
    if (x.shared.shmaddr && attachRefused) {
        shmdt(x.shared.shmaddr);
        x.shared.shmaddr = nullptr;
    }
    if (!x.shared.shmaddr) return false;
    x.shown = XShmCreatePixmap(x.display, x.window, x.shared.shmaddr, &x.shared, width, height, x.depth);
    x.sharedPixels = reinterpret_cast<uint32_t*>(x.shared.shmaddr);
    return true;
}

void StoreTitle(CX11Display::Connection& x, const std::wstring& title) {
    const std::string name = ToUtf8(CString(title.c_str()));
    XStoreName(x.display, x.window, name.c_str());
    XChangeProperty(x.display, x.window, x.utf8Name, x.utf8String, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(name.data()), static_cast<int>(name.size()));
}

}  // namespace

std::unique_ptr<CX11Display> CX11Display::Open(const char* displayName, const std::wstring& title,
                                               int scale) {
    static const bool threads = XInitThreads() != 0;
    if (!threads) return nullptr;
    // The display is opened by the thread that runs the screens; bind it before the event reader
    // starts, or the reader's first use of the desktop would make itself the UI thread.
    BindUiThreadIfUnbound();
    auto x = std::make_unique<Connection>();
    x->display = XOpenDisplay(displayName);
    if (!x->display) return nullptr;
    Display* d = x->display;
    XSetIOErrorHandler(QuietIoError);
    XSetIOErrorExitHandler(d, OnConnectionLost, x.get());
    const int screen = DefaultScreen(d);
    Visual* visual = DefaultVisual(d, screen);
    const int depth = DefaultDepth(d, screen);
    if (depth < 24 || visual->c_class != TrueColor) return nullptr;
    x->redShift = ShiftOf(visual->red_mask);
    x->greenShift = ShiftOf(visual->green_mask);
    x->blueShift = ShiftOf(visual->blue_mask);

    const unsigned width = static_cast<unsigned>(kScreenWidth * scale);
    const unsigned height = static_cast<unsigned>(kScreenHeight * scale);
    x->window = XCreateSimpleWindow(d, RootWindow(d, screen), 0, 0, width, height, 0, BlackPixel(d, screen),
                                    WhitePixel(d, screen));
    XSizeHints* hints = XAllocSizeHints();
    hints->flags = PMinSize | PMaxSize;
    hints->min_width = hints->max_width = static_cast<int>(width);
    hints->min_height = hints->max_height = static_cast<int>(height);
    XSetWMNormalHints(d, x->window, hints);
    XFree(hints);
    // Named in one round trip to the server.
    char* names[] = {const_cast<char*>("WM_DELETE_WINDOW"), const_cast<char*>("WM_PROTOCOLS"),
                     const_cast<char*>("_NET_WM_NAME"), const_cast<char*>("UTF8_STRING")};
    Atom atoms[std::size(names)] = {};
    if (!XInternAtoms(d, names, static_cast<int>(std::size(names)), False, atoms)) return nullptr;
    x->deleteWindow = atoms[0];
    x->utf8Name = atoms[2];
    x->utf8String = atoms[3];
    StoreTitle(*x, title);
    // As XSetWMProtocols does, without its own round trip for the property's name.
    XChangeProperty(d, x->window, atoms[1], XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&x->deleteWindow), 1);
    ChooseInputLocale();
    XSelectInput(d, x->window, kWindowEvents);
    x->gc = XCreateGC(d, x->window, 0, nullptr);
    XSetGraphicsExposures(d, x->gc, False);  // copies from the kept picture never miss a part
    x->visual = visual;
    x->depth = static_cast<unsigned>(depth);
    XImage* probe = XCreateImage(d, visual, x->depth, ZPixmap, 0, nullptr, width, height, 32, 0);
    const bool wordPixels = probe && probe->bits_per_pixel == 32;
    if (probe) XDestroyImage(probe);
    if (!wordPixels) return nullptr;
    if (!ShareKeptPicture(*x, width, height)) x->shown = XCreatePixmap(d, x->window, width, height, x->depth);

    std::unique_ptr<CX11Display> display(new CX11Display(std::move(x), scale));
    if (display->stopPipe_[0] < 0) return nullptr;
    XMapWindow(d, display->x_->window);
    XFlush(d);
    return display;
}

CX11Display::CX11Display(std::unique_ptr<Connection> connection, int scale)
    : scale_(scale),
      x_(std::move(connection)),
      band_(x_->sharedPixels ? 0 : static_cast<size_t>(kScreenWidth) * scale * scale * kBandRows) {
    // White until the first paint, as a window's background is.
    Keep(Framebuffer(kScreenWidth, kScreenHeight), CRect(0, 0, kScreenWidth, kScreenHeight));
    if (pipe2(stopPipe_, O_CLOEXEC) != 0) {
        stopPipe_[0] = stopPipe_[1] = -1;
        return;
    }
    reader_ = std::thread([this] { ReadEvents(); });
}

CX11Display::~CX11Display() {
    if (reader_.joinable()) {
        [[maybe_unused]] const ssize_t written = write(stopPipe_[1], &kStop, 1);
        reader_.join();
    }
    for (int fd : stopPipe_)
        if (fd >= 0) close(fd);
}

bool CX11Display::PictureShared() const {
    return x_->sharedPixels != nullptr;
}

bool CX11Display::WindowGone() const {
    return x_->windowGone;
}

void CX11Display::SetCloseHandler(std::function<void()> handler) {
    std::lock_guard lock(closeMutex_);
    onClose_ = std::move(handler);
}

void CX11Display::Scale(const Framebuffer& screen, const CRect& area, int top, int bottom, uint32_t* out,
                        size_t stride) const {
    const int width = area.Width() * scale_;
    // The usual case, the screen's own pixel layout doubled, in a loop the compiler can vectorise:
    // every repaint goes through here.
    const bool doubledAsIs = scale_ == 2 && x_->redShift == 16 && x_->greenShift == 8 && x_->blueShift == 0;
    for (int y = top; y < bottom; ++y) {
        const uint32_t* source = screen.row(y) + area.left;
        uint32_t* row = out + static_cast<size_t>(y - top) * scale_ * stride;
        if (doubledAsIs) {
            for (int x = 0; x < area.Width(); ++x) row[2 * x] = row[2 * x + 1] = source[x];
        } else {
            for (int x = 0; x < area.Width(); ++x) {
                const uint32_t p = source[x];
                const uint32_t pixel = (((p >> 16) & 0xFFu) << x_->redShift) |
                                       (((p >> 8) & 0xFFu) << x_->greenShift) |
                                       ((p & 0xFFu) << x_->blueShift);
                std::fill_n(row + x * scale_, scale_, pixel);
            }
        }
        for (int dy = 1; dy < scale_; ++dy) std::copy_n(row, width, row + static_cast<size_t>(dy) * stride);
    }
}

void CX11Display::Keep(const Framebuffer& screen, const CRect& area) {
    if (x_->sharedPixels) {
        const size_t stride = static_cast<size_t>(kScreenWidth) * scale_;
        Scale(screen, area, area.top, area.bottom,
              x_->sharedPixels + static_cast<size_t>(area.top) * scale_ * stride + area.left * scale_,
              stride);
        return;
    }
    // Scaled a band of rows at a time into a small buffer: an image of the whole window would
    // stay resident at four times the screen's size.
    const int width = area.Width() * scale_;
    const int bandRows = std::max(1, static_cast<int>(band_.size()) / (width * scale_));
    for (int top = area.top; top < area.bottom; top += bandRows) {
        const int bottom = std::min<int>(area.bottom, top + bandRows);
        Scale(screen, area, top, bottom, band_.data(), static_cast<size_t>(width));
        const int height = (bottom - top) * scale_;
        XImage* image = XCreateImage(x_->display, x_->visual, x_->depth, ZPixmap, 0,
                                     reinterpret_cast<char*>(band_.data()), static_cast<unsigned>(width),
                                     static_cast<unsigned>(height), 32, 0);
        if (!image) return;
        XPutImage(x_->display, x_->shown, x_->gc, image, 0, 0, area.left * scale_, top * scale_,
                  static_cast<unsigned>(width), static_cast<unsigned>(height));
        image->data = nullptr;  // the pixels are ours
        XDestroyImage(image);
    }
}

void CX11Display::Show(const CRect& area) {
    XCopyArea(x_->display, x_->shown, x_->window, x_->gc, area.left * scale_, area.top * scale_,
              static_cast<unsigned>(area.Width() * scale_), static_cast<unsigned>(area.Height() * scale_),
              area.left * scale_, area.top * scale_);
    XFlush(x_->display);
}

void CX11Display::Present(const Framebuffer& screen, const CRect& dirty) {
    const CRect area = dirty & CRect(0, 0, kScreenWidth, kScreenHeight);
    if (area.IsRectEmpty()) return;
    std::lock_guard lock(imageMutex_);
    if (x_->windowGone || x_->lost) return;
    Keep(screen, area);
    Show(area);
}

void CX11Display::OpenInputMethod() {
    if (inputMethodAsked_.exchange(true)) return;
    [[maybe_unused]] const ssize_t written = write(stopPipe_[1], &kOpenInputMethod, 1);
}

void CX11Display::SetTitle(const std::wstring& title) {
    std::lock_guard lock(imageMutex_);
    if (x_->windowGone || x_->lost) return;
    StoreTitle(*x_, title);
    XFlush(x_->display);
}

void CX11Display::ReadEvents() {
    Display* d = x_->display;
    pollfd fds[2] = {{ConnectionNumber(d), POLLIN, 0}, {stopPipe_[0], POLLIN, 0}};
    for (;;) {
        {
            std::lock_guard lock(imageMutex_);
            if (x_->lost) return;
            while (!x_->lost && XPending(d)) {
                XEvent event;
                XNextEvent(d, &event);
                if (!XFilterEvent(&event, 0)) HandleEvent(event);
            }
        }
        // Drawing on the UI thread may pull events into Xlib's queue without the socket
        // showing them, so the wait is short.
        if (poll(fds, 2, 50) < 0 || !fds[1].revents) continue;
        char wake = kStop;
        if (read(stopPipe_[0], &wake, 1) != 1 || wake == kStop) return;
        std::lock_guard lock(imageMutex_);
        if (!x_->lost && !x_->windowGone) OpenInputMethodOn(*x_);
    }
}

// On the input thread, holding imageMutex_.
void CX11Display::HandleEvent(XEvent& event) {
    CDesktop& desktop = CDesktop::Get();
    switch (event.type) {
        case Expose: {
            if (x_->windowGone) break;
            const XExposeEvent& e = event.xexpose;
            const CRect exposed(e.x / scale_, e.y / scale_, (e.x + e.width + scale_ - 1) / scale_,
                                (e.y + e.height + scale_ - 1) / scale_);
            const CRect area = exposed & CRect(0, 0, kScreenWidth, kScreenHeight);
            if (!area.IsRectEmpty()) Show(area);
            break;
        }
        case MapNotify:
            // Without a window manager nobody else gives the window the keyboard.
            XSetInputFocus(x_->display, x_->window, RevertToParent, CurrentTime);
            break;
        case FocusIn:
        case FocusOut:
            // Shift or Ctrl let go in another window would otherwise stay held here.
            if (event.type == FocusOut)
                for (const UINT modifier : {VK_SHIFT, VK_CONTROL})
                    desktop.QueueInput({InputEvent::Kind::kKeyUp, 0, 0, modifier});
            if (!x_->inputContext) break;
            if (event.type == FocusIn)
                XSetICFocus(x_->inputContext);
            else
                XUnsetICFocus(x_->inputContext);
            break;
        case ButtonPress:
        case ButtonRelease:
            if (event.type == ButtonPress)
                XSetInputFocus(x_->display, x_->window, RevertToParent, CurrentTime);
            if (event.xbutton.button == Button1)
                desktop.QueueInput(
                    {event.type == ButtonPress ? InputEvent::Kind::kMouseDown : InputEvent::Kind::kMouseUp,
                     event.xbutton.x / scale_, event.xbutton.y / scale_});
            // The wheel is buttons 4 (away from the user) and 5, a press a notch.
            if (event.type == ButtonPress &&
                (event.xbutton.button == Button4 || event.xbutton.button == Button5))
                desktop.QueueInput(
                    {InputEvent::Kind::kWheel, event.xbutton.x / scale_, event.xbutton.y / scale_,
                     static_cast<UINT>(event.xbutton.button == Button4 ? WHEEL_DELTA : -WHEEL_DELTA)});
            break;
        case MotionNotify:
            desktop.QueueInput(
                {InputEvent::Kind::kMouseMove, event.xmotion.x / scale_, event.xmotion.y / scale_});
            break;
        case KeyPress:
        case KeyRelease:
            HandleKey(event);
            break;
        case DestroyNotify:
        case ClientMessage:
            if (event.type == DestroyNotify) {
                x_->windowGone = true;
            } else if (static_cast<Atom>(event.xclient.data.l[0]) != x_->deleteWindow) {
                break;
            }
            {
                std::lock_guard lock(closeMutex_);
                if (onClose_) onClose_();
            }
            break;
    }
}

void CX11Display::HandleKey(XEvent& event) {
    XKeyEvent& key = event.xkey;
    char text[64];
    KeySym keysym = 0;
    CString typed;
    if (key.type == KeyPress && x_->inputContext) {
        Status status = 0;
        const int length = Xutf8LookupString(x_->inputContext, &key, text, sizeof text, &keysym, &status);
        if (status == XLookupChars || status == XLookupBoth)
            typed = FromUtf8(std::string_view(text, static_cast<size_t>(length)));
        if (status != XLookupKeySym && status != XLookupBoth) keysym = 0;
    } else if (XLookupString(&key, text, sizeof text, &keysym, nullptr) == 1) {
        typed = CString(static_cast<wchar_t>(static_cast<unsigned char>(text[0])), 1);  // Latin-1
    }
    for (const InputEvent& e : KeyEventsFor(keysym, typed.str(), key.type == KeyPress))
        CDesktop::Get().QueueInput(e);
}
