// A stand-in notification-area watcher on the session bus for the end-to-end scripts. It
// prints what items do and pokes them on command, one a line on standard input:
//   props      -> "props Category=... Id=... Title=... Status=... ItemIsMenu=... ToolTip=...
//                  Pixmap=WxH first=AARRGGBB last=AARRGGBB"
//   activate | secondary | context | scroll  -> calls that method on the item
//   quit, or end of input
// Events: "watcher ready", "registered NAME", "signal NAME", "item gone", "call failed ...".
#include <gio/gio.h>

#include <cstdio>
#include <memory>
#include <string>

namespace {

constexpr guint kGiveUpSeconds = 50;
constexpr char kItemInterface[] = "org.kde.StatusNotifierItem";

constexpr char kIntrospection[] = R"xml(
<node>
  <interface name="org.kde.StatusNotifierWatcher">
    <method name="RegisterStatusNotifierItem">
      <arg name="service" type="s" direction="in"/>
    </method>
    <method name="RegisterStatusNotifierHost">
      <arg name="service" type="s" direction="in"/>
    </method>
    <property name="RegisteredStatusNotifierItems" type="as" access="read"/>
    <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
    <property name="ProtocolVersion" type="i" access="read"/>
  </interface>
</node>
)xml";

int exit_status = 0;

