#include <zeledit/win_user.h>

#include <algorithm>

BOOL SetRect(LPRECT rect, int left, int top, int right, int bottom) {
    if (rect == nullptr) return FALSE;
    *rect = {left, top, right, bottom};
    return TRUE;
}

BOOL InflateRect(LPRECT rect, int dx, int dy) {
    if (rect == nullptr) return FALSE;
    *rect = {rect->left - dx, rect->top - dy, rect->right + dx, rect->bottom + dy};
    return TRUE;
}

BOOL OffsetRect(LPRECT rect, int dx, int dy) {
    if (rect == nullptr) return FALSE;
    *rect = {rect->left + dx, rect->top + dy, rect->right + dx, rect->bottom + dy};
    return TRUE;
}

BOOL PtInRect(const RECT* r, POINT p) {
    return r != nullptr && p.x >= r->left && p.x < r->right && p.y >= r->top && p.y < r->bottom ? TRUE
                                                                                                : FALSE;
}

BOOL IsRectEmpty(const RECT* r) {
    return r == nullptr || r->right <= r->left || r->bottom <= r->top ? TRUE : FALSE;
}

BOOL IntersectRect(LPRECT result, const RECT* a, const RECT* b) {
    if (result == nullptr) return FALSE;
    if (a == nullptr || b == nullptr) {
        *result = {};
        return FALSE;
    }
    const RECT r{std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
                 std::min(a->bottom, b->bottom)};
    *result = IsRectEmpty(&r) ? RECT{} : r;
    return IsRectEmpty(result) ? FALSE : TRUE;
}
