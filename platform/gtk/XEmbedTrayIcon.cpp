#include "platform/gtk/XEmbedTrayIcon.h"

#include <gtk/gtk.h>

#include <string>

#include "platform/gtk/MouseButtons.h"
#include "platform/gtk/PixbufFromPng.h"
#include "ui/TextEncoding.h"

// GtkStatusIcon is deprecated without a replacement for XEmbed notification areas.
G_GNUC_BEGIN_IGNORE_DEPRECATIONS

namespace platform::gtk {
namespace {}  // namespace

struct XEmbedTrayIcon::Callbacks {
    static gboolean Button(GtkStatusIcon* icon, GdkEventButton* event, gpointer data) {
        const MouseButton button = ButtonFromNumber(event->button);
        if (button == MouseButton::None) {
            return FALSE;
        }
        // GTK reports a double click as a second press followed by GDK_2BUTTON_PRESS.
        MouseEvent::Kind kind;
        switch (event->type) {
            case GDK_BUTTON_PRESS:
                kind = MouseEvent::Kind::Press;
                break;
            case GDK_2BUTTON_PRESS:
                kind = MouseEvent::Kind::DoubleClick;
                break;
            case GDK_BUTTON_RELEASE:
                kind = MouseEvent::Kind::Release;
                break;
            default:
                return FALSE;
        }
        // The sink may destroy this object; the status icon must outlive its own emission.
        std::unique_ptr<GtkStatusIcon, GObjectUnref> keep(GTK_STATUS_ICON(g_object_ref(icon)));
        static_cast<XEmbedTrayIcon*>(data)->sink_.OnTrayMouse(kind, button);
        return TRUE;
    }
};

void XEmbedTrayIcon::StatusIconDeleter::operator()(GtkStatusIcon* icon) const {
    gtk_status_icon_set_visible(icon, FALSE);
    g_object_unref(icon);
}

std::unique_ptr<XEmbedTrayIcon> XEmbedTrayIcon::Create(TrayIconSink& sink,
                                                       std::span<const std::uint8_t> icon_png,
                                                       std::u16string_view tip) {
    PixbufPtr pixbuf = PixbufFromPng(icon_png);
    if (!pixbuf) {
        g_warning("The tray icon image is not a PNG it can show");
    }
    GtkStatusIcon* icon =
        pixbuf ? gtk_status_icon_new_from_pixbuf(pixbuf.get()) : gtk_status_icon_new();
    if (icon == nullptr) {
        return nullptr;
    }
    auto tray_icon = std::make_unique<XEmbedTrayIcon>(Key{}, sink, icon);
    tray_icon->SetTip(tip);
    gtk_status_icon_set_visible(icon, TRUE);
    return tray_icon;
}

XEmbedTrayIcon::XEmbedTrayIcon(Key, TrayIconSink& sink, GtkStatusIcon* icon)
    : sink_(sink), icon_(icon) {
    g_signal_connect(icon, "button-press-event", G_CALLBACK(Callbacks::Button), this);
    g_signal_connect(icon, "button-release-event", G_CALLBACK(Callbacks::Button), this);
}

XEmbedTrayIcon::~XEmbedTrayIcon() {
    // Someone else may still hold a reference; no signal may reach this object after it.
    g_signal_handlers_disconnect_by_data(icon_.get(), this);
}

void XEmbedTrayIcon::SetTip(std::u16string_view tip) {
    const std::string text = ui::ToUtf8(tip);
    gtk_status_icon_set_tooltip_text(icon_.get(), text.c_str());
    gtk_status_icon_set_title(icon_.get(), text.c_str());
}

}  // namespace platform::gtk

G_GNUC_END_IGNORE_DEPRECATIONS
