#pragma once

#include <map>
#include <memory>
#include <utility>

#include "platform/TrayIcon.h"
#include "ui/WinApi.h"

namespace ui {

// The tray icons windows added: pointer actions on one come back to its window as the
// callback message, with the icon's id in wParam and the mouse message in lParam.
class TrayIconTable {
  public:
    TrayIconTable();
    ~TrayIconTable();
    TrayIconTable(TrayIconTable&&) noexcept;
    TrayIconTable& operator=(TrayIconTable&&) noexcept;

    BOOL Add(const NOTIFYICONDATAW& data);
    BOOL Modify(const NOTIFYICONDATAW& data);
    BOOL Delete(const NOTIFYICONDATAW& data);
    // A window that goes away takes its icons with it.
    void ForgetWindow(HWND hwnd);

  private:
    class Entry;
    std::map<std::pair<HWND, UINT>, std::unique_ptr<Entry>> icons_;
};

}  // namespace ui
