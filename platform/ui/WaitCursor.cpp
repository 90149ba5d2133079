#include "platform/ui/WaitCursor.h"

namespace {
int g_waiters = 0;
}  // namespace

CWaitCursor::CWaitCursor() {
    BeginWaitCursor();
}
CWaitCursor::~CWaitCursor() {
    EndWaitCursor();
}

void BeginWaitCursor() {
    ++g_waiters;
}

void EndWaitCursor() {
    if (g_waiters > 0) --g_waiters;
}

bool IsWaitCursorShown() {
    return g_waiters > 0;
}
