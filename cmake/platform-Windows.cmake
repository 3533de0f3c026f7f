# Which of the per-platform source files (faces_windows.cpp …) this system builds.
set(VEXIL_PLATFORM windows)

# Windows' own hardening lives in the PE header: address space layout
# randomisation with high entropy (relocatable, 64-bit addresses) and data
# execution prevention. The stack protector and fortified calls need libssp,
# which the driver links when it sees the flag at link time too.
add_compile_options($<${hardened}:-fstack-protector-strong> $<${hardened}:-D_FORTIFY_SOURCE=2>
                    $<${hardened}:-Wformat> $<${hardened}:-Werror=format-security>)
add_link_options($<${hardened}:-fstack-protector-strong>
                 LINKER:--dynamicbase LINKER:--high-entropy-va LINKER:--nxcompat)

# A Windows program keeps its DLLs beside it: one folder, no bin/.
set(CMAKE_INSTALL_BINDIR .)
