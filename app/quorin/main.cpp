// quorin: the field program. Starts on a device root (--root, default under the user's data
// folder), in an X11 window when a display opens (else headless), with --screenshot FILE kept up
// to date. One copy runs per device root; SIGINT and SIGTERM close it as "Yes" to the exit question
// does, the window's close asks that question.
#include <fcntl.h>
#include <pthread.h>
#include <sys/file.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <thread>

#include "app/quorin/AllocatorSettings.h"
#include "app/quorin/CommandLine.h"
#include "app/quorin/ScreenshotDisplay.h"
#include "app/quorin/ShownMessages.h"
#include "platform/display/x11/X11Display.h"
#include "platform/files/DevicePath.h"
#include "platform/messages/Messages.h"
#include "platform/ui/CommonControls.h"
#include "platform/ui/Desktop.h"
#include "shell/frame/CMainFrame.h"
#include "shell/frame/CQuorinApp.h"

namespace {

// An exclusive lock on the device root folder itself, so that a second copy touches no file.
bool LockDeviceRoot(const std::filesystem::path& root) {
    const int fd = open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    return fd >= 0 && flock(fd, LOCK_EX | LOCK_NB) == 0;  // held until the process ends
}

// Waits for SIGINT or SIGTERM (blocked in every thread) and closes the main frame.
class SignalCloser {
public:
    SignalCloser() {
        sigemptyset(&set_);
        sigaddset(&set_, SIGINT);
        sigaddset(&set_, SIGTERM);
        pthread_sigmask(SIG_BLOCK, &set_, nullptr);
        thread_ = std::thread([this] { Wait(); });
    }
    ~SignalCloser() {
        stop_ = true;
        thread_.join();
    }
    // A signal that came before the frame existed closes it as soon as it does.
    void SetTarget(HWND window) {
        target_ = window.id();
        if (pending_.exchange(false)) PostMessage(window, mainframe::WM_EXIT_NOW, 0, 0);
    }

private:
    void Wait() {
        const timespec step{0, 100'000'000};
        while (!stop_) {
            if (sigtimedwait(&set_, nullptr, &step) < 0) continue;
            pending_ = true;
            if (const uint32_t id = target_.load(); id && pending_.exchange(false))
                PostMessage(HWND(id), mainframe::WM_EXIT_NOW, 0, 0);
        }
    }
    sigset_t set_{};
    std::atomic<bool> stop_ = false;
    std::atomic<bool> pending_ = false;
    std::atomic<uint32_t> target_ = 0;
    std::thread thread_;
};

}  // namespace

int main(int argc, char** argv) {
    UseProgramAllocatorSettings();
    SignalCloser signals;  // first: a signal during start-up is not lost
    const CommandLine line = ParseCommandLine(argc, argv, UserDataHome());
    if (line.help) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (!line.error.empty()) {
        std::fprintf(stderr, "quorin: %s\n%s", line.error.c_str(), kUsage);
        return 2;
    }
    std::error_code error;
    std::filesystem::create_directories(line.root, error);
    if (error) {
        std::fprintf(stderr, "quorin: cannot use the device root %s: %s\n", line.root.c_str(),
                     error.message().c_str());
        return 1;
    }
    if (!LockDeviceRoot(line.root)) return 0;
    SetDeviceRoot(line.root);

    CDesktop& desktop = CDesktop::Get();
    std::unique_ptr<CX11Display> x11;
    const char* display = std::getenv("DISPLAY");
    if (!line.headless && display && *display) {
        x11 = CX11Display::Open(nullptr, L"衡川");
        if (!x11) {
            std::fprintf(stderr, "quorin: cannot open the display %s\n", display);
            return 1;  // the device root's lock goes with the process
        }
    }
    IDisplay& base = x11 ? static_cast<IDisplay&>(*x11) : desktop.Display();
    std::optional<CScreenshotDisplay> shot;
    if (!line.screenshot.empty()) shot.emplace(base, line.screenshot);
    if (shot)
        desktop.SetDisplay(&*shot);
    else if (x11)
        desktop.SetDisplay(x11.get());
    // Modal loops included. The input method opens once the first screen is up: opening it takes
    // longer than painting that screen.
    SetIdleHandler([&shot, &x11] {
        if (shot) shot->SaveIfChanged();
        if (x11) x11->OpenInputMethod();
    });
    InitCommonControls();
    // Questions and refusals show in the window, answered by the user, as the tests drive them.
    // Headless, no one could answer: each is printed and answered with its first button.
    if (x11) InstallShownMessageBoxes();
    InstallShownWarnings();

    int status = 0;
    {
        CQuorinApp app;
        if (app.InitInstance()) {
            const HWND frame = app.MainFrame()->m_hWnd;
            signals.SetTarget(frame);
            if (shot) shot->SetShowing([frame] { return IsWindow(frame); });
            // The window manager's close asks; a window destroyed under the program leaves nothing to ask in.
            if (x11)
                x11->SetCloseHandler([frame, &x11] {
                    PostMessage(frame, x11->WindowGone() ? mainframe::WM_EXIT_NOW : WM_CLOSE, 0, 0);
                });
            status = app.Run([&] {
                if (shot) shot->SaveIfDue();
            });
            if (x11) x11->SetCloseHandler({});
        }
    }
    SetIdleHandler({});
    desktop.SetDisplay(nullptr);
    return status;
}
