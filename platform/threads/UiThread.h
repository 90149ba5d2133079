#pragma once
// The UI thread is the one thread that owns the windows and runs the message loop.
// It is bound explicitly with BindUiThread(), or else by the first thread that creates a window,
// runs or pumps the message loop, or installs the virtual clock.

// Makes the calling thread the UI thread (the program's main() calls this first).
void BindUiThread();
// Binds the calling thread unless a UI thread is already bound.
void BindUiThreadIfUnbound();
bool IsUiThread();
bool HasUiThread();
