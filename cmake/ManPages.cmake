# SPDX-License-Identifier: GPL-3.0-or-later
# tavrin_install_man_page(<page> [ALIASES <name>...]): installs a section 1 manual page compressed (gzip -9n: no
# name or time stamp inside, so the package is reproducible), and each alias as a link to it.
function(tavrin_install_man_page page)
  cmake_parse_arguments(M "" "" "ALIASES" ${ARGN})
  get_filename_component(name ${page} NAME)
  set(folder ${CMAKE_CURRENT_BINARY_DIR}/man)
  set(compressed ${folder}/${name}.gz)
  add_custom_command(OUTPUT ${compressed}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND ${CMAKE_COMMAND} -E copy ${page} ${folder}/${name}
    COMMAND gzip -9nf ${folder}/${name}
    DEPENDS ${page}
    VERBATIM)
  string(MAKE_C_IDENTIFIER "tavrin_man_${name}" target)
  add_custom_target(${target} ALL DEPENDS ${compressed})
  install(FILES ${compressed} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  file(MAKE_DIRECTORY ${folder})
  foreach(alias ${M_ALIASES})
    file(CREATE_LINK ${name}.gz ${folder}/${alias}.1.gz SYMBOLIC)
    install(FILES ${folder}/${alias}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endforeach()
endfunction()
