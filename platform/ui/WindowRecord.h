#pragma once
// What the window layer keeps of a window, whichever C++ object serves it.
#include <map>
#include <string>
#include <vector>

#include "platform/gdi/Geometry.h"
#include "platform/text/CString.h"

class CWnd;
class CFont;

// The window class of every dialog, a form inside a window included.
inline constexpr const wchar_t* kDialogClassName = L"#32770";

struct WindowRecord {
    HWND hwnd;
    CWnd* object = nullptr;
    // The layer made the object (a template control) and deletes it with the window.
    bool layerOwnsObject = false;
    CString className;
    HWND parent;                 // children only
    HWND owner;                  // top-level windows only
    std::vector<HWND> children;  // creation order: tab order, and the first is on top
    UINT id = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    CRect rect;  // in the parent's client coordinates, or on the screen
    CString text;
    CFont* font = nullptr;
    std::map<std::wstring, uintptr_t> props;
    std::map<UINT_PTR, void (*)(HWND, UINT, UINT_PTR, DWORD)> timerCallbacks;
    HWND lastFocus;                // top-level windows: the window in it that had the focus last
    uint64_t shownAfterInput = 0;  // top-level windows: the last input queued when it was last shown
    CRect invalid;                 // client coordinates; empty when valid
    bool erase = false;
    bool frameDirty = false;
    bool maximized = false;
    bool destroying = false;

    bool IsChild() const { return (style & 0x40000000u) != 0; }
    bool IsDialog() const { return className == kDialogClassName; }
};
