# SPDX-License-Identifier: GPL-3.0-or-later
# The hardening Debian builds its packages with: position-independent executables, the stack
# protector, the checked variants of the C library's string and memory calls (they need the
# optimiser), and relocations made read-only after loading.
option(SCALVO_HARDEN "Build with Debian's hardening flags" ON)
if(SCALVO_HARDEN AND NOT SCALVO_SANITIZE)
  include(CheckPIESupported)
  check_pie_supported()
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
  add_compile_options(-fstack-protector-strong
                      $<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>)
  add_link_options(-Wl,-z,relro,-z,now)
endif()
