# SPDX-License-Identifier: GPL-3.0-or-later
# Run at install time (install(CODE)), when the prefix is final: `cmake --install --prefix DIR` chooses it then.
# Writes the desktop entry from its template with Exec naming the installed program by its absolute path, so that
# it starts whether or not the prefix's bin folder is on the PATH.
# In: tavrin_entry_template, tavrin_entry_name, tavrin_entry_folder and tavrin_program (each relative to the prefix
# or absolute).
foreach(variable tavrin_entry_folder tavrin_program)
  if(NOT IS_ABSOLUTE "${${variable}}")
    set(${variable} "${CMAKE_INSTALL_PREFIX}/${${variable}}")
  endif()
endforeach()
# The Exec rules: inside double quotes ", `, $ and \ take a backslash; the value is then a desktop entry string,
# which doubles every backslash once more.
if(tavrin_program MATCHES "[^A-Za-z0-9_./+,:@=-]")
  string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" quoted "${tavrin_program}")
  string(REPLACE "\\" "\\\\" quoted "${quoted}")
  string(REPLACE "%" "%%" quoted "${quoted}")
  set(TAVRIN_EXEC "\"${quoted}\"")
else()
  set(TAVRIN_EXEC "${tavrin_program}")
endif()
set(destination "$ENV{DESTDIR}${tavrin_entry_folder}/${tavrin_entry_name}")
message(STATUS "Installing: ${destination}")
configure_file("${tavrin_entry_template}" "${destination}" @ONLY NO_SOURCE_PERMISSIONS)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${destination}")
