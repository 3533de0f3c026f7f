# The page itself in headless Chromium and in Firefox (on a virtual X
# screen), as a visitor uses it: the site that
# `cmake --install` makes, served over HTTP.
add_test(NAME web_e2e COMMAND ${PROJECT_SOURCE_DIR}/scripts/with-xvfb /usr/bin/python3 ${CMAKE_CURRENT_SOURCE_DIR}/web/web_e2e.py ${PROJECT_BINARY_DIR})
set_tests_properties(web_e2e PROPERTIES TIMEOUT 300)
