# The page itself in headless Chromium and in Firefox (on a virtual X
# screen), as a visitor uses it: the site that `cmake --install` makes,
# served over HTTP.
add_test(NAME web_e2e COMMAND ${PROJECT_SOURCE_DIR}/scripts/with-xvfb /usr/bin/python3
         ${CMAKE_CURRENT_SOURCE_DIR}/web/web_e2e.py ${PROJECT_BINARY_DIR})
set_tests_properties(web_e2e PROPERTIES TIMEOUT 300)
# Heard through Orca in Chromium, as a blind visitor hears it.
add_test(NAME orca_web COMMAND ${PROJECT_SOURCE_DIR}/scripts/with-xvfb dbus-run-session --
         /usr/bin/python3 ${PROJECT_SOURCE_DIR}/tests/orca_e2e.py ${PROJECT_BINARY_DIR} ru_RU.UTF-8)
set_tests_properties(orca_web PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 180)
