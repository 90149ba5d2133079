#pragma once
// The rules of the Open and Save dialogs: which result they accept and how the Save dialog builds
// the path from the selected folder or file and the typed name.
#include "platform/text/CString.h"

// The filter's part from its first "." ("*.xyh" gives ".xyh").
CString FilterExtension(const CString& filter);

// After a tree selection: the path shown, and the name edit filled from a selected file of the
// dialog's extension (unchanged otherwise).
void SaveSelectionChanged(const CString& selectedPath, const CString& extension, CString& pathText,
                          CString& fileName);

// After the name is edited: the selected folder (a selected file's folder), "\", the name up to
// its first "." and the extension.
CString ComposeSavePath(const CString& pathText, const CString& fileName, const CString& extension);

// The refusal for a save name (trimmed), or empty when it is acceptable: not empty, no path
// separator or character the file system reserves, no leading dot, all in the device's code page.
CString CheckSaveName(const CString& trimmedName);

// The Open dialog accepts only a path naming an existing file.
bool IsExistingFile(const CString& path);