void Say(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

struct VariantUnref {
    void operator()(GVariant* v) const { g_variant_unref(v); }
};
struct ErrorFree {
    void operator()(GError* e) const { g_error_free(e); }
};
using VariantPtr = std::unique_ptr<GVariant, VariantUnref>;
using ErrorPtr = std::unique_ptr<GError, ErrorFree>;

std::string Hex(const guint8* bytes) {
    char text[9];
    std::snprintf(text, sizeof text, "%02x%02x%02x%02x", bytes[0], bytes[1], bytes[2], bytes[3]);
    return text;
}

class Watcher {
  public:
    bool Start() {
        GError* raw = nullptr;
        connection_ = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, &raw);
        ErrorPtr error(raw);
        if (connection_ == nullptr) {
            return false;
        }
        raw = nullptr;
        node_ = g_dbus_node_info_new_for_xml(kIntrospection, &raw);
        ErrorPtr xml_error(raw);
        static const GDBusInterfaceVTable vtable = {OnMethod, OnProperty, nullptr, {}};
        registration_ = g_dbus_connection_register_object(connection_, "/StatusNotifierWatcher",
                                                          node_->interfaces[0], &vtable, this,
                                                          nullptr, nullptr);
        owner_ = g_bus_own_name_on_connection(
            connection_, "org.kde.StatusNotifierWatcher", G_BUS_NAME_OWNER_FLAGS_DO_NOT_QUEUE,
            [](GDBusConnection*, const gchar*, gpointer) { Say("watcher ready"); },
            [](GDBusConnection*, const gchar*, gpointer) {
                Say("watcher lost its name");
                exit_status = 1;
            },
            this, nullptr);
        return registration_ != 0;
    }

    ~Watcher() {
        if (item_watch_ != 0) {
            g_bus_unwatch_name(item_watch_);
        }
        if (signals_ != 0) {
            g_dbus_connection_signal_unsubscribe(connection_, signals_);
        }
        if (owner_ != 0) {
            g_bus_unown_name(owner_);
        }
        if (registration_ != 0) {
            g_dbus_connection_unregister_object(connection_, registration_);
        }
        if (node_ != nullptr) {
            g_dbus_node_info_unref(node_);
        }
        if (connection_ != nullptr) {
            g_object_unref(connection_);
        }
    }

    // False when the watcher should end.
    bool Run(const std::string& command) {
        if (command == "props") {
            PrintProperties();
        } else if (command == "activate") {
            CallItem("Activate", g_variant_new("(ii)", 10, 20));
        } else if (command == "secondary") {
            CallItem("SecondaryActivate", g_variant_new("(ii)", 10, 20));
        } else if (command == "context") {
            CallItem("ContextMenu", g_variant_new("(ii)", 10, 20));
        } else if (command == "scroll") {
            CallItem("Scroll", g_variant_new("(is)", 120, "vertical"));
        } else if (command == "quit") {
            return false;
        } else if (!command.empty()) {
            Say("unknown " + command);
        }
        return true;
    }

  private:
    static void OnMethod(GDBusConnection*, const gchar* sender, const gchar*, const gchar*,
                         const gchar* method, GVariant* parameters,
                         GDBusMethodInvocation* invocation, gpointer data) {
        auto* self = static_cast<Watcher*>(data);
        const gchar* service = nullptr;
        g_variant_get(parameters, "(&s)", &service);
        if (std::string(method) == "RegisterStatusNotifierItem") {
            self->Register(sender, service);
        }
        g_dbus_method_invocation_return_value(invocation, nullptr);
    }

    static GVariant* OnProperty(GDBusConnection*, const gchar*, const gchar*, const gchar*,
                                const gchar* name, GError**, gpointer data) {
        const std::string property(name);
        if (property == "IsStatusNotifierHostRegistered") {
            return g_variant_new_boolean(TRUE);
        }
        if (property == "ProtocolVersion") {
            return g_variant_new_int32(0);
        }
        const auto* self = static_cast<Watcher*>(data);
        const gchar* items[] = {self->item_name_.c_str(), nullptr};
        return g_variant_new_strv(items, self->item_name_.empty() ? 0 : 1);
    }

    void Register(const std::string& sender, const std::string& service) {
        // An item may name itself by bus name or by object path on the sender's connection.
        if (!service.empty() && service[0] == '/') {
            item_name_ = sender;
            item_path_ = service;
        } else {
            item_name_ = service;
            item_path_ = "/StatusNotifierItem";
        }
        Say("registered " + service);
        item_watch_ = g_bus_watch_name_on_connection(
            connection_, item_name_.c_str(), G_BUS_NAME_WATCHER_FLAGS_NONE, nullptr,
            [](GDBusConnection*, const gchar*, gpointer) { Say("item gone"); }, this, nullptr);
        signals_ = g_dbus_connection_signal_subscribe(
            connection_, item_name_.c_str(), kItemInterface, nullptr, item_path_.c_str(), nullptr,
            G_DBUS_SIGNAL_FLAGS_NONE,
            [](GDBusConnection*, const gchar*, const gchar*, const gchar*, const gchar* signal,
               GVariant*, gpointer) { Say(std::string("signal ") + signal); },
            this, nullptr);
    }

    VariantPtr CallItem(const char* method, GVariant* parameters,
                        const char* interface = kItemInterface) {
        if (item_name_.empty()) {
            g_variant_unref(g_variant_ref_sink(parameters));
            Say("call failed: no item");
            return nullptr;
        }
        GError* raw = nullptr;
        VariantPtr reply(g_dbus_connection_call_sync(
            connection_, item_name_.c_str(), item_path_.c_str(), interface, method, parameters,
            nullptr, G_DBUS_CALL_FLAGS_NONE, 5000, nullptr, &raw));
        ErrorPtr error(raw);
        if (!reply) {
            Say(std::string("call failed ") + method + ": " + error->message);
        }
        return reply;
    }

    void PrintProperties() {
        VariantPtr reply = CallItem("GetAll", g_variant_new("(s)", kItemInterface),
                                    "org.freedesktop.DBus.Properties");
        if (!reply) {
            return;
        }
        VariantPtr all(g_variant_get_child_value(reply.get(), 0));
        GVariantDict dict;
        g_variant_dict_init(&dict, all.get());
        std::string line = "props";
        for (const char* name : {"Category", "Id", "Title", "Status"}) {
            const gchar* value = "(missing)";
            g_variant_dict_lookup(&dict, name, "&s", &value);
            line += std::string(" ") + name + "=" + value;
        }
        gboolean is_menu = TRUE;
        line += g_variant_dict_lookup(&dict, "ItemIsMenu", "b", &is_menu)
                    ? (is_menu ? " ItemIsMenu=true" : " ItemIsMenu=false")
                    : " ItemIsMenu=(missing)";
        const gchar* tip_title = "(missing)";
        const gchar* tip_text = "";
        VariantPtr tooltip(g_variant_dict_lookup_value(&dict, "ToolTip", nullptr));
        if (tooltip && g_variant_is_of_type(tooltip.get(), G_VARIANT_TYPE("(sa(iiay)ss)"))) {
            g_variant_get(tooltip.get(), "(&s@a(iiay)&s&s)", nullptr, nullptr, &tip_title,
                          &tip_text);
        }
        line += std::string(" ToolTip=") + tip_title + "|" + tip_text;
        line += " Pixmap=" + DescribePixmap(&dict);
        g_variant_dict_clear(&dict);
        Say(line);
    }

    static std::string DescribePixmap(GVariantDict* dict) {
        VariantPtr pixmaps(
            g_variant_dict_lookup_value(dict, "IconPixmap", G_VARIANT_TYPE("a(iiay)")));
        if (!pixmaps || g_variant_n_children(pixmaps.get()) == 0) {
            return "(none)";
        }
        VariantPtr first(g_variant_get_child_value(pixmaps.get(), 0));
        gint32 width = 0;
        gint32 height = 0;
        GVariant* raw_bytes = nullptr;
        g_variant_get(first.get(), "(ii@ay)", &width, &height, &raw_bytes);
        VariantPtr bytes(raw_bytes);
        gsize size = 0;
        const auto* data =
            static_cast<const guint8*>(g_variant_get_fixed_array(bytes.get(), &size, 1));
        std::string text = std::to_string(width) + "x" + std::to_string(height);
        if (size != static_cast<gsize>(width) * height * 4 || size < 4) {
            return text + " size=" + std::to_string(size);
        }
        return text + " first=" + Hex(data) + " last=" + Hex(data + size - 4);
    }

    GDBusConnection* connection_ = nullptr;
    GDBusNodeInfo* node_ = nullptr;
    unsigned registration_ = 0;
    unsigned owner_ = 0;
    unsigned item_watch_ = 0;
    unsigned signals_ = 0;
    std::string item_name_;
    std::string item_path_;
};

