#pragma once
// Pens, brushes and fonts as the handheld's drawing objects. An object is empty until created;
// a device context copies what it needs when the object is selected.
#include "platform/base/WinTypes.h"
#include "platform/gdi/Color.h"

class CDC;

constexpr int PS_SOLID = 0;
constexpr int PS_DASH = 1;
constexpr int PS_NULL = 5;

constexpr int BS_SOLID = 0;
constexpr int BS_NULL = 1;
constexpr int BS_HOLLOW = BS_NULL;

constexpr LONG FW_DONTCARE = 0;
constexpr LONG FW_NORMAL = 400;
constexpr LONG FW_BOLD = 700;

constexpr BYTE ANSI_CHARSET = 0;
constexpr BYTE DEFAULT_CHARSET = 1;
constexpr BYTE GB2312_CHARSET = 134;

constexpr int LF_FACESIZE = 32;

struct LOGFONT {
    LONG lfHeight = 0;
    LONG lfWidth = 0;
    LONG lfEscapement = 0;
    LONG lfOrientation = 0;
    LONG lfWeight = 0;
    BYTE lfItalic = 0;
    BYTE lfUnderline = 0;
    BYTE lfStrikeOut = 0;
    BYTE lfCharSet = 0;
    BYTE lfOutPrecision = 0;
    BYTE lfClipPrecision = 0;
    BYTE lfQuality = 0;
    BYTE lfPitchAndFamily = 0;
    wchar_t lfFaceName[LF_FACESIZE] = {};
};
using LOGFONTW = LOGFONT;

class CGdiObject {
public:
    enum class Kind { Pen, Brush, Font };

    virtual ~CGdiObject() = default;
    Kind GetKind() const { return kind_; }
    // Non-null while the object holds a created pen, brush or font.
    const void* GetSafeHandle() const { return created_ ? this : nullptr; }
    // Shared objects (stock objects, system-colour brushes) refuse to be deleted.
    BOOL DeleteObject();
    friend void MarkShared(CGdiObject& object) { object.shared_ = true; }

protected:
    explicit CGdiObject(Kind kind) : kind_(kind) {}
    CGdiObject(const CGdiObject&) = default;
    CGdiObject& operator=(const CGdiObject&) = default;
    bool created_ = false;

private:
    Kind kind_;
    bool shared_ = false;
};

class CPen : public CGdiObject {
public:
    CPen() : CGdiObject(Kind::Pen) {}
    CPen(int style, int width, COLORREF color) : CPen() { CreatePen(style, width, color); }
    BOOL CreatePen(int style, int width, COLORREF color);

    int GetStyle() const { return style_; }
    int GetWidth() const { return width_; }
    COLORREF GetColor() const { return color_; }

private:
    int style_ = PS_SOLID;
    int width_ = 1;
    COLORREF color_ = 0;
};

class CBrush : public CGdiObject {
public:
    CBrush() : CGdiObject(Kind::Brush) {}
    explicit CBrush(COLORREF color) : CBrush() { CreateSolidBrush(color); }
    BOOL CreateSolidBrush(COLORREF color);
    BOOL CreateHollowBrush();

    bool IsHollow() const { return hollow_; }
    COLORREF GetColor() const { return color_; }

private:
    bool hollow_ = false;
    COLORREF color_ = 0;
};

class CFont : public CGdiObject {
public:
    CFont() : CGdiObject(Kind::Font) {}
    // The handheld's fourteen font values; a negative height is the character height in pixels,
    // a positive one the cell height (character plus internal leading).
    BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                    BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                    BYTE quality, BYTE pitchAndFamily, const wchar_t* faceName);
    BOOL CreateFontIndirect(const LOGFONT* logFont);
    // A size in tenths of a point at the screen's 96 dots per inch.
    BOOL CreatePointFont(int pointSizeTenths, const wchar_t* faceName, CDC* dc = nullptr);
    int GetLogFont(LOGFONT* logFont) const;
    const LOGFONT& GetLogFontRef() const { return logFont_; }

private:
    LOGFONT logFont_;
};

constexpr int WHITE_BRUSH = 0;
constexpr int LTGRAY_BRUSH = 1;
constexpr int GRAY_BRUSH = 2;
constexpr int DKGRAY_BRUSH = 3;
constexpr int BLACK_BRUSH = 4;
constexpr int NULL_BRUSH = 5;
constexpr int HOLLOW_BRUSH = NULL_BRUSH;
constexpr int WHITE_PEN = 6;
constexpr int BLACK_PEN = 7;
constexpr int NULL_PEN = 8;
constexpr int SYSTEM_FONT = 13;
constexpr int DEFAULT_GUI_FONT = 17;

// The shared stock object of that number, or null for an unknown number. Never deleted.
CGdiObject* GetStockObject(int index);
