# The Debian package: `cpack -G DEB` in the build folder (or the `package`
# target) makes orvane_VERSION_ARCH.deb of what `cmake --install` puts in
# place, stripped, with the dependencies that dpkg-shlibdeps finds in the
# programs and the Qt plugins that it cannot see.

set(ORVANE_PACKAGE_MAINTAINER "The Orvane developers <developers@orvane.org>"
  CACHE STRING "The Maintainer of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvane)
set(CPACK_PACKAGE_VENDOR "The Orvane developers")
set(CPACK_PACKAGE_CONTACT "${ORVANE_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "diabetes diary of glycemia readings and insulin doses")
set(CPACK_PACKAGE_DESCRIPTION [=[
Orvane keeps the diary of a person who manages diabetes: every glycemia
reading and every insulin dose is a card with its date and time, the meal it
belongs to and a note.

The window shows the cards of a chosen period and kind, sums them up (lowest,
mean and highest glycemia, the means before and after each meal), draws
their trends and writes a report for the care team as a PDF. It imports CSV
files and the exports of other diabetes programs, continuous sensor readings
included, and exports the diary as CSV.

The package also holds orvane-tool, which works on the same diary from the
command line.]=])

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Plugins, which no program links: the sensor store's SQLite driver. The
# X11 platform plugin comes with libqt6gui6, which the programs link;
# Wayland's is welcome.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")

# What Debian wants beside the files: the copyright, a changelog made from
# the AppStream releases, the manual pages compressed.
set(CPACK_ORVANE_COPYRIGHT "${CMAKE_CURRENT_LIST_DIR}/deb/copyright")
set(CPACK_ORVANE_METAINFO "${PROJECT_SOURCE_DIR}/data/org.orvane.Orvane.metainfo.xml")
set(CPACK_PRE_BUILD_SCRIPTS "${CMAKE_CURRENT_LIST_DIR}/deb/DebianFiles.cmake")

# No source package: the repository is the source.
set(CPACK_SOURCE_GENERATOR "")

include(CPack)
