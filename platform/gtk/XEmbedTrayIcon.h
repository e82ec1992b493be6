#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

#include "platform/TrayIcon.h"

typedef struct _GtkStatusIcon GtkStatusIcon;

namespace platform::gtk {

// A tray icon docked into an XEmbed notification area. Without one it waits, and docks when
// a notification area appears.
class XEmbedTrayIcon final : public TrayIcon {
  public:
    // Null only when the icon cannot be made at all.
    static std::unique_ptr<XEmbedTrayIcon> Create(TrayIconSink& sink,
                                                  std::span<const std::uint8_t> icon_png,
                                                  std::u16string_view tip);
    ~XEmbedTrayIcon() override;
    XEmbedTrayIcon(const XEmbedTrayIcon&) = delete;
    XEmbedTrayIcon& operator=(const XEmbedTrayIcon&) = delete;

    void SetTip(std::u16string_view tip) override;

  private:
    // Lets Create reach the constructor through std::make_unique.
    struct Key {
        explicit Key() = default;
    };

  public:
    XEmbedTrayIcon(Key, TrayIconSink& sink, GtkStatusIcon* icon);

  private:
    struct Callbacks;
    friend struct Callbacks;

    struct StatusIconDeleter {
        void operator()(GtkStatusIcon* icon) const;
    };

    TrayIconSink& sink_;
    std::unique_ptr<GtkStatusIcon, StatusIconDeleter> icon_;
};

}  // namespace platform::gtk
