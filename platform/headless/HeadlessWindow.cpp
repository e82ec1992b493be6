#include "platform/headless/HeadlessWindow.h"

#include "platform/headless/HeadlessBackend.h"
#include "ui/Graphics.h"

namespace platform::headless {

HeadlessWindow::HeadlessWindow(HeadlessBackend& backend, NativeWindowSink& window_sink,
                               const NativeWindowOptions& window_options)
    : sink(window_sink), options(window_options), backend_(backend) {}

HeadlessWindow::~HeadlessWindow() {
    backend_.Forget(this);
}

void HeadlessWindow::SetGeometry(const ui::Rect& screen_rect) {
    geometry = screen_rect;
    if (!options.layered) {
        // An opaque window keeps what it showed where the new size still covers it.
        auto resized = ui::Bitmap::Create(geometry.Width(), geometry.Height());
        if (picture != nullptr) {
            ui::Graphics::FromBitmap(*resized)->DrawImage(*picture, 0, 0,
                                                          static_cast<int>(picture->GetWidth()),
                                                          static_cast<int>(picture->GetHeight()));
        }
        picture = std::move(resized);
    }
}

void HeadlessWindow::Show(ShowCommand command) {
    switch (command) {
        case ShowCommand::Hide:
            visible = false;
            if (backend_.Grab() == this) {
                backend_.SetGrab(nullptr);
            }
            return;
        case ShowCommand::Minimize:
            visible = true;
            minimized = true;
            return;
        case ShowCommand::Show:
        case ShowCommand::Maximize:
        case ShowCommand::Restore:
            visible = true;
            minimized = false;
            backend_.RaiseWindow(this);
            backend_.focused = this;
            return;
        case ShowCommand::ShowNoActivate:
            visible = true;
            minimized = false;
            return;
    }
}

void HeadlessWindow::Raise() {
    backend_.RaiseWindow(this);
}

void HeadlessWindow::Focus() {
    backend_.focused = this;
}

void HeadlessWindow::Present(const ui::Bitmap& content, const ui::Rect&) {
    // The whole surface is what the window shows now; a copy keeps it past the framework's
    // next change.
    picture = ui::Bitmap::Create(static_cast<int>(content.GetWidth()),
                                 static_cast<int>(content.GetHeight()));
    ui::Graphics::FromBitmap(*picture)->DrawImage(
        content, 0, 0, static_cast<int>(content.GetWidth()), static_cast<int>(content.GetHeight()));
}

bool HeadlessWindow::PresentLayered(const ui::Bitmap& content, ui::Point screen_position) {
    geometry = ui::Rect::FromXywh(screen_position.x, screen_position.y,
                                  static_cast<int>(content.GetWidth()),
                                  static_cast<int>(content.GetHeight()));
    picture = ui::Bitmap::Create(geometry.Width(), geometry.Height());
    ui::Graphics::FromBitmap(*picture)->DrawImage(content, 0, 0, geometry.Width(),
                                                  geometry.Height());
    ++layered_presents;
    return true;
}

bool HeadlessWindow::GrabPointer() {
    if (backend_.Grab() != nullptr && backend_.Grab() != this) {
        return false;
    }
    backend_.SetGrab(this);
    return true;
}

void HeadlessWindow::UngrabPointer() {
    if (backend_.Grab() == this) {
        backend_.SetGrab(nullptr);
    }
}

void HeadlessWindow::BeginMoveDrag(ui::Point) {
    backend_.StartMoveDrag(this);
}

bool HeadlessWindow::TakesPointerAt(ui::Point screen) const {
    if (!visible || minimized || !geometry.Contains(screen)) {
        return false;
    }
    return !options.layered || PixelAt(screen).A() != 0;
}

ui::Color HeadlessWindow::PixelAt(ui::Point screen) const {
    if (picture == nullptr || !geometry.Contains(screen)) {
        return {};
    }
    return picture->GetPixel(screen.x - geometry.left, screen.y - geometry.top);
}

}  // namespace platform::headless
