#pragma once
// The wait cursor. The handheld shows it during long operations; the touch screen here has no
// pointer to change, so it only keeps count of who asked for it.
class CWaitCursor {
public:
    CWaitCursor();
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
    void Restore() {}
};

void BeginWaitCursor();
void EndWaitCursor();
bool IsWaitCursorShown();
