#include "platform/ui/ImageList.h"

#include <map>

namespace {
std::map<UINT, CImage>& Bitmaps() {
    static std::map<UINT, CImage> bitmaps;
    return bitmaps;
}
}  // namespace

void RegisterBitmapResource(UINT id, const CImage& bitmap) {
    Bitmaps()[id] = bitmap;
}

const CImage* FindBitmapResource(UINT id) {
    auto it = Bitmaps().find(id);
    return it == Bitmaps().end() ? nullptr : &it->second;
}

BOOL CImageList::Create(int cx, int cy, UINT, int, int) {
    if (cx <= 0 || cy <= 0) return FALSE;
    created_ = true;
    cx_ = cx;
    cy_ = cy;
    images_.clear();
    return TRUE;
}

BOOL CImageList::Create(UINT bitmapId, int cx, int grow, COLORREF mask) {
    const CImage* bitmap = FindBitmapResource(bitmapId);
    if (!bitmap || !Create(cx, bitmap->GetHeight(), ILC_MASK, 0, grow)) return FALSE;
    Add(*bitmap, mask);
    return TRUE;
}

BOOL CImageList::DeleteImageList() {
    if (!created_) return FALSE;
    created_ = false;
    images_.clear();
    return TRUE;
}

int CImageList::Add(const CImage& strip, COLORREF mask) {
    if (!created_) return -1;
    const int first = GetImageCount();
    for (int x = 0; x + cx_ <= strip.GetWidth(); x += cx_) {
        CImage image = strip.Crop(CRect(x, 0, x + cx_, cy_));
        if (mask != CLR_NONE) image.SetTransparentColor(mask);
        images_.push_back(std::move(image));
    }
    return first;
}

BOOL CImageList::Remove(int index) {
    if (index == -1) {
        images_.clear();
        return TRUE;
    }
    if (index < 0 || index >= GetImageCount()) return FALSE;
    images_.erase(images_.begin() + index);
    return TRUE;
}

const CImage* CImageList::Image(int index) const {
    return index >= 0 && index < GetImageCount() ? &images_[static_cast<size_t>(index)] : nullptr;
}

BOOL CImageList::Draw(CDC* dc, int index, POINT at, UINT) const {
    const CImage* image = Image(index);
    return image && dc ? image->Draw(dc, at.x, at.y) : FALSE;
}
