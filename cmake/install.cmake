# SPDX-License-Identifier: GPL-3.0-or-later
# Where `cmake --install` puts the programs and their desktop files: the Filesystem
# Hierarchy Standard's bin/ and share/, the freedesktop menu, icon theme and AppStream
# places, and the manual pages.
include(GNUInstallDirs)

# The name the menu entry, the icon and the AppStream data share.
set(SCALVO_APP_ID org.scalvo.Scalvo)
# The project has no public site yet: a reserved name until it has one (the AppStream
# screenshot is expected at <site>/screenshots/scaling-form.png, from data/screenshots/).
set(SCALVO_HOMEPAGE "https://scalvo.example.org" CACHE STRING
    "Project site named in the package and the AppStream data")

set(scalvo_programs scalvo tabulor synthetic_day autoscale monthly_tables)
install(TARGETS ${scalvo_programs} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

set(data ${PROJECT_SOURCE_DIR}/data)
install(FILES ${data}/${SCALVO_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
list(TRANSFORM scalvo_programs REPLACE "(.+)" "    <binary>\\1</binary>"
     OUTPUT_VARIABLE SCALVO_PROVIDED_BINARIES)
list(JOIN SCALVO_PROVIDED_BINARIES "\n" SCALVO_PROVIDED_BINARIES)
configure_file(${data}/${SCALVO_APP_ID}.metainfo.xml.in
               ${PROJECT_BINARY_DIR}/data/${SCALVO_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/data/${SCALVO_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(icons ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${data}/icons/scalvo.svg DESTINATION ${icons}/scalable/apps
        RENAME ${SCALVO_APP_ID}.svg)
foreach(size 48 256)
  install(FILES ${data}/icons/scalvo-${size}.png DESTINATION ${icons}/${size}x${size}/apps
          RENAME ${SCALVO_APP_ID}.png)
endforeach()

# Manual pages carry the version and are installed compressed, as Debian's are.
foreach(program ${scalvo_programs})
  set(page ${PROJECT_BINARY_DIR}/data/man/${program}.1)
  configure_file(${data}/man/${program}.1.in ${page} @ONLY)
  # Without a name or time stamp in the header, so that the package is reproducible.
  execute_process(COMMAND gzip -9nc ${page} OUTPUT_FILE ${page}.gz COMMAND_ERROR_IS_FATAL ANY)
  install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
