# 64-bit Windows, cross-built with Debian's MinGW-w64 (posix threads) against
# a Qt for MinGW (QT_MINGW_PREFIX; scripts/windows unpacks it to
# build/qt6-mingw). Qt's host tools are Debian's own. Test programs run under
# Wine, each on its own virtual X server (scripts/with-xvfb, scripts/wine-run).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_OBJDUMP x86_64-w64-mingw32-objdump)

get_filename_component(vexil_source_dir "${CMAKE_CURRENT_LIST_DIR}/../.." ABSOLUTE)
set(QT_MINGW_PREFIX "${vexil_source_dir}/build/qt6-mingw" CACHE PATH "Qt 6 built for MinGW-w64")
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 "${QT_MINGW_PREFIX}")
set(CMAKE_PREFIX_PATH "${QT_MINGW_PREFIX}")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR "${vexil_source_dir}/scripts/with-xvfb;${vexil_source_dir}/scripts/wine-run")
