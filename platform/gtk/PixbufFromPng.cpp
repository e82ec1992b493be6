#include "platform/gtk/PixbufFromPng.h"

namespace platform::gtk {

PixbufPtr PixbufFromPng(std::span<const std::uint8_t> png) {
    std::unique_ptr<GdkPixbufLoader, GObjectUnref> loader(
        gdk_pixbuf_loader_new_with_type("png", nullptr));
    if (!loader) {
        return nullptr;
    }
    GError* raw_error = nullptr;
    const bool written = gdk_pixbuf_loader_write(loader.get(), png.data(), png.size(), &raw_error);
    ErrorPtr write_error(raw_error);
    raw_error = nullptr;
    // Closing is needed even after a failed write, or the loader complains when finalized.
    const bool closed = gdk_pixbuf_loader_close(loader.get(), &raw_error);
    ErrorPtr close_error(raw_error);
    if (!written || !closed) {
        return nullptr;
    }
    GdkPixbuf* pixbuf = gdk_pixbuf_loader_get_pixbuf(loader.get());
    if (pixbuf == nullptr) {
        return nullptr;
    }
    // The loader owns the pixbuf it hands out.
    return PixbufPtr(GDK_PIXBUF(g_object_ref(pixbuf)));
}

}  // namespace platform::gtk
