#pragma once
// The application object: start-up (one copy per device root, the main frame, the desktop
// shortcuts, the job's files, the converters, the title and the receiver connection) and the main
// frame it made, for the program's own signal handling.
#include <functional>
#include <memory>

class CMainFrame;

class CQuorinApp {
public:
    CQuorinApp();
    ~CQuorinApp();
    CQuorinApp(const CQuorinApp&) = delete;
    CQuorinApp& operator=(const CQuorinApp&) = delete;

    // False ends the program at once (another copy runs, or the frame could not be made).
    bool InitInstance();
    // Runs the message loop until the main frame is gone; `afterEach` runs after every message.
    int Run(const std::function<void()>& afterEach = {});

    CMainFrame* MainFrame() const { return owned_.get(); }

private:
    std::unique_ptr<CMainFrame> owned_;
};
