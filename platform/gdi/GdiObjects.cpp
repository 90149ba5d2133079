#include "platform/gdi/GdiObjects.h"

#include <cmath>
#include <cwchar>
#include <initializer_list>

BOOL CGdiObject::DeleteObject() {
    if (shared_) return FALSE;
    const bool was = created_;
    created_ = false;
    return was ? TRUE : FALSE;
}

BOOL CPen::CreatePen(int style, int width, COLORREF color) {
    if (created_ || (style != PS_SOLID && style != PS_DASH && style != PS_NULL)) return FALSE;
    style_ = style;
    width_ = width < 1 ? 1 : width;
    color_ = color;
    created_ = true;
    return TRUE;
}

BOOL CBrush::CreateSolidBrush(COLORREF color) {
    if (created_) return FALSE;
    hollow_ = false;
    color_ = color;
    created_ = true;
    return TRUE;
}

BOOL CBrush::CreateHollowBrush() {
    if (created_) return FALSE;
    hollow_ = true;
    created_ = true;
    return TRUE;
}

BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                       BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                       BYTE quality, BYTE pitchAndFamily, const wchar_t* faceName) {
    LOGFONT lf;
    lf.lfHeight = height;
    lf.lfWidth = width;
    lf.lfEscapement = escapement;
    lf.lfOrientation = orientation;
    lf.lfWeight = weight;
    lf.lfItalic = italic;
    lf.lfUnderline = underline;
    lf.lfStrikeOut = strikeOut;
    lf.lfCharSet = charSet;
    lf.lfOutPrecision = outPrecision;
    lf.lfClipPrecision = clipPrecision;
    lf.lfQuality = quality;
    lf.lfPitchAndFamily = pitchAndFamily;
    if (faceName) std::wcsncpy(lf.lfFaceName, faceName, LF_FACESIZE - 1);
    return CreateFontIndirect(&lf);
}

BOOL CFont::CreateFontIndirect(const LOGFONT* logFont) {
    if (created_ || !logFont) return FALSE;
    logFont_ = *logFont;
    logFont_.lfFaceName[LF_FACESIZE - 1] = L'\0';
    created_ = true;
    return TRUE;
}

BOOL CFont::CreatePointFont(int pointSizeTenths, const wchar_t* faceName, CDC*) {
    constexpr int kScreenDpi = 96;
    const int pixels = static_cast<int>(std::lround(pointSizeTenths * kScreenDpi / 720.0));
    return CreateFont(-pixels, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, faceName);
}

int CFont::GetLogFont(LOGFONT* logFont) const {
    if (!created_ || !logFont) return 0;
    *logFont = logFont_;
    return static_cast<int>(sizeof(LOGFONT));
}

namespace {

struct StockObjects {
    CBrush white{RGB(255, 255, 255)};
    CBrush ltgray{RGB(192, 192, 192)};
    CBrush gray{RGB(128, 128, 128)};
    CBrush dkgray{RGB(64, 64, 64)};
    CBrush black{RGB(0, 0, 0)};
    CBrush hollow;
    CPen whitePen{PS_SOLID, 1, RGB(255, 255, 255)};
    CPen blackPen{PS_SOLID, 1, RGB(0, 0, 0)};
    CPen nullPen{PS_NULL, 1, RGB(0, 0, 0)};
    CFont systemFont;

    StockObjects() {
        hollow.CreateHollowBrush();
        systemFont.CreateFont(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, L"宋体");
        for (CGdiObject* o :
             std::initializer_list<CGdiObject*>{&white, &ltgray, &gray, &dkgray, &black, &hollow, &whitePen,
                                                &blackPen, &nullPen, &systemFont}) {
            MarkShared(*o);
        }
    }
};

}  // namespace

CGdiObject* GetStockObject(int index) {
    static StockObjects stock;
    switch (index) {
        case WHITE_BRUSH:
            return &stock.white;
        case LTGRAY_BRUSH:
            return &stock.ltgray;
        case GRAY_BRUSH:
            return &stock.gray;
        case DKGRAY_BRUSH:
            return &stock.dkgray;
        case BLACK_BRUSH:
            return &stock.black;
        case NULL_BRUSH:
            return &stock.hollow;
        case WHITE_PEN:
            return &stock.whitePen;
        case BLACK_PEN:
            return &stock.blackPen;
        case NULL_PEN:
            return &stock.nullPen;
        case SYSTEM_FONT:
        case DEFAULT_GUI_FONT:
            return &stock.systemFont;
        default:
            return nullptr;
    }
}
