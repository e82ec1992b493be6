#pragma once

#include <gdk-pixbuf/gdk-pixbuf.h>
#include <gio/gio.h>

#include <memory>

namespace platform::gtk {

struct GObjectUnref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
struct GErrorFree {
    void operator()(GError* error) const { g_error_free(error); }
};
struct GVariantUnref {
    void operator()(GVariant* variant) const { g_variant_unref(variant); }
};
struct GDBusNodeInfoUnref {
    void operator()(GDBusNodeInfo* info) const { g_dbus_node_info_unref(info); }
};

using ConnectionPtr = std::unique_ptr<GDBusConnection, GObjectUnref>;
using CancellablePtr = std::unique_ptr<GCancellable, GObjectUnref>;
using PixbufPtr = std::unique_ptr<GdkPixbuf, GObjectUnref>;
using ErrorPtr = std::unique_ptr<GError, GErrorFree>;
using VariantPtr = std::unique_ptr<GVariant, GVariantUnref>;
using NodeInfoPtr = std::unique_ptr<GDBusNodeInfo, GDBusNodeInfoUnref>;

}  // namespace platform::gtk
