#pragma once

#include "ui/CWnd.h"

// A text label. It paints its text with the colours and brush its parent's colour request
// (WM_CTLCOLORSTATIC) answers, in the font WM_SETFONT gave it. Without SS_NOTIFY it lets the
// mouse through to what is below it.
class CStatic : public CWnd {
  public:
    virtual BOOL Create(std::u16string_view text, DWORD style, const CRect& rect, CWnd* parent,
                        UINT id = 0xFFFF);

  protected:
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void Paint();
};
