#pragma once
// Our own pictures, looked up by resource id as the screens load icons and bitmaps.
#include "platform/base/WinTypes.h"
#include "platform/gdi/CImage.h"

// The pick-from-library button (28 x 22).
constexpr UINT IDI_PICK_FROM_LIBRARY = 176;
// The coordinate library's row image (16 x 16).
constexpr UINT IDB_LIBRARY_POINT = 131;

// The folder tree's images (16 x 16): image 0 a file, image 1 a folder.
CImage FileIcon();
CImage FolderIcon();

// The icon or bitmap of that id; a null image for an unknown id.
CImage LoadIconResource(UINT id);
