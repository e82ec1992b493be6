# Web views on the GTK backend: pages served from 127.0.0.1 by a server each test starts.
add_executable(web_probe web_probe.cpp)
target_link_libraries(web_probe PRIVATE platform_gtk ui)

foreach(name layout navigation mouse cookies)
    add_test(NAME e2e_web_${name}
             COMMAND ${WITH_DISPLAY} -- ${CMAKE_CURRENT_SOURCE_DIR}/test_web_${name}.sh
                     $<TARGET_FILE:web_probe>)
    set_tests_properties(e2e_web_${name} PROPERTIES TIMEOUT 90 LABELS e2e)
endforeach()
