# SPDX-License-Identifier: GPL-3.0-or-later
# `cpack -G DEB` (or the `package` target) makes a Debian package of what `cmake --install`
# installs: scalvo_<version>_<arch>.deb in the build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME scalvo)
set(CPACK_PACKAGE_VENDOR "Scalvo")
set(CPACK_PACKAGE_CONTACT "Scalvo maintainers <maintainers@users.noreply.c-seed-0e248e01.example>"
    CACHE STRING "Maintainer named in the Debian package")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "manual scaling of ionograms")
set(CPACK_PACKAGE_DESCRIPTION
    "Scalvo is the workstation on which the operators of an ionospheric station scale\n"
    "their ionograms by hand: they read the standard characteristics off each sounding\n"
    "of a day, with the qualifying and descriptive letters of the international\n"
    "scaling rules, and Scalvo stores one record per sounding.\n"
    "Tabulor turns the stored records into foF2 tables for spreadsheets,\n"
    "autoscale reads the characteristics off ionograms on its own, and\n"
    "synthetic_day writes realistic synthetic days of ionograms.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${SCALVO_HOMEPAGE})
# The shared libraries the programs link (Qt 6 among them) become the dependencies, found by
# dpkg-shlibdeps (package dpkg-dev) from the installed binaries.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The fonts the forms are drawn with; without them the labels would not fit their places.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-crosextra-caladea")
set(CPACK_STRIP_FILES ON)
include(CPack)
