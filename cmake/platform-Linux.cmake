# Which of the per-platform source files (faces_unix.cpp, platform_unix.cpp, speaker_unix.cpp …) this system builds.
set(VEXIL_PLATFORM unix)

# Debian's standard hardening for what is shipped: stack protector,
# fortified libc calls, read-only relocations bound at start, and PIE.
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
include(CheckPIESupported)
check_pie_supported()
add_compile_options($<${hardened}:-fstack-protector-strong> $<${hardened}:-D_FORTIFY_SOURCE=2>
                    $<${hardened}:-Wformat> $<${hardened}:-Werror=format-security>)
add_link_options($<${hardened}:LINKER:-z,relro,-z,now>)
