# Web pages inside the program's windows, on WebKitGTK.
pkg_check_modules(WEBKIT REQUIRED IMPORTED_TARGET webkit2gtk-4.1)
target_sources(platform_gtk PRIVATE
    GtkWebView.cpp
    WebContext.cpp)
target_link_libraries(platform_gtk PRIVATE PkgConfig::WEBKIT)
