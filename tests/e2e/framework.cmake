# The framework's windows and shell services on the GTK backend.
add_executable(framework_probe framework_probe.cpp)
target_link_libraries(framework_probe PRIVATE platform_gtk ui)

foreach(mode layered message hotkey tray)
    set(options "")
    if(mode STREQUAL "layered")
        set(options --compositor)
    elseif(mode STREQUAL "tray")
        set(options --tray)
    endif()
    add_test(NAME e2e_framework_${mode}
             COMMAND ${WITH_DISPLAY} ${options} -- ${CMAKE_CURRENT_SOURCE_DIR}/framework.sh
                     $<TARGET_FILE:framework_probe> ${mode})
    set_tests_properties(e2e_framework_${mode} PROPERTIES TIMEOUT 60 LABELS e2e)
endforeach()
