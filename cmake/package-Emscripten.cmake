# Vexil in the browser: a static site (the page, the loader, the program and
# their licences, all in one folder) and a zip of it, for any static host.
set(VEXIL_QT_WASM_RECIPES "" CACHE STRING
    "The scripts that built this Qt for WebAssembly (a list), shipped with the Qt licences")

install(FILES $<TARGET_FILE_DIR:Vexil>/vexil.js $<TARGET_FILE_DIR:Vexil>/vexil.wasm
              ${QT6_INSTALL_PREFIX}/plugins/platforms/qtloader.js
              ${PROJECT_BINARY_DIR}/shell/web/index.html
        DESTINATION .)
install(FILES ${PROJECT_BINARY_DIR}/data/icons/32x32/${VEXIL_APP_ID}.png DESTINATION . RENAME favicon.png)
foreach(size 192 512)  # for a home screen (manifest.webmanifest)
  install(FILES ${PROJECT_BINARY_DIR}/data/icons/${size}x${size}/${VEXIL_APP_ID}.png DESTINATION .
          RENAME icon-${size}.png)
endforeach()
install(FILES ${PROJECT_BINARY_DIR}/shell/web/manifest.webmanifest ${PROJECT_BINARY_DIR}/shell/web/sw.js
        DESTINATION .)

# Qt is LGPL-3, linked statically: its licence texts, its exact source and
# how it was built, so that a user can relink the program with another Qt;
# the fonts' licence (GPL 2 with the font exception); Vexil's own.
install(FILES LICENSE DESTINATION . RENAME LICENSE.txt)
install(DIRECTORY ${QT6_INSTALL_PREFIX}/LICENSES/ DESTINATION licences/Qt)
install(FILES data/web/qt-source.txt DESTINATION licences)
foreach(recipe IN LISTS VEXIL_QT_WASM_RECIPES)
  get_filename_component(name ${recipe} NAME)
  install(PROGRAMS ${recipe} DESTINATION licences RENAME ${name}.sh)
endforeach()
install(FILES /usr/share/doc/fonts-liberation/copyright DESTINATION licences RENAME fonts-liberation.txt)
install(FILES /usr/share/common-licenses/GPL-2 DESTINATION licences RENAME GPL-2.txt)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Vexil)
set(CPACK_PACKAGE_VENDOR "The Vexil developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME vexil-${PROJECT_VERSION}-web)
include(CPack)
