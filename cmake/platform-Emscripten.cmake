# Which of the per-platform parts this system builds: the page (page/).
set(VEXIL_PLATFORM web)

# What a page loads, kept small: optimised for size at link time too, and
# across all of the core's sources, so that what the page never calls goes.
add_compile_options($<$<CONFIG:MinSizeRel>:-flto>)
add_link_options($<$<CONFIG:MinSizeRel>:-Oz> $<$<CONFIG:MinSizeRel>:-flto>)
