#pragma once
// Points, sizes and rectangles with the handheld class library's members. Rectangles are
// half-open: right and bottom lie just outside, so Width() == right - left.
#include <algorithm>

#include "platform/base/WinTypes.h"

struct POINT {
    LONG x = 0;
    LONG y = 0;
};

struct SIZE {
    LONG cx = 0;
    LONG cy = 0;
};

struct RECT {
    LONG left = 0;
    LONG top = 0;
    LONG right = 0;
    LONG bottom = 0;
};

using LPPOINT = POINT*;
using LPRECT = RECT*;
using LPCRECT = const RECT*;

class CSize : public SIZE {
public:
    constexpr CSize() = default;
    constexpr CSize(LONG width, LONG height) : SIZE{width, height} {}
    constexpr CSize(const SIZE& s) : SIZE(s) {}

    friend constexpr bool operator==(const CSize& a, const CSize& b) { return a.cx == b.cx && a.cy == b.cy; }
    constexpr CSize operator+(CSize o) const { return {cx + o.cx, cy + o.cy}; }
    constexpr CSize operator-(CSize o) const { return {cx - o.cx, cy - o.cy}; }
};

class CPoint : public POINT {
public:
    constexpr CPoint() = default;
    constexpr CPoint(LONG px, LONG py) : POINT{px, py} {}
    constexpr CPoint(const POINT& p) : POINT(p) {}

    constexpr void Offset(LONG dx, LONG dy) {
        x += dx;
        y += dy;
    }
    constexpr void Offset(CSize s) { Offset(s.cx, s.cy); }
    constexpr void SetPoint(LONG px, LONG py) {
        x = px;
        y = py;
    }

    friend constexpr bool operator==(const CPoint& a, const CPoint& b) { return a.x == b.x && a.y == b.y; }
    constexpr CPoint& operator+=(CSize s) {
        Offset(s);
        return *this;
    }
    constexpr CPoint& operator-=(CSize s) {
        Offset(-s.cx, -s.cy);
        return *this;
    }
    constexpr CPoint& operator+=(CPoint p) {
        Offset(p.x, p.y);
        return *this;
    }
    constexpr CPoint& operator-=(CPoint p) {
        Offset(-p.x, -p.y);
        return *this;
    }
    constexpr CPoint operator+(CSize s) const { return {x + s.cx, y + s.cy}; }
    constexpr CPoint operator-(CSize s) const { return {x - s.cx, y - s.cy}; }
    constexpr CPoint operator+(CPoint p) const { return {x + p.x, y + p.y}; }
    constexpr CSize operator-(CPoint p) const { return {x - p.x, y - p.y}; }
    constexpr CPoint operator-() const { return {-x, -y}; }
};

class CRect : public RECT {
public:
    constexpr CRect() = default;
    constexpr CRect(LONG l, LONG t, LONG r, LONG b) : RECT{l, t, r, b} {}
    constexpr CRect(const RECT& r) : RECT(r) {}
    constexpr CRect(const RECT* r) : RECT(r ? *r : RECT{}) {}
    constexpr CRect(CPoint topLeft, CSize size)
        : RECT{topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy} {}
    constexpr CRect(CPoint topLeft, CPoint bottomRight)
        : RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y} {}

    // Lets a CRect go wherever the handheld's calls take a rectangle pointer.
    constexpr operator RECT*() { return this; }
    constexpr operator const RECT*() const { return this; }

    constexpr LONG Width() const { return right - left; }
    constexpr LONG Height() const { return bottom - top; }
    constexpr CSize Size() const { return {Width(), Height()}; }
    constexpr CPoint TopLeft() const { return {left, top}; }
    constexpr CPoint BottomRight() const { return {right, bottom}; }
    constexpr CPoint CenterPoint() const { return {(left + right) / 2, (top + bottom) / 2}; }

    constexpr bool IsRectEmpty() const { return right <= left || bottom <= top; }
    constexpr bool IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    constexpr bool PtInRect(POINT p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    constexpr bool EqualRect(const RECT& r) const {
        return left == r.left && top == r.top && right == r.right && bottom == r.bottom;
    }

    constexpr void SetRect(LONG l, LONG t, LONG r, LONG b) { *this = CRect(l, t, r, b); }
    constexpr void SetRectEmpty() { SetRect(0, 0, 0, 0); }
    constexpr void CopyRect(const RECT* r) { *this = CRect(r); }

    constexpr void OffsetRect(LONG dx, LONG dy) {
        left += dx;
        right += dx;
        top += dy;
        bottom += dy;
    }
    constexpr void OffsetRect(POINT p) { OffsetRect(p.x, p.y); }
    constexpr void OffsetRect(SIZE s) { OffsetRect(s.cx, s.cy); }
    constexpr void InflateRect(LONG dx, LONG dy) {
        left -= dx;
        right += dx;
        top -= dy;
        bottom += dy;
    }
    constexpr void InflateRect(SIZE s) { InflateRect(s.cx, s.cy); }
    constexpr void InflateRect(LONG l, LONG t, LONG r, LONG b) {
        left -= l;
        top -= t;
        right += r;
        bottom += b;
    }
    constexpr void DeflateRect(LONG dx, LONG dy) { InflateRect(-dx, -dy); }
    constexpr void DeflateRect(SIZE s) { InflateRect(-s.cx, -s.cy); }
    constexpr void DeflateRect(LONG l, LONG t, LONG r, LONG b) { InflateRect(-l, -t, -r, -b); }
    constexpr void NormalizeRect() {
        if (left > right) std::swap(left, right);
        if (top > bottom) std::swap(top, bottom);
    }

    // Both return false and leave an empty rectangle when nothing is left.
    constexpr bool IntersectRect(const RECT* a, const RECT* b) {
        *this = CRect(std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
                      std::min(a->bottom, b->bottom));
        if (IsRectEmpty()) {
            SetRectEmpty();
            return false;
        }
        return true;
    }
    constexpr bool UnionRect(const RECT* a, const RECT* b) {
        const CRect ra(a), rb(b);
        if (ra.IsRectEmpty())
            *this = rb;
        else if (rb.IsRectEmpty())
            *this = ra;
        else
            *this = CRect(std::min(ra.left, rb.left), std::min(ra.top, rb.top), std::max(ra.right, rb.right),
                          std::max(ra.bottom, rb.bottom));
        if (IsRectEmpty()) {
            SetRectEmpty();
            return false;
        }
        return true;
    }

    friend constexpr bool operator==(const CRect& a, const CRect& b) { return a.EqualRect(b); }
    constexpr CRect& operator+=(POINT p) {
        OffsetRect(p);
        return *this;
    }
    constexpr CRect& operator-=(POINT p) {
        OffsetRect(-p.x, -p.y);
        return *this;
    }
    constexpr CRect operator+(POINT p) const {
        CRect r(*this);
        r.OffsetRect(p);
        return r;
    }
    constexpr CRect operator-(POINT p) const {
        CRect r(*this);
        r.OffsetRect(-p.x, -p.y);
        return r;
    }
    constexpr CRect operator&(const CRect& o) const {
        CRect r;
        r.IntersectRect(this, &o);
        return r;
    }
    constexpr CRect operator|(const CRect& o) const {
        CRect r;
        r.UnionRect(this, &o);
        return r;
    }
};
