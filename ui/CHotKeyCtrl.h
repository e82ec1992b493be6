#pragma once

#include "ui/CWnd.h"

// A key-capture field. It holds a hot-key value (low byte a virtual-key code, high byte
// HOTKEYF_* flags), takes the next combination typed while it has the focus, and shows it.
class CHotKeyCtrl : public CWnd {
  public:
    void SetHotKey(WORD virtual_key, WORD modifiers);
    DWORD GetHotKey() const;
    void GetHotKey(WORD& virtual_key, WORD& modifiers) const;

  protected:
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void KeyDown(BYTE key, LPARAM info);
    void Paint();

    WORD value_ = 0;
    WORD shown_modifiers_ = 0;  // modifiers held while no key has been typed yet
};
