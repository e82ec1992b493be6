target_sources(platform_gtk PRIVATE
    GtkBackend.cpp
    GtkNativeWindow.cpp
    PresentNow.cpp
    VirtualKeys.cpp)
# Layered windows set their shape through the X shape extension directly.
pkg_check_modules(XEXT REQUIRED IMPORTED_TARGET xext)
target_link_libraries(platform_gtk PRIVATE PkgConfig::XEXT)
