# Vexil for Windows: the program with exactly the DLLs it needs, its
# licences, a portable zip and a per-user installer.

# Qt's platform plugin, and every DLL that the program and the plugin import,
# found by their PE imports (cmake/deploy_dlls.cmake).
set(qt_platform_plugin $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>)
install(FILES ${qt_platform_plugin} DESTINATION platforms)
# The MinGW runtime lies where this compiler says, whatever its version.
foreach(dll libstdc++-6.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  get_filename_component(found "${found}" DIRECTORY)
  list(APPEND runtime_dirs "[[${found}]]")
endforeach()
list(JOIN runtime_dirs " " runtime_dirs)
# Every path in bracket quotes: a folder's name may hold a blank.
install(CODE "
  set(OBJDUMP [[${CMAKE_OBJDUMP}]])
  set(STRIP [[${CMAKE_STRIP}]])
  set(DEST \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\")
  set(DIRS [[${QT_MINGW_PREFIX}/bin]] ${runtime_dirs})
  set(SYSTEM_DIR [[/usr/lib/x86_64-linux-gnu/wine/x86_64-windows]])
  set(BINARIES [[$<TARGET_FILE:Vexil>]] [[${qt_platform_plugin}]])
  include([[${PROJECT_SOURCE_DIR}/cmake/deploy_dlls.cmake]])")

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
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_VEXIL_VERSION_QUAD ${VEXIL_VERSION_QUAD})  # for the installer's own version resource
set(CPACK_VEXIL_RUNNING_MUTEX ${VEXIL_RUNNING_MUTEX})  # how the installer finds a running Vexil
set(CPACK_VEXIL_TITLE ${VEXIL_TITLE})
set(CPACK_PACKAGE_FILE_NAME vexil-${PROJECT_VERSION}-win64)
set(CPACK_STRIP_FILES ON)
set(CPACK_NSIS_MUI_ICON ${PROJECT_BINARY_DIR}/shell/vexil.ico)
list(PREPEND CMAKE_MODULE_PATH ${PROJECT_SOURCE_DIR}/cmake/windows)
include(CPack)
