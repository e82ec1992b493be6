#include "platform/gtk/GtkTrayIcon.h"

#include "platform/gtk/StatusNotifierItem.h"
#include "platform/gtk/XEmbedTrayIcon.h"

namespace platform::gtk {

std::unique_ptr<TrayIcon> GtkTrayIcon::Create(TrayIconSink& sink,
                                              std::span<const std::uint8_t> icon_png,
                                              std::u16string_view tip) {
    if (auto item = StatusNotifierItem::Create(sink, icon_png, tip)) {
        return item;
    }
    return XEmbedTrayIcon::Create(sink, icon_png, tip);
}

}  // namespace platform::gtk
