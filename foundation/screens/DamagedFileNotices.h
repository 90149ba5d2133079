#pragma once
// What a screen tells of a damaged data or library file (see DataFileRead.h): once when it is read,
// and once when the user first saves over it.
#include "foundation/DataFileRead.h"
#include "platform/ui/Wnd.h"

// Tells once what the read of `path` left out or refused; true when it told something (the file is
// damaged or was refused).
bool TellDataFileRead(CWnd& window, const CString& path, const DataFileRead& read);
// Before the first save over a library that was read damaged: it is kept as "<name>.bad" (told);
// false (after "文件保存失败!") when no copy can be kept, and the library must then stay as it is.
bool KeepDamagedBeforeSave(CWnd& window, const CString& path);
