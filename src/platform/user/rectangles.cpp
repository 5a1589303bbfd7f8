#include <zeledit/win_user.h>

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
