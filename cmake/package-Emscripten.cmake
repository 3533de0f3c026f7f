# Vexil in the browser: a static site (the page, the loader, the program and
# their licences, all in one folder) and a zip of it, for any static host.
set(VEXIL_QT_WASM_RECIPE "" CACHE FILEPATH
    "The script that built this Qt for WebAssembly, shipped with the Qt licences")

install(FILES $<TARGET_FILE_DIR:Vexil>/vexil.js $<TARGET_FILE_DIR:Vexil>/vexil.wasm
              ${QT6_INSTALL_PREFIX}/plugins/platforms/qtloader.js
              ${PROJECT_BINARY_DIR}/shell/web/index.html
        DESTINATION .)
install(FILES ${PROJECT_BINARY_DIR}/data/icons/32x32/${VEXIL_APP_ID}.png DESTINATION . RENAME favicon.png)

# Qt is LGPL-3, linked statically: its licence texts, its exact source and
# how it was built, so that a user can relink the program with another Qt;
# the fonts' licence (GPL 2 with the font exception); Vexil's own.
install(FILES LICENSE DESTINATION . RENAME LICENSE.txt)
install(DIRECTORY ${QT6_INSTALL_PREFIX}/LICENSES/ DESTINATION licences/Qt)
install(FILES data/web/qt-source.txt DESTINATION licences)
if(VEXIL_QT_WASM_RECIPE)
  install(PROGRAMS ${VEXIL_QT_WASM_RECIPE} DESTINATION licences RENAME build-qt-wasm.sh)
endif()
install(FILES /usr/share/doc/fonts-liberation/copyright DESTINATION licences RENAME fonts-liberation.txt)
install(FILES /usr/share/common-licenses/GPL-2 DESTINATION licences RENAME GPL-2.txt)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Vexil)
set(CPACK_PACKAGE_VENDOR "The Vexil developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME vexil-${PROJECT_VERSION}-web)
include(CPack)
