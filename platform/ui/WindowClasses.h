#pragma once
// Window classes by name: what a dialog template's control class makes. The layer's own classes
// ("STATIC", "EDIT", "BUTTON") are always there; further controls register theirs once at start-up
// (as the handheld's programs initialise the common controls). Names compare case-insensitively.
#include <functional>
#include <memory>

class CWnd;

using WindowFactory = std::function<std::unique_ptr<CWnd>()>;
void RegisterWindowClass(const wchar_t* name, WindowFactory factory);
// A new object of the class, or a plain CWnd for an unknown or empty name.
std::unique_ptr<CWnd> CreateWindowObject(const wchar_t* name);
