# SPDX-License-Identifier: GPL-3.0-or-later
# Run by cpack after it has built the packages (CPACK_POST_BUILD_SCRIPTS). CMake 3.25 writes the md5sums of the
# -dbgsym package with the staging folder's absolute paths, which no installed file has (debsums and lintian
# fail on them). This rewrites them relative to the root, as dpkg wants, and adds the usual link of a -dbgsym
# package's documentation folder to the package's own (copyright and changelog).
# (the packages, still in the staging folder, from which cpack then copies them)
set(packages ${CPACK_PACKAGE_FILES})
list(FILTER packages INCLUDE REGEX "\\.ddeb$")
foreach(package ${packages})
  set(tree "${package}.tree")
  file(REMOVE_RECURSE "${tree}")
  execute_process(COMMAND dpkg-deb --raw-extract "${package}" "${tree}" COMMAND_ERROR_IS_FATAL ANY)
  file(STRINGS "${tree}/DEBIAN/md5sums" lines)
  set(sums "")
  foreach(line ${lines})
    string(REGEX REPLACE "^([0-9a-f]+)  /.*/_CPack_Packages/[^/]+/[^/]+/[^/]+/" "\\1  " line "${line}")
    string(REGEX REPLACE "^[0-9a-f]+  " "" path "${line}")
    if(NOT EXISTS "${tree}/${path}")
      message(FATAL_ERROR "${package}: the md5sums name ${path}, which the package does not hold")
    endif()
    string(APPEND sums "${line}\n")
  endforeach()
  file(WRITE "${tree}/DEBIAN/md5sums" "${sums}")
  execute_process(COMMAND dpkg-deb --field "${package}" Package OUTPUT_VARIABLE name OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
  string(REGEX REPLACE "-dbgsym$" "" parent "${name}")
  file(MAKE_DIRECTORY "${tree}/usr/share/doc")
  file(CREATE_LINK "${parent}" "${tree}/usr/share/doc/${name}" SYMBOLIC)
  execute_process(COMMAND dpkg-deb --root-owner-group -Zgzip --build "${tree}" "${package}" OUTPUT_QUIET
    COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE "${tree}")
  message(STATUS "CPack: - ${package}: md5sums relative to the root, /usr/share/doc/${name} -> ${parent}")
endforeach()
