# Which of the per-platform source files (faces_web.cpp, speaker_web.cpp …) this system builds.
set(VEXIL_PLATFORM web)

# What a page loads, kept small: optimised for size at link time too.
add_link_options($<$<CONFIG:MinSizeRel>:-Oz>)

# Qt's browser build brings DejaVu and Vera (a megabyte); the page has faces
# of its own (window/faces_web.cpp), so they stay out of the download.
set_property(TARGET Qt6::QWasmIntegrationPlugin_resources_1 PROPERTY IMPORTED_OBJECTS_RELEASE "")
