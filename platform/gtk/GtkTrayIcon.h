#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

#include "platform/TrayIcon.h"

namespace platform::gtk {

// A notification-area icon: a StatusNotifierItem on the session bus when a watcher is
// present, otherwise an XEmbed status icon, which docks whenever an XEmbed notification area
// is or becomes available.
class GtkTrayIcon {
  public:
    // Null only when no icon could be made at all.
    static std::unique_ptr<TrayIcon> Create(TrayIconSink& sink,
                                            std::span<const std::uint8_t> icon_png,
                                            std::u16string_view tip);
};

}  // namespace platform::gtk
