// Drives the hot-key and tray-icon classes for the end-to-end scripts. Commands arrive one a
// line on standard input; results and events go to standard output, one a line:
//   grab NAME MODIFIERS VK  -> "grab NAME ok" or "grab NAME refused"; presses: "pressed NAME"
//   ungrab NAME             -> "ungrab NAME"
//   locks                   -> "locks caps=on|off num=on|off", the keyboard's lock state
//   tray TIP                -> "tray created" or "tray none"; clicks: "tray KIND BUTTON"
//   tip TIP                 -> "tip set"
//   untray                  -> "untray"
//   quit, or end of input   -> exits
// It gives up by itself after a while, so a broken test never hangs.
#include <gdk-pixbuf/gdk-pixbuf.h>
#include <gtk/gtk.h>

#include <cstdio>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "platform/gtk/GtkTrayIcon.h"
#include "platform/gtk/X11HotKeys.h"
#include "ui/TextEncoding.h"

namespace {

constexpr guint kGiveUpSeconds = 50;
int exit_status = 0;

void Say(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

const char* KindName(platform::MouseEvent::Kind kind) {
    using Kind = platform::MouseEvent::Kind;
    switch (kind) {
        case Kind::Press:
            return "Press";
        case Kind::Release:
            return "Release";
        case Kind::DoubleClick:
            return "DoubleClick";
        default:
            return "Other";
    }
}

const char* ButtonName(platform::MouseButton button) {
    using platform::MouseButton;
    switch (button) {
        case MouseButton::Left:
            return "Left";
        case MouseButton::Right:
            return "Right";
        case MouseButton::Middle:
            return "Middle";
        default:
            return "None";
    }
}

class PrintingSink : public platform::TrayIconSink {
  public:
    void OnTrayMouse(platform::MouseEvent::Kind kind, platform::MouseButton button) override {
        Say(std::string("tray ") + KindName(kind) + " " + ButtonName(button));
    }
};

// The icon: opaque 0x112233 everywhere but the last pixel, which is 0x445566 at half alpha,
// so the scripts can check the colour channels and their order.
std::vector<std::uint8_t> ProbeIconPng() {
    std::unique_ptr<GdkPixbuf, decltype(&g_object_unref)> pixbuf(
        gdk_pixbuf_new(GDK_COLORSPACE_RGB, TRUE, 8, 16, 16), g_object_unref);
    gdk_pixbuf_fill(pixbuf.get(), 0x112233ff);
    guint8* last =
        gdk_pixbuf_get_pixels(pixbuf.get()) + 15 * gdk_pixbuf_get_rowstride(pixbuf.get()) + 15 * 4;
    last[0] = 0x44;
    last[1] = 0x55;
    last[2] = 0x66;
    last[3] = 0x80;
    gchar* buffer = nullptr;
    gsize size = 0;
    if (!gdk_pixbuf_save_to_buffer(pixbuf.get(), &buffer, &size, "png", nullptr, nullptr)) {
        return {};
    }
    std::vector<std::uint8_t> png(buffer, buffer + size);
    g_free(buffer);
    return png;
}

class Probe {
  public:
    Probe() : hot_keys_(gdk_display_get_default()), icon_png_(ProbeIconPng()) {}

    // False when the probe should end.
    bool Run(const std::string& line) {
        std::istringstream words(line);
        std::string command;
        words >> command;
        if (command == "grab") {
            std::string name;
            unsigned modifiers = 0;
            unsigned virtual_key = 0;
            words >> name >> modifiers >> virtual_key;
            const int handle = hot_keys_.Grab(modifiers, static_cast<std::uint8_t>(virtual_key),
                                              [name] { Say("pressed " + name); });
            if (handle != 0) {
                handles_[name] = handle;
            }
            Say("grab " + name + (handle != 0 ? " ok" : " refused"));
        } else if (command == "ungrab") {
            std::string name;
            words >> name;
            hot_keys_.Ungrab(handles_[name]);
            handles_.erase(name);
            Say("ungrab " + name);
        } else if (command == "locks") {
            GdkKeymap* keymap = gdk_keymap_get_for_display(gdk_display_get_default());
            Say(std::string("locks caps=") + OnOff(gdk_keymap_get_caps_lock_state(keymap)) +
                " num=" + OnOff(gdk_keymap_get_num_lock_state(keymap)));
        } else if (command == "tray") {
            icon_ = platform::gtk::GtkTrayIcon::Create(sink_, icon_png_, Rest(words));
            Say(icon_ ? "tray created" : "tray none");
        } else if (command == "tip" && icon_) {
            icon_->SetTip(Rest(words));
            Say("tip set");
        } else if (command == "untray") {
            icon_.reset();
            Say("untray");
        } else if (command == "quit") {
            return false;
        } else if (!command.empty()) {
            Say("unknown " + line);
        }
        return true;
    }

  private:
    static const char* OnOff(gboolean on) { return on ? "on" : "off"; }

    static std::u16string Rest(std::istringstream& words) {
        std::string rest;
        std::getline(words >> std::ws, rest);
        return ui::FromUtf8(rest);
    }

    platform::gtk::X11HotKeys hot_keys_;
    std::map<std::string, int> handles_;
    PrintingSink sink_;
    std::vector<std::uint8_t> icon_png_;
    std::unique_ptr<platform::TrayIcon> icon_;
};

gboolean OnInput(GIOChannel* channel, GIOCondition, gpointer data) {
    gchar* raw = nullptr;
    gsize length = 0;
    const GIOStatus status = g_io_channel_read_line(channel, &raw, &length, nullptr, nullptr);
    std::string line(raw != nullptr ? raw : "");
    g_free(raw);
    if (status == G_IO_STATUS_AGAIN) {
        return G_SOURCE_CONTINUE;
    }
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
        line.pop_back();
    }
    if (status != G_IO_STATUS_NORMAL || !static_cast<Probe*>(data)->Run(line)) {
        gtk_main_quit();
        return G_SOURCE_REMOVE;
    }
    return G_SOURCE_CONTINUE;
}

gboolean GiveUp(gpointer) {
    Say("probe gave up");
    exit_status = 3;
    gtk_main_quit();
    return G_SOURCE_REMOVE;
}

}  // namespace

int main(int argc, char** argv) {
    if (!gtk_init_check(&argc, &argv)) {
        std::fprintf(stderr, "shell_probe: no display\n");
        return 2;
    }
    // Held open all along, as the program's other users of the bus would: removing the icon
    // then has to give up its bus name itself rather than leave it to the connection closing.
    std::unique_ptr<GDBusConnection, decltype(&g_object_unref)> session_bus(
        g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr), g_object_unref);
    // Scoped so the icon and the grabs are released while GTK is still up.
    {
        Probe probe;
        std::unique_ptr<GIOChannel, decltype(&g_io_channel_unref)> input(g_io_channel_unix_new(0),
                                                                         g_io_channel_unref);
        g_io_add_watch(input.get(), static_cast<GIOCondition>(G_IO_IN | G_IO_HUP), OnInput, &probe);
        g_timeout_add_seconds(kGiveUpSeconds, GiveUp, nullptr);
        Say("probe ready");
        gtk_main();
    }
    gdk_display_flush(gdk_display_get_default());
    return exit_status;
}
