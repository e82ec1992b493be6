#pragma once

#include "ui/CWnd.h"

constexpr int BST_UNCHECKED = 0;
constexpr int BST_CHECKED = 1;

// A button. Its default handling takes the mouse capture on a press, shows itself pushed while
// the pointer stays over it, and sends WM_COMMAND BN_CLICKED with its id to its parent on a
// release inside. Space presses it too, unless its owner swallows the key.
class CButton : public CWnd {
  public:
    BOOL Create(std::u16string_view caption, DWORD style, const CRect& rect, CWnd* parent, UINT id);
    int GetCheck() const { return checked_ ? BST_CHECKED : BST_UNCHECKED; }
    void SetCheck(int check);

  protected:
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void Press();
    void Release(CPoint point);
    void Click();
    void Paint();

    bool pushed_ = false;
    bool tracking_press_ = false;
    bool space_down_ = false;
    bool checked_ = false;
};
