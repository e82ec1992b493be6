#include "platform/gtk/StatusNotifierItem.h"

#include <unistd.h>

#include "platform/gtk/PixbufFromPng.h"
#include "ui/TextEncoding.h"

namespace platform::gtk {
namespace {

constexpr char kWatcherName[] = "org.kde.StatusNotifierWatcher";
constexpr char kWatcherPath[] = "/StatusNotifierWatcher";
constexpr char kItemInterface[] = "org.kde.StatusNotifierItem";
constexpr char kItemPath[] = "/StatusNotifierItem";
constexpr char kBusName[] = "org.freedesktop.DBus";
constexpr char kBusPath[] = "/org/freedesktop/DBus";
constexpr int kBusCallTimeoutMs = 2000;

constexpr char kIntrospection[] = R"xml(
<node>
  <interface name="org.kde.StatusNotifierItem">
    <property name="Category" type="s" access="read"/>
    <property name="Id" type="s" access="read"/>
    <property name="Title" type="s" access="read"/>
    <property name="Status" type="s" access="read"/>
    <property name="IconName" type="s" access="read"/>
    <property name="IconPixmap" type="a(iiay)" access="read"/>
    <property name="ToolTip" type="(sa(iiay)ss)" access="read"/>
    <property name="ItemIsMenu" type="b" access="read"/>
    <method name="Activate">
      <arg name="x" type="i" direction="in"/>
      <arg name="y" type="i" direction="in"/>
    </method>
    <method name="SecondaryActivate">
      <arg name="x" type="i" direction="in"/>
      <arg name="y" type="i" direction="in"/>
    </method>
    <method name="ContextMenu">
      <arg name="x" type="i" direction="in"/>
      <arg name="y" type="i" direction="in"/>
    </method>
    <method name="Scroll">
      <arg name="delta" type="i" direction="in"/>
      <arg name="orientation" type="s" direction="in"/>
    </method>
    <signal name="NewTitle"/>
    <signal name="NewIcon"/>
    <signal name="NewToolTip"/>
    <signal name="NewStatus">
      <arg name="status" type="s"/>
    </signal>
  </interface>
</node>
)xml";

// A synchronous call to the bus daemon itself; null on any failure.
VariantPtr CallBus(GDBusConnection* connection, const char* method, GVariant* parameters,
                   const char* reply_type) {
    GError* raw_error = nullptr;
    VariantPtr reply(g_dbus_connection_call_sync(
        connection, kBusName, kBusPath, kBusName, method, parameters, G_VARIANT_TYPE(reply_type),
        G_DBUS_CALL_FLAGS_NONE, kBusCallTimeoutMs, nullptr, &raw_error));
    ErrorPtr error(raw_error);
    return reply;
}

bool WatcherPresent(GDBusConnection* connection) {
    VariantPtr reply =
        CallBus(connection, "NameHasOwner", g_variant_new("(s)", kWatcherName), "(b)");
    gboolean present = FALSE;
    if (reply) {
        g_variant_get(reply.get(), "(b)", &present);
    }
    return present;
}

GVariant* EmptyPixmaps() {
    return g_variant_new_array(G_VARIANT_TYPE("(iiay)"), nullptr, 0);
}

void LogRegistrationFailure(GObject* source, GAsyncResult* result, gpointer) {
    GError* raw_error = nullptr;
    VariantPtr reply(g_dbus_connection_call_finish(G_DBUS_CONNECTION(source), result, &raw_error));
    ErrorPtr error(raw_error);
    if (error && !g_error_matches(error.get(), G_IO_ERROR, G_IO_ERROR_CANCELLED)) {
        g_warning("Registering the tray icon failed: %s", error->message);
    }
}

}  // namespace

struct StatusNotifierItem::Callbacks {
    static void Method(GDBusConnection*, const gchar*, const gchar*, const gchar*,
                       const gchar* method, GVariant*, GDBusMethodInvocation* invocation,
                       gpointer data) {
        // Answer first: the sink may open a modal loop or destroy this icon.
        g_dbus_method_invocation_return_value(invocation, nullptr);
        static_cast<StatusNotifierItem*>(data)->OnMethod(method);
    }

