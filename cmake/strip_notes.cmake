# SPDX-License-Identifier: GPL-3.0-or-later
# Run by CPack on the staged files before it packs them: the sections Debian's dh_strip takes
# out of every program, which a plain strip leaves.
file(GLOB programs ${CPACK_TEMPORARY_DIRECTORY}/usr/bin/*)
if(NOT programs)
  message(FATAL_ERROR "no programs staged in ${CPACK_TEMPORARY_DIRECTORY}/usr/bin")
endif()
foreach(program ${programs})
  execute_process(COMMAND ${CPACK_SCALVO_STRIP} --remove-section=.comment --remove-section=.note
                          ${program} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
