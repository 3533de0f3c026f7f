# Vexil for Windows: the program with exactly the DLLs it needs, its
# licences, a portable zip and a per-user installer.

# Qt's platform plugin, and every DLL that the program and the plugin import,
# found by their PE imports (cmake/deploy_dlls.cmake).
set(qt_platform_plugin $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>)
install(FILES ${qt_platform_plugin} DESTINATION platforms)
install(CODE "
  set(OBJDUMP ${CMAKE_OBJDUMP})
  set(STRIP ${CMAKE_STRIP})
  set(DEST \$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX})
  set(DIRS ${QT_MINGW_PREFIX}/bin /usr/lib/gcc/x86_64-w64-mingw32/12-posix /usr/x86_64-w64-mingw32/lib)
  set(SYSTEM_DIR /usr/lib/x86_64-linux-gnu/wine/x86_64-windows)
  set(BINARIES $<TARGET_FILE:Vexil> ${qt_platform_plugin})
  include(${PROJECT_SOURCE_DIR}/cmake/deploy_dlls.cmake)")

# Qt is LGPL-3, linked dynamically: its licence texts and where its exact
# source is; the GCC runtime's licence with its exception; Vexil's own.
install(FILES LICENSE DESTINATION . RENAME LICENSE.txt)
install(DIRECTORY ${QT_MINGW_PREFIX}/LICENSES/ DESTINATION licences/Qt)
install(FILES data/windows/qt-source.txt DESTINATION licences)
install(FILES /usr/share/doc/gcc-mingw-w64-x86-64-posix-runtime/copyright DESTINATION licences
        RENAME gcc-runtime.txt)
install(FILES /usr/share/common-licenses/GPL-3 DESTINATION licences RENAME GPL-3.txt)
install(FILES /usr/share/doc/mingw-w64-x86-64-dev/copyright DESTINATION licences RENAME mingw-w64.txt)

# A portable zip that runs from any folder, and a per-user installer
# (cmake/windows/NSIS.template.in: CMake's own asks for administrator rights).
set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME Vexil)
set(CPACK_PACKAGE_VENDOR "The Vexil developers")
set(CPACK_PACKAGE_VERSION 2.00)
set(CPACK_PACKAGE_FILE_NAME vexil-2.00-win64)
set(CPACK_STRIP_FILES ON)
set(CPACK_NSIS_MUI_ICON ${PROJECT_BINARY_DIR}/shell/vexil.ico)
list(PREPEND CMAKE_MODULE_PATH ${PROJECT_SOURCE_DIR}/cmake/windows)
include(CPack)
