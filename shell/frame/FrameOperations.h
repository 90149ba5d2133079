#pragma once
// What the menu commands, the hosts and the main view ask of the main window itself. The frame
// implements it privately: none of them needs the frame's type, and none reaches a part through it.
#include <cstddef>

#include "platform/base/WinTypes.h"
#include "platform/text/CString.h"

class IFrameOperations {
public:
    // The window the commands' dialogs open over, by its handle: a dialog owns nothing of the frame.
    virtual HWND DialogParent() const = 0;
    // The window's text, shown as the title of the program's window.
    virtual void SetTitle(const CString& title) = 0;
    // Refills the map's points from the current point file, off the UI thread; the map redraws once
    // they are in.
    virtual void FillDisplayPoints() = 0;
    // Checks the current raw record file off the UI thread and tells what of it no reader can take.
    virtual void CheckRawFile() = 0;
    // Tells that `skipped` lines of the data file at `path` could not be read, once for each file in
    // a run (none: nothing).
    virtual void TellSkippedLines(const CString& path, size_t skipped) = 0;
    // A notice told once the receiver line or start-up that met it is over, at once elsewhere.
    virtual void TellLater(const CString& notice) = 0;
    // Asks first, then closes the program.
    virtual void ConfirmExit() = 0;
    // The connection dialog; the values it connected with are kept in the job file.
    virtual void ConnectInstrument() = 0;
    // Asks first, then switches the receiver off.
    virtual void CloseReceiver() = 0;
    // The About dialog with the program's version and the receiver's identification.
    virtual void ShowAbout() = 0;
    // The re-acquisition of the measuring screens; a job file that cannot be written is told.
    virtual void ReacquireAndSave() = 0;

protected:
    ~IFrameOperations() = default;
};
