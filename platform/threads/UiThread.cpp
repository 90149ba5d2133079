#include "platform/threads/UiThread.h"

#include <atomic>
#include <mutex>
#include <thread>

namespace {
std::mutex g_mutex;
std::thread::id g_uiThread;
std::atomic<bool> g_bound{false};
}  // namespace

void BindUiThread() {
    std::lock_guard lock(g_mutex);
    g_uiThread = std::this_thread::get_id();
    g_bound = true;
}

void BindUiThreadIfUnbound() {
    std::lock_guard lock(g_mutex);
    if (g_bound) return;
    g_uiThread = std::this_thread::get_id();
    g_bound = true;
}

bool IsUiThread() {
    if (!g_bound) return false;
    std::lock_guard lock(g_mutex);
    return g_uiThread == std::this_thread::get_id();
}

bool HasUiThread() {
    return g_bound;
}
