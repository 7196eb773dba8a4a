# SPDX-License-Identifier: GPL-3.0-or-later
# A day that synthetic_day writes at build time into FOLDER, as target TARGET: TRUTH names the
# day's truth file in FOLDER/ionograms (what the build waits for), the rest are the generator's
# options.
function(scalvo_generated_day target folder truth)
  add_custom_command(
    OUTPUT ${folder}/ionograms/${truth}
    COMMAND synthetic_day ${ARGN} --out ${folder}
    DEPENDS synthetic_day
    VERBATIM)
  add_custom_target(${target} DEPENDS ${folder}/ionograms/${truth})
endfunction()
