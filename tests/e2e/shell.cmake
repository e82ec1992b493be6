# The hot-key and tray-icon probe, and a stand-in notification-area watcher for the
# session-bus tray.
pkg_check_modules(SHELL_PROBE_GTK REQUIRED IMPORTED_TARGET gtk+-3.0)
add_executable(shell_probe shell_probe.cpp)
target_link_libraries(shell_probe PRIVATE platform_gtk PkgConfig::SHELL_PROBE_GTK)

add_executable(shell_fake_watcher shell_fake_watcher.cpp)
target_link_libraries(shell_fake_watcher PRIVATE PkgConfig::GIO)

add_test(NAME ShellHotKeys
         COMMAND ${WITH_DISPLAY} -- ${CMAKE_CURRENT_SOURCE_DIR}/shell_hotkeys.sh
                 $<TARGET_FILE:shell_probe>)
add_test(NAME ShellTrayXEmbed
         COMMAND ${WITH_DISPLAY} --tray -- ${CMAKE_CURRENT_SOURCE_DIR}/shell_tray_xembed.sh
                 $<TARGET_FILE:shell_probe>)
add_test(NAME ShellTrayXEmbedLate
         COMMAND ${WITH_DISPLAY} -- ${CMAKE_CURRENT_SOURCE_DIR}/shell_tray_xembed.sh
                 $<TARGET_FILE:shell_probe> late)
add_test(NAME ShellTrayStatusNotifier
         COMMAND ${WITH_DISPLAY} -- ${CMAKE_CURRENT_SOURCE_DIR}/shell_tray_sni.sh
                 $<TARGET_FILE:shell_probe> $<TARGET_FILE:shell_fake_watcher>)
set_tests_properties(ShellHotKeys ShellTrayXEmbed ShellTrayXEmbedLate ShellTrayStatusNotifier
                     PROPERTIES LABELS e2e TIMEOUT 60)
