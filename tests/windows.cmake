# Windows-only tests, under Wine on a private virtual X server (each test
# program runs through scripts/with-xvfb and scripts/wine-run, the
# cross-compiling emulator).

# The form's own tests in a prefix whose windows Wine frames itself, with no
# wait for a window manager (scripts/wine-run): a tenth of the time.
foreach(test window_test interaction_test keyboard_test desktop_test)
  set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT
               "WINEPREFIX=${CMAKE_BINARY_DIR}/wine-unmanaged;VEXIL_WINE_UNMANAGED=1")
endforeach()

# Where a stripped-down Windows lacks Arial: every result field still shows
# its text.
add_test(NAME desktop_test_no_arial COMMAND desktop_test ownColours)
set_tests_properties(desktop_test_no_arial PROPERTIES ENVIRONMENT
  "${window_platform};WINEPREFIX=${CMAKE_BINARY_DIR}/wine-no-arial;VEXIL_NO_ARIAL=1;VEXIL_WINE_UNMANAGED=1")

# The same end-to-end test as on Linux, built for the host, clicking the
# Windows program. It lives in the host's release build.
add_test(NAME e2e_wine COMMAND ${PROJECT_SOURCE_DIR}/scripts/with-xvfb
         env "VEXIL_COMMAND=${PROJECT_SOURCE_DIR}/scripts/wine-run $<TARGET_FILE:Vexil>"
         ${VEXIL_HOST_BUILD}/tests/e2e_test)
set_tests_properties(e2e_wine PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 300)

# The program's PE header, the portable zip and the installer, as a Windows
# user gets them.
add_test(NAME windows_package COMMAND ${PROJECT_SOURCE_DIR}/scripts/with-xvfb
         ${CMAKE_CURRENT_SOURCE_DIR}/windows_package_test.sh
         ${PROJECT_BINARY_DIR} ${PROJECT_SOURCE_DIR} ${PROJECT_VERSION})
set_tests_properties(windows_package PROPERTIES TIMEOUT 600)
