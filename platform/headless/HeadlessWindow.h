#pragma once

#include <memory>
#include <string>

#include "platform/NativeWindow.h"
#include "platform/NativeWindowSink.h"
#include "ui/Bitmap.h"

namespace platform::headless {

class HeadlessBackend;

// A native window kept in memory: what the framework asked of it, for tests to read, and the
// pixels it was last given, so tests can look at what would be on the screen.
class HeadlessWindow final : public NativeWindow {
  public:
    HeadlessWindow(HeadlessBackend& backend, NativeWindowSink& sink,
                   const NativeWindowOptions& options);
    ~HeadlessWindow() override;

    void SetGeometry(const ui::Rect& screen_rect) override;
    void Show(ShowCommand command) override;
    void SetTitle(std::u16string_view text) override { title = text; }
    void SetIcon(std::span<const std::uint8_t> png) override { has_icon = !png.empty(); }
    void SetOwner(NativeWindow* window) override { owner = window; }
    void SetTaskbarVisible(bool shown) override { taskbar = shown; }
    void Raise() override;
    void Focus() override;
    void Present(const ui::Bitmap& content, const ui::Rect& dirty) override;
    bool PresentLayered(const ui::Bitmap& content, ui::Point screen_position) override;
    void SetCursor(Cursor shape) override { cursor = shape; }
    bool GrabPointer() override;
    void UngrabPointer() override;
    void BeginMoveDrag(ui::Point screen_point) override;

    // Whether a pointer at this screen point is this window's: inside it, shown, and for a
    // layered window on a pixel that is not fully transparent.
    bool TakesPointerAt(ui::Point screen) const;
    // The colour the window shows at a screen point; transparent outside it.
    ui::Color PixelAt(ui::Point screen) const;

    NativeWindowSink& sink;
    const NativeWindowOptions options;
    ui::Rect geometry;
    bool visible = false;
    bool minimized = false;
    std::u16string title;
    bool has_icon = false;
    NativeWindow* owner = nullptr;
    bool taskbar = true;
    Cursor cursor = Cursor::Arrow;
    int layered_presents = 0;
    std::unique_ptr<ui::Bitmap> picture;  // what the window shows, at its own size

  private:
    HeadlessBackend& backend_;
};

}  // namespace platform::headless
