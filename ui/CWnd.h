#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/CDC.h"
#include "ui/MessageMap.h"
#include "ui/WinDef.h"
#include "ui/WindowState.h"

namespace ui {
class Bitmap;
}
namespace platform {
class NativeWindow;
}
class CDC;
struct IconData;
using HICON = const IconData*;

// A window: the program's C++ object attached to the framework's record of a window (HWND).
// Messages reach it through WindowProc: first its static message map, then the window class's
// default handling in DefWindowProc.
class CWnd {
  public:
    CWnd();
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;

    HWND GetSafeHwnd() const { return m_hWnd; }
    static CWnd* FromHandle(HWND hwnd);

    // Creation and destruction. rect is in the parent's client coordinates for child windows,
    // in screen coordinates otherwise; a popup's parent becomes its owner.
    virtual BOOL CreateEx(DWORD ex_style, std::u16string_view text, DWORD style, const CRect& rect,
                          CWnd* parent, UINT id);
    virtual BOOL DestroyWindow();
    // Takes over an existing window, as binding a dialog item to a member does.
    BOOL SubclassWindow(HWND hwnd);
    BOOL SubclassDlgItem(UINT id, CWnd* parent);

    // The window tree.
    CWnd* GetParent() const;
    CWnd* GetOwner() const;
    CWnd* GetTopLevelParent() const;
    CWnd* SetParent(CWnd* new_parent);
    CWnd* GetDlgItem(int id) const;
    int GetDlgCtrlID() const;

    // Geometry.
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    void MoveWindow(const CRect& rect, BOOL repaint = TRUE);
    BOOL SetWindowPos(const CWnd* insert_after, int x, int y, int cx, int cy, UINT flags);
    void GetWindowRect(CRect* rect) const;
    void GetClientRect(CRect* rect) const;
    void ScreenToClient(CPoint* point) const;
    void ScreenToClient(CRect* rect) const;
    void ClientToScreen(CPoint* point) const;
    void ClientToScreen(CRect* rect) const;
    void BringWindowToTop();

    // State.
    BOOL ShowWindow(int command);
    BOOL IsWindowVisible() const;
    BOOL IsIconic() const;
    BOOL IsZoomed() const;
    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    void SetWindowText(std::u16string_view text);
    std::u16string GetWindowText() const;
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);
    BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT flags = 0);
    HICON SetIcon(HICON icon, BOOL big);

    // Painting.
    void Invalidate(BOOL erase = TRUE);
    void InvalidateRect(const CRect* rect, BOOL erase = TRUE);
    void ValidateRect(const CRect* rect);
    void UpdateWindow();
    CDC* GetDC();
    int ReleaseDC(CDC* dc);
    // Shows a layered window: the bitmap with its per-pixel alpha at a screen position.
    BOOL UpdateLayeredWindow(const ui::Bitmap& picture, CPoint screen_position);

    // Input.
    CWnd* SetCapture();
    static CWnd* GetCapture();
    CWnd* SetFocus();
    static CWnd* GetFocus();

    // Messages.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    int MessageBox(std::u16string_view text, const char16_t* caption = nullptr, UINT type = MB_OK);

    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL PreTranslateMessage(MSG* msg);

    // Runs hwnd's window procedure with the message recorded for Default().
    static LRESULT CallWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  protected:
    friend struct WindowState;
    friend class CDialog;

    // The message being handled, for Default().
    LRESULT Default();
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // A message a child reflected back to itself (colour requests).
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual void PostNcDestroy() {}
    // Runs when a window is created for, or handed to, this object.
    virtual void PreSubclassWindow() {}
    // A window this object took over came with what its previous object kept for it.
    virtual void TakeOverFrom(CWnd& /*previous*/) {}

    // Default handlers: each runs the window class's default handling of its message.
    HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT kind);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* dc);

    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

  private:
    static void DestroyHandle(HWND hwnd);
    static void DestroyOwnedAndChildren(HWND hwnd);
    void ReleaseHandle();
    void MakeTopLevel();
    void ApplyRect(const CRect& next, bool repaint);
    void RaiseInZOrder();
    static void RaiseOwnedWindows(HWND owner);
    void NotifyGeometry(bool moved, bool sized);
    void ShowChild(bool show);
    void ShowTopLevel(int command);
    void Minimize(platform::NativeWindow& native);
    void Maximize(platform::NativeWindow& native);
    void Restore(platform::NativeWindow& native);
    LRESULT SystemCommand(WPARAM command);
    void StartSystemMove();
    void SetTextNow(std::u16string_view text);
    HICON SetIconNow(HICON icon, bool big);
    static HBRUSH DefaultColors(UINT message, CDC* dc);
    const AFX_MSGMAP_ENTRY* FindEntry(UINT message, UINT code, UINT id) const;
    BOOL HandleCtlColor(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    std::unique_ptr<WindowState> state_;
    std::vector<std::unique_ptr<CDC>> dcs_;  // handed out by GetDC until ReleaseDC
};
