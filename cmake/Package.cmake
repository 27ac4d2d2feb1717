# SPDX-License-Identifier: GPL-3.0-or-later
# A Debian package of what `cmake --install` installs (cpack -G DEB): the program stripped, its debugging symbols in
# tavrin-dbgsym beside it, the dependencies computed from the binaries.
set(TAVRIN_PACKAGE_MAINTAINER "Tavrin developers <developers@tavrin.io>" CACHE STRING
  "The Maintainer field of the Debian package (and of packaging/changelog)")

set(CPACK_PACKAGE_NAME tavrin)
set(CPACK_PACKAGE_VENDOR "Tavrin")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "clipboard manager that keeps everything you copy")
# The long description, below the summary; Debian wants its lines under 80 characters.
set(CPACK_PACKAGE_DESCRIPTION "Tavrin lives in the tray and records every text and every file or folder
you copy, in a history that survives restarts. Open its list from the tray
or with a global shortcut, find an entry again by number or by search, and
copy it back or paste it straight into the application in front.
.
It works in X11 sessions and on Wayland compositors that let programs follow
the clipboard (wlroots, KWin), and takes commands from a terminal, a
launcher such as rofi or dmenu, and D-Bus.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The installer runs with the final prefix and a staging DESTDIR, so that files naming installed paths (the desktop
# entry's Exec) name /usr and not the staging folder.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TAVRIN_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so the library scan cannot see it: the SVG image plugin (the X11 platform plugin comes with
# libqt6gui6, which the scan finds).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
# Wayland sessions draw through Qt's Wayland plugin; X11 ones do without it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
# The menus tavrin-rofi and tavrin-dmenu show.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "rofi | suckless-tools")
# The symbols go into tavrin-dbgsym_<version>_<arch>.ddeb and the package gets stripped binaries.
set(CPACK_DEBIAN_DEBUGINFO_PACKAGE ON)
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/FixDebugPackage.cmake)
include(CPack)
