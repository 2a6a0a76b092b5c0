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

# The manual page, made from the program's own --help and --version by help2man
# (with packaging/solvanta.h2m for what --help does not say), and the changelog,
# both compressed as Debian wants them. Remade whenever the program changes, so
# the page follows its options. The page is English: help2man runs the program in
# the C locale, whatever language the build machine speaks. Sanitizer builds, never packaged, make no page.
find_program(SOLVANTA_HELP2MAN help2man)
find_program(SOLVANTA_GZIP gzip REQUIRED)
if(SOLVANTA_HELP2MAN AND TARGET solvanta AND NOT SOLVANTA_SANITIZE)
  set(manpage ${CMAKE_BINARY_DIR}/solvanta.1)
  add_custom_command(
    OUTPUT ${manpage} ${manpage}.gz
    COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
            --unset=LANGUAGE --unset=LC_MESSAGES LC_ALL=C LANG=C
            ${SOLVANTA_HELP2MAN} --no-info --section=1 --source=Solvanta
            --include=${PROJECT_SOURCE_DIR}/packaging/solvanta.h2m --output=${manpage}
            $<TARGET_FILE:solvanta>
    COMMAND ${SOLVANTA_GZIP} -9 -n -f -k ${manpage}
    DEPENDS solvanta ${PROJECT_SOURCE_DIR}/packaging/solvanta.h2m
    COMMENT "Making the manual page solvanta.1 with help2man"
    VERBATIM)
  add_custom_target(solvanta_manpage ALL DEPENDS ${manpage}.gz)
  install(FILES ${manpage}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
elseif(NOT SOLVANTA_HELP2MAN)
  message(WARNING "help2man not found: the package will have no manual page")
endif()
set(changelog ${CMAKE_BINARY_DIR}/changelog.gz)
add_custom_command(
  OUTPUT ${changelog}
  COMMAND ${SOLVANTA_GZIP} -9 -n -c ${PROJECT_SOURCE_DIR}/packaging/changelog > ${changelog}
  DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog
  COMMENT "Compressing the changelog")
add_custom_target(solvanta_changelog ALL DEPENDS ${changelog})
install(FILES ${changelog} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/solvanta)

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