    static GVariant* Property(GDBusConnection*, const gchar*, const gchar*, const gchar*,
                              const gchar* name, GError** error, gpointer data) {
        GVariant* value = static_cast<const StatusNotifierItem*>(data)->Property(name);
        if (value == nullptr) {
            g_set_error(error, G_DBUS_ERROR, G_DBUS_ERROR_UNKNOWN_PROPERTY, "No property %s", name);
        }
        return value;
    }

    static void WatcherAppeared(GDBusConnection*, const gchar*, const gchar*, gpointer data) {
        // Also runs when a restarted watcher comes back, which has forgotten every item.
        static_cast<StatusNotifierItem*>(data)->RegisterWithWatcher();
    }
};

std::unique_ptr<StatusNotifierItem> StatusNotifierItem::Create(
    TrayIconSink& sink, std::span<const std::uint8_t> icon_png, std::u16string_view tip) {
    GError* raw_error = nullptr;
    ConnectionPtr connection(g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, &raw_error));
    ErrorPtr error(raw_error);
    if (!connection || !WatcherPresent(connection.get())) {
        return nullptr;
    }
    auto item = std::make_unique<StatusNotifierItem>(Key{}, sink, std::move(connection),
                                                     ui::ToUtf8(tip), PixmapFromPng(icon_png));
    if (!item->Publish()) {
        return nullptr;
    }
    return item;
}

StatusNotifierItem::StatusNotifierItem(Key, TrayIconSink& sink, ConnectionPtr connection,
                                       std::string tip, Pixmap pixmap)
    : sink_(sink),
      connection_(std::move(connection)),
      cancellable_(g_cancellable_new()),
      id_(tip),
      tip_(std::move(tip)),
      pixmap_(std::move(pixmap)) {}

StatusNotifierItem::~StatusNotifierItem() {
    if (watch_id_ != 0) {
        g_bus_unwatch_name(watch_id_);
    }
    g_cancellable_cancel(cancellable_.get());
    if (registration_id_ != 0) {
        g_dbus_connection_unregister_object(connection_.get(), registration_id_);
    }
    // Hosts drop the item when its name goes away.
    if (owns_bus_name_) {
        g_dbus_connection_call(connection_.get(), kBusName, kBusPath, kBusName, "ReleaseName",
                               g_variant_new("(s)", bus_name_.c_str()), nullptr,
                               G_DBUS_CALL_FLAGS_NONE, -1, nullptr, nullptr, nullptr);
        g_dbus_connection_flush(connection_.get(), nullptr, nullptr, nullptr);
    }
}

void StatusNotifierItem::SetTip(std::u16string_view tip) {
    tip_ = ui::ToUtf8(tip);
    EmitSignal("NewTitle");
    EmitSignal("NewToolTip");
}

bool StatusNotifierItem::Publish() {
    GError* raw_error = nullptr;
    node_info_.reset(g_dbus_node_info_new_for_xml(kIntrospection, &raw_error));
    ErrorPtr xml_error(raw_error);
    if (!node_info_) {
        return false;
    }
    static const GDBusInterfaceVTable vtable = {
        Callbacks::Method, Callbacks::Property, nullptr, {}};
    raw_error = nullptr;
    registration_id_ =
        g_dbus_connection_register_object(connection_.get(), kItemPath, node_info_->interfaces[0],
                                          &vtable, this, nullptr, &raw_error);
    ErrorPtr register_error(raw_error);
    if (registration_id_ == 0) {
        return false;
    }

    // The conventional well-known name; its disappearance is how hosts learn the icon is
    // gone. The unique name still works if it cannot be had.
    static int item_count = 0;
    bus_name_ = "org.kde.StatusNotifierItem-" + std::to_string(getpid()) + "-" +
                std::to_string(++item_count);
    constexpr guint32 kDoNotQueue = 4;
    constexpr guint32 kPrimaryOwner = 1;
    VariantPtr reply = CallBus(connection_.get(), "RequestName",
                               g_variant_new("(su)", bus_name_.c_str(), kDoNotQueue), "(u)");
    guint32 result = 0;
    if (reply) {
        g_variant_get(reply.get(), "(u)", &result);
    }
    owns_bus_name_ = result == kPrimaryOwner;
    if (!owns_bus_name_) {
        bus_name_ = g_dbus_connection_get_unique_name(connection_.get());
    }

    watch_id_ = g_bus_watch_name_on_connection(connection_.get(), kWatcherName,
                                               G_BUS_NAME_WATCHER_FLAGS_NONE,
                                               Callbacks::WatcherAppeared, nullptr, this, nullptr);
    return true;
}

