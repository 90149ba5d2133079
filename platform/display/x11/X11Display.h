#pragma once
// The display in an X11 window: the 240 x 320 screen scaled up (twice by default), taps from the
// left mouse button, the handheld's keys from the keyboard. Painting sends only the changed
// rectangle to the X server, which keeps the picture for the window's exposed parts; a server on
// this machine shares that picture's memory, so painting writes it in place and never waits for
// the server to read an image. Input is read
// on a thread of its own and queued to the desktop; keys go through the input method, so any
// character typed or composed reaches the focused control once OpenInputMethod was called (before,
// keys type Latin-1). The window takes the keyboard focus when shown and when tapped. When the X
// server goes away the UI thread says "X display lost" and the program ends with status 1.
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/display/Display.h"

class CX11Display final : public IDisplay {
public:
    // Opens the window on `displayName` (null: $DISPLAY); null when no X server answers.
    static std::unique_ptr<CX11Display> Open(const char* displayName, const std::wstring& title,
                                             int scale = 2);
    ~CX11Display() override;
    CX11Display(const CX11Display&) = delete;
    CX11Display& operator=(const CX11Display&) = delete;

    struct Connection;

    void Present(const Framebuffer& screen, const CRect& dirty) override;
    void SetTitle(const std::wstring& title) override;
    // Has the input thread open the input method. Opening takes longer than painting the first
    // screen, so the program calls this once that screen is up; later calls do nothing.
    void OpenInputMethod();
    // Runs on the input thread when the window's close box is used, or the window was destroyed.
    void SetCloseHandler(std::function<void()> handler);
    // The window was destroyed under the program (not merely asked to close).
    bool WindowGone() const;
    int Scale() const { return scale_; }
    // The server shares the kept picture's memory (else each presented part is sent to it).
    bool PictureShared() const;

private:
    CX11Display(std::unique_ptr<Connection> connection, int scale);
    void ReadEvents();
    void HandleEvent(union _XEvent& event);
    void HandleKey(union _XEvent& event);
    // Writes a rectangle of the screen, scaled, to the picture the X server keeps; the caller holds
    // imageMutex_.
    void Keep(const Framebuffer& screen, const CRect& area);
    // Rows top..bottom of `area` scaled into `out`, a scaled row every `stride` pixels.
    void Scale(const Framebuffer& screen, const CRect& area, int top, int bottom, uint32_t* out,
               size_t stride) const;
    // Copies a rectangle of the kept picture to the window; the caller holds imageMutex_.
    void Show(const CRect& area);

    int scale_;
    std::unique_ptr<Connection> x_;
    std::vector<uint32_t> band_;  // a band of rows scaled for sending, when the picture is not shared
    // Held around every use of the connection.
    std::mutex imageMutex_;
    std::mutex closeMutex_;
    std::function<void()> onClose_;
    // Wakes the input thread: kStop ends it, kOpenInputMethod has it open the input method.
    int stopPipe_[2] = {-1, -1};
    std::atomic<bool> inputMethodAsked_ = false;
    std::thread reader_;
};
