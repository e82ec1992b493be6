#pragma once

#include "ui/CDialog.h"

// The extended dialog base the program's dialogs derive from.
class CDialogEx : public CDialog {
  public:
    using CDialog::CDialog;
};
