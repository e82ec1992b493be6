#include "ui/WindowTree.h"

#include <algorithm>

#include "ui/CWnd.h"
#include "ui/WindowState.h"

namespace ui::tree {
namespace {

HWND HitChildren(HWND parent, CPoint point) {
    for (auto it = parent->children.rbegin(); it != parent->children.rend(); ++it) {
        HWND child = *it;
        if (!child->IsVisible() || !child->rect.Contains(point)) {
            continue;
        }
        const CPoint inner{point.x - child->rect.left, point.y - child->rect.top};
        if (HWND deeper = HitChildren(child, inner)) {
            return deeper;
        }
        if (!child->IsEnabled()) {
            continue;
        }
        const CPoint screen = ScreenOrigin(child);
        const LPARAM at = MAKELPARAM(screen.x + inner.x, screen.y + inner.y);
        if (child->wnd->SendMessage(WM_NCHITTEST, 0, at) == HTTRANSPARENT) {
            continue;
        }
        return child;
    }
    return nullptr;
}

}  // namespace

HWND TopLevelOf(HWND hwnd) {
    while (hwnd != nullptr && hwnd->IsChild() && hwnd->parent != nullptr) {
        hwnd = hwnd->parent;
    }
    return hwnd;
}

CPoint OriginInTopLevel(HWND hwnd) {
    CPoint origin;
    for (; hwnd != nullptr && hwnd->IsChild() && hwnd->parent != nullptr; hwnd = hwnd->parent) {
        origin.x += hwnd->rect.left;
        origin.y += hwnd->rect.top;
    }
    return origin;
}

CPoint ScreenOrigin(HWND hwnd) {
    const HWND top = TopLevelOf(hwnd);
    const CPoint inner = OriginInTopLevel(hwnd);
    return {top->rect.left + inner.x, top->rect.top + inner.y};
}

CRect VisibleInTopLevel(HWND hwnd) {
    const CPoint origin = OriginInTopLevel(hwnd);
    CRect visible = CRect::FromXywh(origin.x, origin.y, hwnd->rect.Width(), hwnd->rect.Height());
    for (HWND p = hwnd; p->IsChild() && p->parent != nullptr; p = p->parent) {
        const CPoint parent_origin = OriginInTopLevel(p->parent);
        visible = ui::Intersect(
            visible, CRect::FromXywh(parent_origin.x, parent_origin.y, p->parent->rect.Width(),
                                     p->parent->rect.Height()));
    }
    return visible;
}

bool IsShowing(HWND hwnd) {
    for (; hwnd != nullptr; hwnd = hwnd->IsChild() ? hwnd->parent : nullptr) {
        if (!hwnd->IsVisible()) {
            return false;
        }
    }
    return true;
}

HWND HitTest(HWND top, CPoint point) {
    if (HWND child = HitChildren(top, point)) {
        return child;
    }
    return top;
}

HWND ParentOrOwner(HWND hwnd) {
    return hwnd->IsChild() ? hwnd->parent : hwnd->owner;
}

bool IsDescendant(HWND hwnd, HWND ancestor) {
    for (; hwnd != nullptr; hwnd = hwnd->IsChild() ? hwnd->parent : nullptr) {
        if (hwnd == ancestor) {
            return true;
        }
    }
    return false;
}

}  // namespace ui::tree
