# A Debian package of what `cmake --install` installs.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vexil)
set(CPACK_PACKAGE_VENDOR "The Vexil developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "colour-band decoder for resistors, capacitors and inductors")
set(CPACK_PACKAGE_DESCRIPTION "Vexil shows the digits, multiplier, nominal value, tolerance and rated
voltage that the colour bands of a component stand for. Its interface is in
Russian.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(VEXIL_MAINTAINER "The Vexil developers <vexil@vexil.invalid>" CACHE STRING
    "Name and mail address of whoever builds the Debian package")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VEXIL_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The layout's text fits its boxes in Liberation Sans (Arial's metrics).
# Qt's platform interface, through which the shell finds its Wayland
# toplevel, is not bound by Qt's binary compatibility, nor are the name and
# object paths of Qt's own accessibility connection, on which the speaker
# sends (speaker_unix.cpp): the Qt it was built with, exactly, as Debian has
# every user of Qt's private API say.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation | fonts-liberation2, qt6-base-abi (= ${Qt6_VERSION})")
# Native on a Wayland desktop; without it Vexil still runs, through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
include(CPack)
