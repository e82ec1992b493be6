# The client's launcher, run for real on a composited display with a tray: where it opens and
# what it draws, its buttons and dragging under the pointer, and how it ends.
foreach(check appearance pointer exit)
    add_test(NAME e2e_launcher_${check}
             COMMAND ${WITH_DISPLAY} --compositor --tray --
                     ${CMAKE_CURRENT_LIST_DIR}/test_launcher.sh $<TARGET_FILE:MicroGameClient>
                     $<TARGET_FILE:window_probe> ${check})
    set_tests_properties(e2e_launcher_${check} PROPERTIES TIMEOUT 60 LABELS e2e)
endforeach()

# The launcher page against the demo site.
add_test(NAME e2e_client_page
         COMMAND ${WITH_DISPLAY} --compositor --tray --
                 ${CMAKE_CURRENT_LIST_DIR}/test_client_page.sh $<TARGET_FILE:MicroGameClient>)
set_tests_properties(e2e_client_page PROPERTIES TIMEOUT 90 LABELS e2e)
