# SPDX-License-Identifier: GPL-3.0-or-later
# The windows reach the logic through the controllers: a file of forms/ includes forms/,
# controllers/ and common/ only, the plot canvas whose pixels the plot surface paints, and
# monthly_qt/, the month's picture and station.ini, Qt like the windows.
# The layers below forms/ are kept apart by their include paths; forms/ sees them all, since
# the controllers' headers name their types, so this check keeps its own includes honest.
file(GLOB files ${FOLDER}/*.h ${FOLDER}/*.cpp)
set(faults "")
foreach(file ${files})
  file(STRINGS ${file} lines REGEX "^#include \"")
  foreach(line ${lines})
    string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" header "${line}")
    if(NOT header MATCHES "^(forms|controllers|common|monthly_qt)/" AND
       NOT header STREQUAL "ionogram/plot_canvas.h" AND NOT header STREQUAL "scalvo_version.h")
      string(APPEND faults "\n  ${file}: ${header}")
    endif()
  endforeach()
endforeach()
if(faults)
  message(FATAL_ERROR "forms/ reaches below the controllers:${faults}")
endif()
