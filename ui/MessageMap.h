#pragma once

// Static message maps: each window class lists the messages it handles and the member that
// handles each, and the framework searches the maps from the most derived class to CWnd.
// Handlers are typed; the adaptors below unpack wParam and lParam the Windows way.

#include <string_view>
#include <type_traits>

#include "ui/WinDef.h"

class CWnd;
class CDC;
struct GdiBrush;
using HBRUSH = const GdiBrush*;

struct AFX_MSGMAP_ENTRY {
    UINT message;   // 0 ends the map
    UINT code;      // WM_COMMAND notification code
    UINT id_first;  // WM_COMMAND ids, inclusive
    UINT id_last;
    LRESULT (*handler)(CWnd& wnd, WPARAM wParam, LPARAM lParam);
};

// What a colour request carries: the device context, the window that asks, CTLCOLOR_* kind.
struct CtlColorArgs {
    CDC* dc;
    CWnd* wnd;
    UINT kind;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*base)();
    const AFX_MSGMAP_ENTRY* entries;
};

namespace ui::msgmap {

template <class>
struct ClassOf;
template <class C, class R, class... A>
struct ClassOf<R (C::*)(A...)> {
    using type = C;
};

template <auto F>
auto& Self(CWnd& wnd) {
    return static_cast<typename ClassOf<decltype(F)>::type&>(wnd);
}

inline CPoint PointOf(LPARAM lp) {
    return {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
}

template <auto F>
LRESULT Void(CWnd& w, WPARAM, LPARAM) {
    (Self<F>(w).*F)();
    return 0;
}
template <auto F>
LRESULT Bool(CWnd& w, WPARAM, LPARAM) {
    return (Self<F>(w).*F)();
}
template <auto F>
LRESULT Mouse(CWnd& w, WPARAM wp, LPARAM lp) {
    (Self<F>(w).*F)(static_cast<UINT>(wp), PointOf(lp));
    return 0;
}
template <auto F>
LRESULT Move(CWnd& w, WPARAM, LPARAM lp) {
    (Self<F>(w).*F)(GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
    return 0;
}
template <auto F>
LRESULT Size(CWnd& w, WPARAM wp, LPARAM lp) {
    (Self<F>(w).*F)(static_cast<UINT>(wp), LOWORD(lp), HIWORD(lp));
    return 0;
}
template <auto F>
LRESULT Key(CWnd& w, WPARAM wp, LPARAM lp) {
    (Self<F>(w).*F)(static_cast<UINT>(wp), LOWORD(lp), HIWORD(lp));
    return 0;
}
template <auto F>
LRESULT Enable(CWnd& w, WPARAM wp, LPARAM) {
    (Self<F>(w).*F)(static_cast<BOOL>(wp));
    return 0;
}
template <auto F>
LRESULT EraseBkgnd(CWnd& w, WPARAM wp, LPARAM) {
    return (Self<F>(w).*F)(reinterpret_cast<CDC*>(wp));
}
template <auto F>
LRESULT HotKey(CWnd& w, WPARAM wp, LPARAM lp) {
    (Self<F>(w).*F)(static_cast<UINT>(wp), LOWORD(lp), HIWORD(lp));
    return 0;
}
template <auto F>
LRESULT QueryDragIcon(CWnd& w, WPARAM, LPARAM) {
    return reinterpret_cast<LRESULT>((Self<F>(w).*F)());
}
// The framework hands colour requests to the WM_CTLCOLOR entry as a CtlColorArgs in wParam.
template <auto F>
LRESULT CtlColor(CWnd& w, WPARAM wp, LPARAM) {
    const auto& a = *reinterpret_cast<const CtlColorArgs*>(wp);
    return reinterpret_cast<LRESULT>((Self<F>(w).*F)(a.dc, a.wnd, a.kind));
}
template <auto F>
LRESULT CtlColorReflect(CWnd& w, WPARAM wp, LPARAM) {
    const auto& a = *reinterpret_cast<const CtlColorArgs*>(wp);
    return reinterpret_cast<LRESULT>((Self<F>(w).*F)(a.dc, a.kind));
}
template <auto F>
LRESULT Command(CWnd& w, WPARAM, LPARAM) {
    (Self<F>(w).*F)();
    return 0;
}
template <auto F>
LRESULT CommandRange(CWnd& w, WPARAM wp, LPARAM) {
    (Self<F>(w).*F)(static_cast<UINT>(LOWORD(wp)));
    return 0;
}
template <auto F>
LRESULT Message(CWnd& w, WPARAM wp, LPARAM lp) {
    return (Self<F>(w).*F)(wp, lp);
}

}  // namespace ui::msgmap

#define DECLARE_MESSAGE_MAP()                     \
  protected:                                      \
    static const AFX_MSGMAP* GetThisMessageMap(); \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)          \
    const AFX_MSGMAP* theClass::GetMessageMap() const { \
        return GetThisMessageMap();                     \
    }                                                   \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {   \
        using ThisClass = theClass;                     \
        using TheBaseClass = baseClass;                 \
        static const AFX_MSGMAP_ENTRY entries[] = {
#define END_MESSAGE_MAP()                                                   \
    { 0, 0, 0, 0, nullptr }                                                 \
    }                                                                       \
    ;                                                                       \
    static const AFX_MSGMAP map{&TheBaseClass::GetThisMessageMap, entries}; \
    return &map;                                                            \
    }

#define AFX_MSG_ENTRY(msg, adaptor, fn) {msg, 0, 0, 0, &ui::msgmap::adaptor<&ThisClass::fn>},

#define ON_WM_PAINT() AFX_MSG_ENTRY(WM_PAINT, Void, OnPaint)
#define ON_WM_QUERYDRAGICON() AFX_MSG_ENTRY(WM_QUERYDRAGICON, QueryDragIcon, OnQueryDragIcon)
#define ON_WM_ERASEBKGND() AFX_MSG_ENTRY(WM_ERASEBKGND, EraseBkgnd, OnEraseBkgnd)
#define ON_WM_MOVE() AFX_MSG_ENTRY(WM_MOVE, Move, OnMove)
#define ON_WM_SIZE() AFX_MSG_ENTRY(WM_SIZE, Size, OnSize)
#define ON_WM_ENABLE() AFX_MSG_ENTRY(WM_ENABLE, Enable, OnEnable)
#define ON_WM_MOUSEMOVE() AFX_MSG_ENTRY(WM_MOUSEMOVE, Mouse, OnMouseMove)
#define ON_WM_MOUSEHOVER() AFX_MSG_ENTRY(WM_MOUSEHOVER, Mouse, OnMouseHover)
#define ON_WM_MOUSELEAVE() AFX_MSG_ENTRY(WM_MOUSELEAVE, Void, OnMouseLeave)
#define ON_WM_LBUTTONDOWN() AFX_MSG_ENTRY(WM_LBUTTONDOWN, Mouse, OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_MSG_ENTRY(WM_LBUTTONUP, Mouse, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_MSG_ENTRY(WM_LBUTTONDBLCLK, Mouse, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_MSG_ENTRY(WM_RBUTTONDOWN, Mouse, OnRButtonDown)
#define ON_WM_KEYDOWN() AFX_MSG_ENTRY(WM_KEYDOWN, Key, OnKeyDown)
#define ON_WM_HOTKEY() AFX_MSG_ENTRY(WM_HOTKEY, HotKey, OnHotKey)
// Every WM_CTLCOLOR* message reaches the one WM_CTLCOLOR entry.
#define ON_WM_CTLCOLOR() AFX_MSG_ENTRY(WM_CTLCOLOR, CtlColor, OnCtlColor)
#define ON_WM_CTLCOLOR_REFLECT() \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_CTLCOLOR, CtlColorReflect, CtlColor)
#define ON_MESSAGE(msg, fn) AFX_MSG_ENTRY(msg, Message, fn)
#define ON_COMMAND(id, fn) \
    {WM_COMMAND, BN_CLICKED, UINT(id), UINT(id), &ui::msgmap::Command<&ThisClass::fn>},
#define ON_BN_CLICKED(id, fn) ON_COMMAND(id, fn)
#define ON_COMMAND_RANGE(first, last, fn) \
    {WM_COMMAND, BN_CLICKED, UINT(first), UINT(last), &ui::msgmap::CommandRange<&ThisClass::fn>},
