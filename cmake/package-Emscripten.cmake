# Vexil in the browser: a static site (the page, its style, script, core,
# faces, icons, manifest and worker, in one folder) and a zip of it, for any
# static host; with the licences of all it ships.
install(FILES ${VEXIL_SITE} DESTINATION .)

# Vexil's own; the core's runtime (emscripten's glue, musl and libc++,
# compiled in); the faces, cut down from Debian's Liberation Sans: its
# licence and terms, the unchanged fonts and the recipe that changed them.
install(FILES LICENSE DESTINATION . RENAME LICENSE.txt)
install(FILES /usr/share/doc/emscripten/copyright DESTINATION licences RENAME emscripten.txt)
install(FILES /usr/share/doc/fonts-liberation/copyright DESTINATION licences/fonts RENAME copyright.txt)
install(FILES /usr/share/common-licenses/GPL-2 DESTINATION licences/fonts RENAME GPL-2.txt)
install(FILES ${VEXIL_FONT_SOURCES} page/fonts.py ${PROJECT_BINARY_DIR}/page/glyphs.txt
        DESTINATION licences/fonts/source)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Vexil)
set(CPACK_PACKAGE_VENDOR "The Vexil developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME vexil-${PROJECT_VERSION}-web)
include(CPack)
