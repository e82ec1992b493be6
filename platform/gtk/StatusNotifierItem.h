#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/TrayIcon.h"
#include "platform/gtk/TrayHandles.h"

namespace platform::gtk {

// A tray icon published on the session bus for a StatusNotifierWatcher's hosts to show.
class StatusNotifierItem final : public TrayIcon {
  public:
    // Null when the session bus is out of reach or no watcher owns its name there.
    static std::unique_ptr<StatusNotifierItem> Create(TrayIconSink& sink,
                                                      std::span<const std::uint8_t> icon_png,
                                                      std::u16string_view tip);
    ~StatusNotifierItem() override;
    StatusNotifierItem(const StatusNotifierItem&) = delete;
    StatusNotifierItem& operator=(const StatusNotifierItem&) = delete;

    void SetTip(std::u16string_view tip) override;

  private:
    // Lets Create reach the constructor through std::make_unique.
    struct Key {
        explicit Key() = default;
    };
    struct Pixmap {
        int width = 0;
        int height = 0;
        std::vector<std::uint8_t> argb;  // ARGB32, network byte order
    };

  public:
    StatusNotifierItem(Key, TrayIconSink& sink, ConnectionPtr connection, std::string tip,
                       Pixmap pixmap);

  private:
    bool Publish();
    void RegisterWithWatcher();
    void OnMethod(std::string_view method);
    GVariant* Property(std::string_view name) const;
    void EmitSignal(const char* name);

    static Pixmap PixmapFromPng(std::span<const std::uint8_t> png);

    // The C callbacks GDBus calls.
    struct Callbacks;
    friend struct Callbacks;

    TrayIconSink& sink_;
    ConnectionPtr connection_;
    CancellablePtr cancellable_;
    NodeInfoPtr node_info_;
    std::string id_;
    std::string tip_;
    Pixmap pixmap_;
    std::string bus_name_;
    bool owns_bus_name_ = false;
    unsigned registration_id_ = 0;
    unsigned watch_id_ = 0;
};

}  // namespace platform::gtk
