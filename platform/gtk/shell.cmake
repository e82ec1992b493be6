# Global hot keys and the tray icon.
target_sources(platform_gtk PRIVATE
    GtkTrayIcon.cpp
    PixbufFromPng.cpp
    StatusNotifierItem.cpp
    X11HotKeys.cpp
    XEmbedTrayIcon.cpp)
