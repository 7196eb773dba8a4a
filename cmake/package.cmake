# SPDX-License-Identifier: GPL-3.0-or-later
# `cpack -G DEB` (or the `package` target) makes a Debian package of what `cmake --install`
# installs: scalvo_<version>-<revision>_<arch>.deb in the build folder, clean for lintian.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME scalvo)
set(CPACK_PACKAGE_VENDOR "Scalvo")
set(CPACK_PACKAGE_CONTACT "Scalvo maintainers <maintainers@users.noreply.c-seed-0e248e01.example>"
    CACHE STRING "Maintainer named in the Debian package")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "manual scaling of ionograms")
# Lines of at most 80 characters, as Debian's tools show them.
set(CPACK_PACKAGE_DESCRIPTION
    "Scalvo is the workstation on which the operators of an ionospheric station\n"
    "scale their ionograms by hand: they read the standard characteristics off\n"
    "each sounding of a day, with the qualifying and descriptive letters of the\n"
    "international scaling rules, and Scalvo stores one record per sounding.\n"
    "Tabulor turns the stored records into foF2 tables for spreadsheets,\n"
    "autoscale reads the characteristics off ionograms on its own, and\n"
    "synthetic_day writes realistic synthetic days of ionograms.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})

# The Debian changelog names the package's version: its upstream part must be the project's,
# and its revision is the package's. The revision is 0scalvo<n>, as for a package made outside
# Debian: it sorts below Debian's own -1, should Debian ever package Scalvo.
set(changelog ${PROJECT_SOURCE_DIR}/data/debian/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${changelog})
file(STRINGS ${changelog} latest LIMIT_COUNT 1)
if(NOT latest MATCHES "^scalvo \\(([^-)]+)-([^)]+)\\)")
  message(FATAL_ERROR "${changelog}: the first line is not \"scalvo (<version>-<revision>) ...\"")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "${changelog} is at version ${CMAKE_MATCH_1}, the project at "
                      "${PROJECT_VERSION}: add an entry for this version")
endif()
set(CPACK_DEBIAN_PACKAGE_RELEASE ${CMAKE_MATCH_2})

# Debian's documentation of the package: the machine-readable copyright file and the changelog,
# compressed without a name or time stamp as the manual pages are.
string(SUBSTRING ${SCALVO_RELEASE_DATE} 0 4 SCALVO_COPYRIGHT_YEARS)
configure_file(${PROJECT_SOURCE_DIR}/data/debian/copyright.in
               ${PROJECT_BINARY_DIR}/data/copyright @ONLY)
execute_process(COMMAND gzip -9nc ${changelog}
                OUTPUT_FILE ${PROJECT_BINARY_DIR}/data/changelog.Debian.gz COMMAND_ERROR_IS_FATAL ANY)
install(FILES ${PROJECT_BINARY_DIR}/data/copyright ${PROJECT_BINARY_DIR}/data/changelog.Debian.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${SCALVO_HOMEPAGE})
# The shared libraries the programs link (Qt 6 among them) become the dependencies, found by
# dpkg-shlibdeps (package dpkg-dev) from the installed binaries.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The fonts the forms are drawn with; without them the labels would not fit their places.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-crosextra-caladea")
set(CPACK_STRIP_FILES ON)
# And as Debian strips them, without the compiler's notes (.comment, .note).
set(CPACK_SCALVO_STRIP ${CMAKE_STRIP})
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/strip_notes.cmake)
# Folders 0755 and the control files as dpkg-deb makes them, whatever the umask of the build.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
