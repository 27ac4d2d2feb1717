# SPDX-License-Identifier: GPL-3.0-or-later
# Hardening of the program as users install it: position-independent code, stack protection, checked string and
# memory functions, read-only relocations bound at start, and control-flow protection where the compiler has it.
# Optimised builds only (the checked functions need optimisation) and never with the sanitizers, whose own
# instrumentation they would get in the way of.
include(CheckCXXCompilerFlag)
include(CheckCXXSourceCompiles)
include(CheckPIESupported)

option(TAVRIN_HARDEN "Harden optimised builds (PIE, stack protector, FORTIFY_SOURCE, RELRO and BIND_NOW)" ON)

check_pie_supported(LANGUAGES C CXX)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

if(TAVRIN_HARDEN AND NOT TAVRIN_SANITIZE)
  set(tavrin_hardening_flags -fstack-protector-strong)
  foreach(flag -fstack-clash-protection -fcf-protection)
    string(MAKE_C_IDENTIFIER "TAVRIN_HAS${flag}" result)
    check_cxx_compiler_flag(${flag} ${result})
    if(${result})
      list(APPEND tavrin_hardening_flags ${flag})
    endif()
  endforeach()

  # Level 3 also checks sizes known only at run time (GCC 12 and glibc 2.34 on); glibc quietly lowers a level the
  # compiler cannot do, so ask for the level it really uses.
  set(CMAKE_REQUIRED_FLAGS "-O2 -U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=3")
  check_cxx_source_compiles("#include <cstring>
    #if !defined(__USE_FORTIFY_LEVEL) || __USE_FORTIFY_LEVEL < 3
    #error level 3 is not available
    #endif
    int main() { return 0; }" TAVRIN_HAS_FORTIFY_SOURCE_3)
  unset(CMAKE_REQUIRED_FLAGS)
  if(TAVRIN_HAS_FORTIFY_SOURCE_3)
    set(tavrin_fortify_level 3)
  else()
    set(tavrin_fortify_level 2)
  endif()
  list(APPEND tavrin_hardening_flags -U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=${tavrin_fortify_level})

  set(tavrin_optimised $<NOT:$<CONFIG:Debug>>)
  target_compile_options(tavrin_build_flags INTERFACE "$<${tavrin_optimised}:${tavrin_hardening_flags}>")
  target_link_options(tavrin_build_flags INTERFACE "$<${tavrin_optimised}:LINKER:-z,relro,-z,now>")
  message(STATUS "Hardening optimised builds: ${tavrin_hardening_flags} -Wl,-z,relro,-z,now, PIE")
endif()
