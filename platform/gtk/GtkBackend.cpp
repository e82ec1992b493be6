#include "platform/gtk/GtkBackend.h"

#include <gtk/gtk.h>

#include <algorithm>
#include <stdexcept>
#include <string>

#include "platform/gtk/GtkNativeWindow.h"
#include "platform/gtk/GtkTrayIcon.h"
#include "platform/gtk/GtkWebView.h"
#include "platform/gtk/WebContext.h"
#include "platform/gtk/WindowHandles.h"
#include "ui/TextEncoding.h"

namespace platform::gtk {
namespace {

GdkDisplay* OpenDisplay() {
    // The program lays itself out in physical pixels; global hot keys and layered windows
    // need X11 even inside a Wayland session.
    g_setenv("GDK_SCALE", "1", FALSE);
    g_setenv("GDK_DPI_SCALE", "1", FALSE);
    gdk_set_allowed_backends("x11");
    if (!gtk_init_check(nullptr, nullptr)) {
        const char* name = g_getenv("DISPLAY");
        throw std::runtime_error(name != nullptr && *name != '\0'
                                     ? std::string("cannot open the X display ") + name
                                     : std::string("cannot open an X display: DISPLAY is not set"));
    }
    return gdk_display_get_default();
}

MessageBoxAnswer AnswerOf(int response, MessageBoxButtons buttons) {
    switch (response) {
        case GTK_RESPONSE_YES:
            return MessageBoxAnswer::Yes;
        case GTK_RESPONSE_NO:
            return MessageBoxAnswer::No;
        case GTK_RESPONSE_OK:
            return MessageBoxAnswer::Ok;
        default:
            // Closing a question without answering it declines it.
            return buttons == MessageBoxButtons::YesNo ? MessageBoxAnswer::No
                                                       : MessageBoxAnswer::Cancel;
    }
}

}  // namespace

GtkBackend::GtkBackend() : display_(OpenDisplay()), hot_keys_(display_) {}

GtkBackend::~GtkBackend() {
    for (const auto& [id, timer] : timers_) {
        g_source_remove(timer->source);
    }
}

std::unique_ptr<NativeWindow> GtkBackend::CreateNativeWindow(NativeWindowSink& sink,
                                                             const NativeWindowOptions& options) {
    return std::make_unique<GtkNativeWindow>(sink, options);
}

void GtkBackend::WaitForEvents() {
    g_main_context_iteration(nullptr, TRUE);
}

std::uint64_t GtkBackend::StartTimer(int milliseconds, std::function<void()> fire) {
    const std::uint64_t id = next_timer_id_++;
    auto timer = std::make_unique<Timer>(Timer{this, id, 0, std::move(fire)});
    timer->source =
        g_timeout_add(static_cast<guint>(std::max(milliseconds, 0)), OnTimer, timer.get());
    timers_.emplace(id, std::move(timer));
    return id;
}

void GtkBackend::StopTimer(std::uint64_t id) {
    const auto it = timers_.find(id);
    if (it == timers_.end()) {
        return;
    }
    g_source_remove(it->second->source);
    timers_.erase(it);
}

int GtkBackend::OnTimer(void* data) {
    auto* timer = static_cast<Timer*>(data);
    // Forget the timer before it fires: the callback may start and stop timers, itself too.
    std::function<void()> fire = std::move(timer->fire);
    timer->backend->timers_.erase(timer->id);
    fire();
    return G_SOURCE_REMOVE;
}

ui::Rect GtkBackend::WorkArea() {
    GdkMonitor* monitor = gdk_display_get_primary_monitor(display_);
    if (monitor == nullptr) {
        // X servers without RandR's primary output name none.
        monitor = gdk_display_get_monitor(display_, 0);
    }
    if (monitor == nullptr) {
        return {};
    }
    GdkRectangle area;
    gdk_monitor_get_workarea(monitor, &area);
    return ui::Rect::FromXywh(area.x, area.y, area.width, area.height);
}

ui::Point GtkBackend::CursorPosition() {
    GdkDevice* pointer = gdk_seat_get_pointer(gdk_display_get_default_seat(display_));
    ui::Point position;
    gdk_device_get_position(pointer, nullptr, &position.x, &position.y);
    return position;
}

MessageBoxAnswer GtkBackend::ShowMessageBox(NativeWindow* owner, std::u16string_view text,
                                            std::u16string_view caption,
                                            MessageBoxButtons buttons) {
    const auto* gtk_owner = dynamic_cast<const GtkNativeWindow*>(owner);
    const bool question = buttons == MessageBoxButtons::YesNo;
    const WidgetPtr dialog(gtk_message_dialog_new(
        gtk_owner != nullptr ? gtk_owner->Window() : nullptr, GTK_DIALOG_MODAL,
        question ? GTK_MESSAGE_QUESTION : GTK_MESSAGE_INFO,
        question ? GTK_BUTTONS_YES_NO : GTK_BUTTONS_OK, "%s", ui::ToUtf8(text).c_str()));
    GtkWindow* window = GTK_WINDOW(dialog.get());
    gtk_window_set_title(window, ui::ToUtf8(caption).c_str());
    gtk_window_set_position(
        window, gtk_owner != nullptr ? GTK_WIN_POS_CENTER_ON_PARENT : GTK_WIN_POS_CENTER);
    // Enter answers with the default button whichever button the keyboard focus starts on.
    const int default_response = question ? GTK_RESPONSE_YES : GTK_RESPONSE_OK;
    gtk_dialog_set_default_response(GTK_DIALOG(window), default_response);
    gtk_widget_grab_focus(gtk_dialog_get_widget_for_response(GTK_DIALOG(window), default_response));
    return AnswerOf(gtk_dialog_run(GTK_DIALOG(window)), buttons);
}

bool GtkBackend::OpenUri(std::string_view uri) {
    GError* raw_error = nullptr;
    const bool launched =
        g_app_info_launch_default_for_uri(std::string(uri).c_str(), nullptr, &raw_error);
    const ErrorPtr error(raw_error);
    return launched;
}

int GtkBackend::GrabHotKey(unsigned modifiers, std::uint8_t virtual_key,
                           std::function<void()> pressed) {
    return hot_keys_.Grab(modifiers, virtual_key, std::move(pressed));
}

void GtkBackend::UngrabHotKey(int handle) {
    hot_keys_.Ungrab(handle);
}

std::unique_ptr<WebView> GtkBackend::CreateWebView(NativeWindow& parent, WebViewSink& sink,
                                                   const WebViewSettings& settings) {
    auto* window = dynamic_cast<GtkNativeWindow*>(&parent);
    if (window == nullptr) {
        return nullptr;
    }
    return std::make_unique<GtkWebView>(*window, sink, settings, Web());
}

void GtkBackend::ClearWebCookies() {
    Web()->ClearCookies();
}

const std::shared_ptr<WebContext>& GtkBackend::Web() {
    if (!web_) {
        web_ = std::make_shared<WebContext>();
    }
    return web_;
}

std::unique_ptr<TrayIcon> GtkBackend::CreateTrayIcon(TrayIconSink& sink,
                                                     std::span<const std::uint8_t> icon_png,
                                                     std::u16string_view tip) {
    return GtkTrayIcon::Create(sink, icon_png, tip);
}

}  // namespace platform::gtk
