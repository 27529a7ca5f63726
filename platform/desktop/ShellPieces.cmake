# The pieces that run inside the desktops rather than in the helper: the GNOME Shell extension,
# in both its formats, and the KWin script, laid out under ${HALVANE_DESKTOP_DIR} as they are
# installed (packaging/ installs them; tests load them from here).
set(HALVANE_DESKTOP_DIR ${CMAKE_BINARY_DIR}/share CACHE INTERNAL "")
set(ext_src ${CMAKE_CURRENT_SOURCE_DIR}/gnome-shell-extension)
set(uuid halvane-keyboard@halvane.com)
set(outputs)

foreach(format modules legacy)
  set(out ${HALVANE_DESKTOP_DIR}/gnome-shell-extension-${format}/${uuid})
  if(format STREQUAL modules)
    set(SHELL_VERSIONS "\"45\", \"46\", \"47\", \"48\", \"49\", \"50\", \"51\"")
    set(entry ${ext_src}/extension.js)
    foreach(module focus overlay)
      add_custom_command(OUTPUT ${out}/${module}.js
        COMMAND ${CMAKE_COMMAND} -E copy ${ext_src}/${module}.js ${out}/${module}.js
        DEPENDS ${ext_src}/${module}.js VERBATIM)
    endforeach()
  else()
    set(SHELL_VERSIONS "\"42\", \"43\", \"44\"")
    set(entry ${ext_src}/legacy/extension.js)
    foreach(module focus overlay)
      add_custom_command(OUTPUT ${out}/${module}.js
        COMMAND ${CMAKE_COMMAND} -DIN=${ext_src}/${module}.js -DOUT=${out}/${module}.js
                -P ${ext_src}/ToLegacyModule.cmake
        DEPENDS ${ext_src}/${module}.js ${ext_src}/ToLegacyModule.cmake VERBATIM)
    endforeach()
  endif()
  configure_file(${ext_src}/metadata.json.in ${out}/metadata.json @ONLY)
  add_custom_command(OUTPUT ${out}/extension.js
    COMMAND ${CMAKE_COMMAND} -E copy ${entry} ${out}/extension.js
    DEPENDS ${entry} VERBATIM)
  list(APPEND outputs ${out}/focus.js ${out}/overlay.js ${out}/extension.js)
endforeach()

set(kwin_out ${HALVANE_DESKTOP_DIR}/halvane/kwin/halvane-keyboard.js)
add_custom_command(OUTPUT ${kwin_out}
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/kwin-script/halvane-keyboard.js ${kwin_out}
  DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/kwin-script/halvane-keyboard.js VERBATIM)
list(APPEND outputs ${kwin_out})
add_custom_target(halvane_desktop_pieces ALL DEPENDS ${outputs})

# The installed GNOME picks the format: ES modules from GNOME 45 on, the older one before.
set(HALVANE_GNOME_SHELL_FORMAT auto CACHE STRING "GNOME Shell extension format to install: auto, modules or legacy")
if(HALVANE_GNOME_SHELL_FORMAT STREQUAL auto)
  set(HALVANE_GNOME_SHELL_FORMAT modules)
  execute_process(COMMAND gnome-shell --version OUTPUT_VARIABLE shell_version ERROR_QUIET
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
  # Without the shell itself (a build set up to run the product only, the tests' packages
  # installed later), the version of its common files tells, as in the Debian package's build.
  if(NOT shell_version)
    execute_process(COMMAND dpkg-query -W -f=\${Version} gnome-shell-common
                    OUTPUT_VARIABLE shell_version ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
    string(REGEX REPLACE "^[0-9]+:" "" shell_version "${shell_version}")
  endif()
  if(shell_version MATCHES "([0-9]+)\\.")
    if(CMAKE_MATCH_1 LESS 45)
      set(HALVANE_GNOME_SHELL_FORMAT legacy)
    endif()
  endif()
endif()
set(HALVANE_GNOME_SHELL_EXTENSION
    ${HALVANE_DESKTOP_DIR}/gnome-shell-extension-${HALVANE_GNOME_SHELL_FORMAT}/${uuid} CACHE INTERNAL "")
