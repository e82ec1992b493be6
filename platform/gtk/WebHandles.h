#pragma once

#include <gtk/gtk.h>
#include <webkit2/webkit2.h>

#include <memory>

#include "platform/gtk/TrayHandles.h"

namespace platform::gtk {

// A child widget this program holds a reference of its own on: destroying it takes it out of
// its container, and the reference keeps the pointer valid until then even when the container
// went first.
struct OwnedWidgetDestroy {
    void operator()(GtkWidget* widget) const {
        gtk_widget_destroy(widget);
        g_object_unref(widget);
    }
};
struct UserScriptUnref {
    void operator()(WebKitUserScript* script) const { webkit_user_script_unref(script); }
};
struct UserStyleSheetUnref {
    void operator()(WebKitUserStyleSheet* sheet) const { webkit_user_style_sheet_unref(sheet); }
};
struct GFree {
    void operator()(gpointer memory) const { g_free(memory); }
};

using OwnedWidgetPtr = std::unique_ptr<GtkWidget, OwnedWidgetDestroy>;
using ObjectPtr = std::unique_ptr<GObject, GObjectUnref>;
using WebContextPtr = std::unique_ptr<WebKitWebContext, GObjectUnref>;
using WebsiteDataManagerPtr = std::unique_ptr<WebKitWebsiteDataManager, GObjectUnref>;
using UserContentManagerPtr = std::unique_ptr<WebKitUserContentManager, GObjectUnref>;
using WebSettingsPtr = std::unique_ptr<WebKitSettings, GObjectUnref>;
using UserScriptPtr = std::unique_ptr<WebKitUserScript, UserScriptUnref>;
using UserStyleSheetPtr = std::unique_ptr<WebKitUserStyleSheet, UserStyleSheetUnref>;
using CharsPtr = std::unique_ptr<char, GFree>;

}  // namespace platform::gtk
