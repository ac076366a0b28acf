#pragma once
// Points, sizes and rectangles with the desktop convention the module is
// written against: a rectangle is {left, top, right, bottom}, right and
// bottom lie just outside it, width = right - left.
#include <algorithm>
#include <cstdint>

struct CPoint {
    int32_t x = 0;
    int32_t y = 0;

    constexpr CPoint() = default;
    constexpr CPoint(int32_t px, int32_t py) : x(px), y(py) {}

    constexpr void Offset(int32_t dx, int32_t dy)
    {
        x += dx;
        y += dy;
    }
    constexpr CPoint operator+(const CPoint& o) const { return {x + o.x, y + o.y}; }
    constexpr CPoint operator-(const CPoint& o) const { return {x - o.x, y - o.y}; }
    constexpr CPoint operator-() const { return {-x, -y}; }
    constexpr CPoint& operator+=(const CPoint& o)
    {
        x += o.x;
        y += o.y;
        return *this;
    }
    constexpr CPoint& operator-=(const CPoint& o)
    {
        x -= o.x;
        y -= o.y;
        return *this;
    }
    constexpr bool operator==(const CPoint&) const = default;
};

struct CSize {
    int32_t cx = 0;
    int32_t cy = 0;

    constexpr CSize() = default;
    constexpr CSize(int32_t w, int32_t h) : cx(w), cy(h) {}
    constexpr bool operator==(const CSize&) const = default;
};

struct CRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    constexpr CRect() = default;
    constexpr CRect(int32_t l, int32_t t, int32_t r, int32_t b) : left(l), top(t), right(r), bottom(b) {}
    constexpr CRect(const CPoint& topLeft, const CSize& size)
        : left(topLeft.x), top(topLeft.y), right(topLeft.x + size.cx), bottom(topLeft.y + size.cy)
    {}

    constexpr int32_t Width() const { return right - left; }
    constexpr int32_t Height() const { return bottom - top; }
    constexpr CSize Size() const { return {Width(), Height()}; }
    constexpr CPoint TopLeft() const { return {left, top}; }
    constexpr CPoint BottomRight() const { return {right, bottom}; }
    constexpr CPoint CenterPoint() const { return {(left + right) / 2, (top + bottom) / 2}; }

    // Empty when it encloses no pixel: width or height zero or negative.
    constexpr bool IsRectEmpty() const { return right <= left || bottom <= top; }
    // All four coordinates zero.
    constexpr bool IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }

    // Left and top edges inside, right and bottom edges outside.
    constexpr bool PtInRect(const CPoint& p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }

    constexpr void SetRect(int32_t l, int32_t t, int32_t r, int32_t b)
    {
        left = l;
        top = t;
        right = r;
        bottom = b;
    }
    constexpr void SetRectEmpty() { SetRect(0, 0, 0, 0); }
    constexpr void OffsetRect(int32_t dx, int32_t dy)
    {
        left += dx;
        right += dx;
        top += dy;
        bottom += dy;
    }
    constexpr void OffsetRect(const CPoint& d) { OffsetRect(d.x, d.y); }
    constexpr void MoveToXY(int32_t x, int32_t y) { OffsetRect(x - left, y - top); }
    constexpr void InflateRect(int32_t dx, int32_t dy)
    {
        left -= dx;
        top -= dy;
        right += dx;
        bottom += dy;
    }
    constexpr void DeflateRect(int32_t dx, int32_t dy) { InflateRect(-dx, -dy); }
    constexpr void NormalizeRect()
    {
        if (left > right)
            std::swap(left, right);
        if (top > bottom)
            std::swap(top, bottom);
    }

    // Intersection; both empty inputs or no overlap give the null rectangle
    // and false, as the desktop call does.
    constexpr bool IntersectRect(const CRect& a, const CRect& b)
    {
        CRect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                std::min(a.bottom, b.bottom)};
        if (r.IsRectEmpty()) {
            SetRectEmpty();
            return false;
        }
        *this = r;
        return true;
    }
    // Smallest rectangle holding both; an empty input is ignored.
    constexpr bool UnionRect(const CRect& a, const CRect& b)
    {
        if (a.IsRectEmpty() && b.IsRectEmpty()) {
            SetRectEmpty();
            return false;
        }
        if (a.IsRectEmpty()) {
            *this = b;
            return true;
        }
        if (b.IsRectEmpty()) {
            *this = a;
            return true;
        }
        *this = CRect{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                      std::max(a.bottom, b.bottom)};
        return true;
    }

    constexpr bool operator==(const CRect&) const = default;
};
