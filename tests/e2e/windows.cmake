# A small program that drives the GTK backend directly, checked through screenshots and xdotool.
add_executable(window_probe window_probe.cpp)
target_link_libraries(window_probe PRIVATE platform_gtk platform_cairo ui)

set(probe $<TARGET_FILE:window_probe>)
add_test(NAME e2e_layered_alpha
         COMMAND ${WITH_DISPLAY} --compositor -- ${CMAKE_CURRENT_SOURCE_DIR}/test_layered_alpha.sh
                 ${probe} blend)
add_test(NAME e2e_layered_shape_without_compositor
         COMMAND ${WITH_DISPLAY} -- ${CMAKE_CURRENT_SOURCE_DIR}/test_layered_alpha.sh ${probe} cut)
add_test(NAME e2e_layered_click_through
         COMMAND ${WITH_DISPLAY} --compositor -- ${CMAKE_CURRENT_SOURCE_DIR}/test_layered_click.sh
                 ${probe})
add_test(NAME e2e_message_box
         COMMAND ${WITH_DISPLAY} -- ${CMAKE_CURRENT_SOURCE_DIR}/test_message_box.sh ${probe})
add_test(NAME e2e_move_drag
         COMMAND ${WITH_DISPLAY} -- ${CMAKE_CURRENT_SOURCE_DIR}/test_move_drag.sh ${probe})
add_test(NAME e2e_window_input
         COMMAND ${WITH_DISPLAY} -- ${CMAKE_CURRENT_SOURCE_DIR}/test_input.sh ${probe})
add_test(NAME e2e_backend_services
         COMMAND ${WITH_DISPLAY} --size 1024x768 -- ${CMAKE_CURRENT_SOURCE_DIR}/test_backend.sh
                 ${probe})
set_tests_properties(e2e_layered_alpha e2e_layered_shape_without_compositor
                     e2e_layered_click_through e2e_message_box e2e_move_drag e2e_window_input
                     e2e_backend_services
                     PROPERTIES TIMEOUT 60 LABELS e2e)

# Without a display the backend refuses to start, saying why.
add_test(NAME e2e_no_display COMMAND env -u DISPLAY ${probe} backend)
set_tests_properties(e2e_no_display PROPERTIES TIMEOUT 60 LABELS e2e PASS_REGULAR_EXPRESSION
                     "window_probe: cannot open an X display: DISPLAY is not set")
