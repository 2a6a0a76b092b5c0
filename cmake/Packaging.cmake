# Desktop integration (menu entry, icons, AppStream metadata) and the Debian package.
#
#   cmake --install <build> --prefix <dir>   installs the program and its desktop files
#   cpack --config <build>/CPackConfig.cmake  builds solvanta_<version>_<arch>.deb
include(GNUInstallDirs)

# The id under which software centres list the program; the metadata file is
# installed under this name, as AppStream expects.
set(SOLVANTA_APPSTREAM_ID "example.solvanta.Solvanta")

install(FILES ${PROJECT_SOURCE_DIR}/packaging/solvanta.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/solvanta.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
        RENAME ${SOLVANTA_APPSTREAM_ID}.metainfo.xml)

# The same icon the windows carry, in every size the hicolor theme gets, plus the drawing.
foreach(size 16 32 48 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/assets/icons/solvanta-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME solvanta.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/assets/solvanta.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/solvanta)

# Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME solvanta)
set(CPACK_PACKAGE_VENDOR "Solvanta developers")
set(CPACK_PACKAGE_VERSION_MAJOR ${PROJECT_VERSION_MAJOR})
set(CPACK_PACKAGE_VERSION_MINOR ${PROJECT_VERSION_MINOR})
set(CPACK_PACKAGE_VERSION_PATCH 0)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.0")
set(CPACK_PACKAGE_CONTACT "Solvanta developers <dev@solvanta.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.solvanta.example/")
# The first line of the package description is the summary above; this is the rest.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Solvanta tells you whether you were born on a cusp, the few days at the
boundary between two sun signs. Type your name and pick your date of birth:
Solvanta says whether the date falls on one of the twelve cusps or which
single sun sign it belongs to, and shows the sign's profile (picture,
element, birthstone, lucky number and day, compatible signs, positive and
negative traits), or both signs' profiles for a cusp.")
# The libraries the program links against are found by dpkg-shlibdeps. Qt loads
# its X11 platform plugin and the JPEG reader of the sign pictures at run time,
# so dpkg-shlibdeps cannot see them; both ship in libqt6gui6. The windows ask for
# Verdana, which Qt replaces with DejaVu Sans.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6gui6 (>= 6.4), fonts-dejavu-core")
# Web links open in the desktop's browser through xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

# A source archive holds the tree without version control or build folders.
set(CPACK_SOURCE_GENERATOR TXZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/\\\\.cache/" "/build[^/]*/")

include(CPack)
