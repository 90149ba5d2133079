#include "platform/display/x11/X11Display.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <bit>

#include "platform/display/x11/X11Keys.h"
#include "platform/text/CodePage.h"
#include "platform/threads/UiThread.h"
#include "platform/ui/Desktop.h"

// Last: Xlib's macros (Expose, None, ...) would clash with the names above.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

struct CX11Display::Connection {
    Display* display = nullptr;
    Window window = 0;
    GC gc = nullptr;
    XImage* image = nullptr;
    Atom deleteWindow = 0;
    // Another client destroyed the window (no window manager sends the close request then).
    std::atomic<bool> windowGone = false;
    // Where the visual wants red, green and blue.
    int redShift = 16;
    int greenShift = 8;
    int blueShift = 0;

    ~Connection() {
        if (!display) return;
        if (image) {
            image->data = nullptr;  // the pixels belong to the display object
            XDestroyImage(image);
        }
        if (gc) XFreeGC(display, gc);
        if (window && !windowGone) XDestroyWindow(display, window);
        XCloseDisplay(display);
    }
};

namespace {
int ShiftOf(unsigned long mask) {
    return mask ? std::countr_zero(mask) : 0;
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
    const std::string name = ToUtf8(CString(title.c_str()));
    XStoreName(d, x->window, name.c_str());
    XChangeProperty(d, x->window, XInternAtom(d, "_NET_WM_NAME", False), XInternAtom(d, "UTF8_STRING", False),
                    8, PropModeReplace, reinterpret_cast<const unsigned char*>(name.data()),
                    static_cast<int>(name.size()));
    x->deleteWindow = XInternAtom(d, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(d, x->window, &x->deleteWindow, 1);
    XSelectInput(d, x->window,
                 ExposureMask | StructureNotifyMask | ButtonPressMask | ButtonReleaseMask |
                     Button1MotionMask | KeyPressMask | KeyReleaseMask);
    x->gc = XCreateGC(d, x->window, 0, nullptr);
    x->image =
        XCreateImage(d, visual, static_cast<unsigned>(depth), ZPixmap, 0, nullptr, width, height, 32, 0);
    if (!x->image || x->image->bits_per_pixel != 32) return nullptr;

    std::unique_ptr<CX11Display> display(new CX11Display(std::move(x), scale));
    if (display->stopPipe_[0] < 0) return nullptr;
    XMapWindow(d, display->x_->window);
    XFlush(d);
    return display;
}

CX11Display::CX11Display(std::unique_ptr<Connection> connection, int scale)
    : screen_(kScreenWidth, kScreenHeight),
      scale_(scale),
      x_(std::move(connection)),
      image_(static_cast<size_t>(kScreenWidth * scale) * static_cast<size_t>(kScreenHeight * scale)) {
    x_->image->data = reinterpret_cast<char*>(image_.data());
    ScaleIntoImage(CRect(0, 0, kScreenWidth, kScreenHeight));
    if (pipe2(stopPipe_, O_CLOEXEC) != 0) {
        stopPipe_[0] = stopPipe_[1] = -1;
        return;
    }
    reader_ = std::thread([this] { ReadEvents(); });
}

CX11Display::~CX11Display() {
    if (reader_.joinable()) {
        const char stop = 1;
        [[maybe_unused]] const ssize_t written = write(stopPipe_[1], &stop, 1);
        reader_.join();
    }
    for (int fd : stopPipe_)
        if (fd >= 0) close(fd);
}

void CX11Display::SetCloseHandler(std::function<void()> handler) {
    std::lock_guard lock(closeMutex_);
    onClose_ = std::move(handler);
}

void CX11Display::ScaleIntoImage(const CRect& area) {
    const int width = kScreenWidth * scale_;
    for (int y = area.top; y < area.bottom; ++y) {
        const uint32_t* source = screen_.row(y);
        for (int x = area.left; x < area.right; ++x) {
            const uint32_t p = source[x];
            const uint32_t pixel = (((p >> 16) & 0xFFu) << x_->redShift) |
                                   (((p >> 8) & 0xFFu) << x_->greenShift) | ((p & 0xFFu) << x_->blueShift);
            for (int dy = 0; dy < scale_; ++dy) {
                uint32_t* target = image_.data() + static_cast<size_t>(y * scale_ + dy) * width + x * scale_;
                std::fill_n(target, scale_, pixel);
            }
        }
    }
}

void CX11Display::PutImage(const CRect& scaled) {
    XPutImage(x_->display, x_->window, x_->gc, x_->image, scaled.left, scaled.top, scaled.left, scaled.top,
              static_cast<unsigned>(scaled.Width()), static_cast<unsigned>(scaled.Height()));
    XFlush(x_->display);
}

void CX11Display::Present(const CRect& dirty) {
    const CRect area = dirty & CRect(0, 0, kScreenWidth, kScreenHeight);
    if (area.IsRectEmpty()) return;
    std::lock_guard lock(imageMutex_);
    if (x_->windowGone) return;
    ScaleIntoImage(area);
    PutImage(CRect(area.left * scale_, area.top * scale_, area.right * scale_, area.bottom * scale_));
}

void CX11Display::ReadEvents() {
    Display* d = x_->display;
    pollfd fds[2] = {{ConnectionNumber(d), POLLIN, 0}, {stopPipe_[0], POLLIN, 0}};
    for (;;) {
        while (XPending(d)) {
            XEvent event;
            XNextEvent(d, &event);
            CDesktop& desktop = CDesktop::Get();
            switch (event.type) {
                case Expose: {
                    std::lock_guard lock(imageMutex_);
                    if (x_->windowGone) break;
                    const XExposeEvent& e = event.xexpose;
                    PutImage(CRect(e.x, e.y, e.x + e.width, e.y + e.height));
                    break;
                }
                case ButtonPress:
                case ButtonRelease:
                    if (event.xbutton.button == Button1)
                        desktop.QueueInput({event.type == ButtonPress ? InputEvent::Kind::kMouseDown
                                                                      : InputEvent::Kind::kMouseUp,
                                            event.xbutton.x / scale_, event.xbutton.y / scale_});
                    break;
                case MotionNotify:
                    desktop.QueueInput(
                        {InputEvent::Kind::kMouseMove, event.xmotion.x / scale_, event.xmotion.y / scale_});
                    break;
                case KeyPress:
                case KeyRelease: {
                    char text[8] = {};
                    KeySym keysym = 0;
                    const int n = XLookupString(&event.xkey, text, sizeof text, &keysym, nullptr);
                    const wchar_t typed =
                        n == 1 ? static_cast<wchar_t>(static_cast<unsigned char>(text[0])) : 0;
                    for (const InputEvent& e : KeyEventsFor(keysym, typed, event.type == KeyPress))
                        desktop.QueueInput(e);
                    break;
                }
                case DestroyNotify:
                case ClientMessage:
                    if (event.type == DestroyNotify) {
                        std::lock_guard lock(imageMutex_);
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
        // Drawing on the UI thread may pull events into Xlib's queue without the socket
        // showing them, so the wait is short.
        if (poll(fds, 2, 50) < 0) continue;
        if (fds[1].revents) return;
    }
}
