# Which of the per-platform parts this system builds: the page (page/).
set(VEXIL_PLATFORM web)

# What a page loads, kept small: optimised for size at link time too.
add_link_options($<$<CONFIG:MinSizeRel>:-Oz>)
