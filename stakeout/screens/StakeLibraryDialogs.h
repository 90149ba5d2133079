#pragma once
// What the point and line library dialogs share: how a file is opened (over the list or after it,
// confirmed), where one is saved, a rewrite that tells the user when it fails, the questions they
// ask, and the preset row shown.
#include <optional>
#include <string>

#include "foundation/screens/DamagedFileNotices.h"
#include "platform/text/CString.h"
#include "platform/ui/ListCtrl.h"

// True to replace the list, false to append to it; nullopt when the user backs out.
std::optional<bool> AskOpenMode(CWnd& dialog);
// The path the user picks in the save dialog (`filter` such as "*.ptb", starting in `folder`).
std::optional<CString> AskSavePath(CWnd& dialog, const wchar_t* filter, const CString& folder);
// False (after "文件保存失败!") when the file cannot be rewritten; it is then as it was.
bool RewriteOrTell(CWnd& dialog, const CString& path, const std::string& bytes);
// A library that was read damaged is kept as "<name>.bad" (told) before the rewrite; false (told)
// when no copy can be kept or the rewrite fails: the file is then as it was.
bool RewriteDamagedOrTell(CWnd& dialog, const CString& path, const std::string& bytes);
// The string-table question with Yes and No; true on Yes.
bool AskYes(CWnd& dialog, UINT question);
// Selects, shows and focuses `row` when the list has it; false otherwise.
bool ShowPresetRow(CListCtrl& list, int row);
