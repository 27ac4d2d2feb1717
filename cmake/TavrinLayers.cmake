# SPDX-License-Identifier: GPL-3.0-or-later
# Each layer sees only the headers of the layers it links. A target's headers are exposed through a folder of its
# own under the build tree (include/<target>/<layer>/... -> src/<layer>/...), so `#include "app/AppShell.h"` from a
# layer that does not link tavrin_app cannot compile, and src/ itself is on nobody's include path.

# tavrin_expose_folder(<target> <folder below src> [INTERFACE]): the whole folder, as "<folder>/X.h".
function(tavrin_expose_folder target folder)
  set(scope PUBLIC)
  if(ARGV2 STREQUAL "INTERFACE")
    set(scope INTERFACE)
  endif()
  set(root ${PROJECT_BINARY_DIR}/include/${target})
  get_filename_component(parent ${root}/${folder} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${folder} ${root}/${folder} SYMBOLIC)
  target_include_directories(${target} ${scope} ${root})
endfunction()

# tavrin_expose_files(<target> <folder below src> <scope> <header>...): single headers of a folder whose
# subfolders belong to other targets (the platform interfaces beside the backends).
function(tavrin_expose_files target folder scope)
  set(root ${PROJECT_BINARY_DIR}/include/${target})
  file(MAKE_DIRECTORY ${root}/${folder})
  foreach(header ${ARGN})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${folder}/${header} ${root}/${folder}/${header} SYMBOLIC)
  endforeach()
  target_include_directories(${target} ${scope} ${root})
endfunction()

# Warnings and Qt's strict defines for every target of ours (not for third-party code).
add_library(tavrin_build_flags INTERFACE)
target_compile_options(tavrin_build_flags INTERFACE -Wall -Wextra -Wshadow
  $<$<COMPILE_LANGUAGE:CXX>:-Wnon-virtual-dtor -Wold-style-cast>)
if(TAVRIN_WERROR)
  target_compile_options(tavrin_build_flags INTERFACE -Werror)
endif()
# No connection without a context object (a lambda must not outlive what it captures; Qt enforces this from 6.7 on).
target_compile_definitions(tavrin_build_flags INTERFACE QT_NO_KEYWORDS QT_NO_CONTEXTLESS_CONNECT)

# The program's own code also says which encoding every char string has. Tests keep the short {"a", "b"} lists.
add_library(tavrin_strict_strings INTERFACE)
target_compile_definitions(tavrin_strict_strings INTERFACE QT_NO_CAST_FROM_ASCII)
if(TAVRIN_CHECKED)
  # Checked builds for the test suite: Qt asserts stay on and the standard library checks bounds. The program a
  # user builds has neither.
  target_compile_definitions(tavrin_build_flags INTERFACE QT_FORCE_ASSERTS _GLIBCXX_ASSERTIONS)
endif()

# tavrin_apply_build_flags(<folder> [STRICT_STRINGS]): every target of ours defined in the folder and below gets the
# flags above, so a new target cannot be forgotten.
function(tavrin_apply_build_flags folder)
  get_property(targets DIRECTORY ${folder} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target ${targets})
    get_target_property(type ${target} TYPE)
    if(type MATCHES "^(STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY|EXECUTABLE)$")
      target_link_libraries(${target} PRIVATE tavrin_build_flags)
      if(ARGV1 STREQUAL "STRICT_STRINGS")
        target_link_libraries(${target} PRIVATE tavrin_strict_strings)
      endif()
    endif()
  endforeach()
  get_property(subfolders DIRECTORY ${folder} PROPERTY SUBDIRECTORIES)
  foreach(subfolder ${subfolders})
    tavrin_apply_build_flags(${subfolder} ${ARGV1})
  endforeach()
endfunction()
