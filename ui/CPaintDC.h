#pragma once

#include "ui/CDC.h"

class CWnd;

// The DC of a WM_PAINT handler: limited to the invalid area, which it validates.
class CPaintDC : public CDC {
  public:
    explicit CPaintDC(CWnd* wnd);
};
