#pragma once
// The main frame's numbers that the program's start, its signal handling and the tests rely on:
// its own window messages, its tick, the property that marks its window, the program's version.
#include "platform/base/WinTypes.h"

namespace mainframe {
constexpr const wchar_t* kSoftwareVersion = L"2011.09.26";
constexpr const wchar_t* kInstanceProperty = L"Quorin";
// Every two seconds: supervision, the link item's text, the refused links.
constexpr UINT kTickMs = 2000;

// Lays the view out below the command bar.
constexpr UINT WM_RELAYOUT = 1074;
// Closes as "Yes" to the exit question does, without asking (Ctrl-C and SIGTERM). WM_CLOSE,
// from the command bar's close box or the window manager, asks first.
constexpr UINT WM_EXIT_NOW = 1075;
// The display-point fill has read its points (wParam: the fill's number).
constexpr UINT WM_DISPLAY_POINTS_READ = 1076;
// The record file's load at start-up has read its lines (wParam: the load's number).
constexpr UINT WM_SURVEY_RECORDS_READ = 1077;
// The raw record file's check has read it (wParam: the check's number).
constexpr UINT WM_RAW_FILE_CHECKED = 1078;
// Notices met while a receiver line was handled wait to be told.
constexpr UINT WM_TELL_NOTICES = 1079;
}  // namespace mainframe