void StatusNotifierItem::RegisterWithWatcher() {
    g_dbus_connection_call(connection_.get(), kWatcherName, kWatcherPath, kWatcherName,
                           "RegisterStatusNotifierItem", g_variant_new("(s)", bus_name_.c_str()),
                           nullptr, G_DBUS_CALL_FLAGS_NONE, -1, cancellable_.get(),
                           LogRegistrationFailure, nullptr);
}

void StatusNotifierItem::OnMethod(std::string_view method) {
    MouseButton button = MouseButton::None;
    if (method == "Activate") {
        button = MouseButton::Left;
    } else if (method == "SecondaryActivate") {
        button = MouseButton::Middle;
    } else if (method == "ContextMenu") {
        button = MouseButton::Right;
    } else {
        return;
    }
    // A host reports a whole click. The press may destroy this icon, so nothing of it is
    // touched afterwards.
    TrayIconSink& sink = sink_;
    sink.OnTrayMouse(MouseEvent::Kind::Press, button);
    sink.OnTrayMouse(MouseEvent::Kind::Release, button);
}

GVariant* StatusNotifierItem::Property(std::string_view name) const {
    if (name == "Category") {
        return g_variant_new_string("ApplicationStatus");
    }
    if (name == "Id") {
        return g_variant_new_string(id_.c_str());
    }
    if (name == "Title") {
        return g_variant_new_string(tip_.c_str());
    }
    if (name == "Status") {
        return g_variant_new_string("Active");
    }
    if (name == "IconName") {
        return g_variant_new_string("");
    }
    if (name == "ItemIsMenu") {
        return g_variant_new_boolean(FALSE);
    }
    if (name == "ToolTip") {
        return g_variant_new("(s@a(iiay)ss)", "", EmptyPixmaps(), tip_.c_str(), "");
    }
    if (name == "IconPixmap") {
        if (pixmap_.argb.empty()) {
            return EmptyPixmaps();
        }
        GVariant* bytes = g_variant_new_fixed_array(G_VARIANT_TYPE_BYTE, pixmap_.argb.data(),
                                                    pixmap_.argb.size(), 1);
        GVariant* entry = g_variant_new("(ii@ay)", pixmap_.width, pixmap_.height, bytes);
        return g_variant_new_array(G_VARIANT_TYPE("(iiay)"), &entry, 1);
    }
    return nullptr;
}

void StatusNotifierItem::EmitSignal(const char* name) {
    g_dbus_connection_emit_signal(connection_.get(), nullptr, kItemPath, kItemInterface, name,
                                  nullptr, nullptr);
}

StatusNotifierItem::Pixmap StatusNotifierItem::PixmapFromPng(std::span<const std::uint8_t> png) {
    PixbufPtr pixbuf = PixbufFromPng(png);
    if (!pixbuf || gdk_pixbuf_get_bits_per_sample(pixbuf.get()) != 8) {
        g_warning("The tray icon image is not a PNG it can show");
        return {};
    }
    Pixmap pixmap;
    pixmap.width = gdk_pixbuf_get_width(pixbuf.get());
    pixmap.height = gdk_pixbuf_get_height(pixbuf.get());
    const int stride = gdk_pixbuf_get_rowstride(pixbuf.get());
    const int channels = gdk_pixbuf_get_n_channels(pixbuf.get());
    const bool alpha = gdk_pixbuf_get_has_alpha(pixbuf.get());
    const guint8* pixels = gdk_pixbuf_read_pixels(pixbuf.get());
    pixmap.argb.reserve(static_cast<std::size_t>(pixmap.width) * pixmap.height * 4);
    for (int y = 0; y < pixmap.height; ++y) {
        const guint8* row = pixels + static_cast<std::ptrdiff_t>(y) * stride;
        for (int x = 0; x < pixmap.width; ++x) {
            const guint8* pixel = row + x * channels;
            pixmap.argb.push_back(alpha ? pixel[3] : 0xff);
            pixmap.argb.push_back(pixel[0]);
            pixmap.argb.push_back(pixel[1]);
            pixmap.argb.push_back(pixel[2]);
        }
    }
    return pixmap;
}

}  // namespace platform::gtk
