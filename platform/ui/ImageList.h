#pragma once
// CImageList: a row of equal-sized small pictures that list views, tree views and tabs draw by
// index. Pictures come from a bitmap strip cut into images of the list's width; a mask colour
// makes that colour transparent. Bitmap resources are registered by id, as the program's
// resources provide them.
#include <vector>

#include "platform/gdi/CImage.h"
#include "platform/ui/CommonControls.h"

// No mask colour: every pixel of an added bitmap is opaque.
constexpr COLORREF CLR_NONE = 0xFFFFFFFFu;

class CImageList {
public:
    CImageList() = default;
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    BOOL Create(int cx, int cy, UINT flags, int initial, int grow);
    // Cuts bitmap resource `bitmapId` into images `cx` wide; FALSE when no such bitmap exists.
    BOOL Create(UINT bitmapId, int cx, int grow, COLORREF mask);
    BOOL DeleteImageList();
    // Non-null while created.
    const void* GetSafeHandle() const { return created_ ? this : nullptr; }

    // Appends the images of a strip (cut at the list's width; `mask` becomes transparent); the
    // index of the first, -1 when the list is not created.
    int Add(const CImage& strip, COLORREF mask = CLR_NONE);
    BOOL Remove(int index);
    int GetImageCount() const { return static_cast<int>(images_.size()); }
    CSize GetImageSize() const { return CSize(cx_, cy_); }
    const CImage* Image(int index) const;
    BOOL Draw(CDC* dc, int index, POINT at, UINT style = ILD_NORMAL) const;

private:
    bool created_ = false;
    int cx_ = 0;
    int cy_ = 0;
    std::vector<CImage> images_;
};

// The program's bitmap resources by id.
void RegisterBitmapResource(UINT id, const CImage& bitmap);
const CImage* FindBitmapResource(UINT id);
