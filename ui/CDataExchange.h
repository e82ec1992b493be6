#pragma once

#include "ui/WinDef.h"

class CWnd;

// What DoDataExchange works with: the dialog, and whether values go from the controls to the
// members (TRUE) or back.
class CDataExchange {
  public:
    CDataExchange(CWnd* dialog, BOOL save) : m_pDlgWnd(dialog), m_bSaveAndValidate(save) {}

    CWnd* m_pDlgWnd;
    BOOL m_bSaveAndValidate;
};

// Binds a member control to the dialog item with this id, the first time.
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