struct Context {
    Watcher* watcher;
    GMainLoop* loop;
};

gboolean OnInput(GIOChannel* channel, GIOCondition, gpointer data) {
    auto* context = static_cast<Context*>(data);
    gchar* raw = nullptr;
    const GIOStatus status = g_io_channel_read_line(channel, &raw, nullptr, nullptr, nullptr);
    std::string line(raw != nullptr ? raw : "");
    g_free(raw);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
        line.pop_back();
    }
    if (status != G_IO_STATUS_NORMAL || !context->watcher->Run(line)) {
        g_main_loop_quit(context->loop);
        return G_SOURCE_REMOVE;
    }
    return G_SOURCE_CONTINUE;
}

}  // namespace

int main() {
    std::unique_ptr<GMainLoop, decltype(&g_main_loop_unref)> loop(g_main_loop_new(nullptr, FALSE),
                                                                  g_main_loop_unref);
    {
        Watcher watcher;
        if (!watcher.Start()) {
            std::fprintf(stderr, "shell_fake_watcher: no session bus\n");
            return 2;
        }
        Context context{&watcher, loop.get()};
        std::unique_ptr<GIOChannel, decltype(&g_io_channel_unref)> input(g_io_channel_unix_new(0),
                                                                         g_io_channel_unref);
        g_io_add_watch(input.get(), static_cast<GIOCondition>(G_IO_IN | G_IO_HUP), OnInput,
                       &context);
        g_timeout_add_seconds(
            kGiveUpSeconds,
            [](gpointer data) -> gboolean {
                Say("watcher gave up");
                exit_status = 3;
                g_main_loop_quit(static_cast<GMainLoop*>(data));
                return G_SOURCE_REMOVE;
            },
            loop.get());
        g_main_loop_run(loop.get());
    }
    return exit_status;
}
