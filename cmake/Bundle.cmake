# halvane_bundle_resource(<target> <bundle dir> <file>...)
# Copies each file into <bundle>/Contents/Resources whenever it changes.
function(halvane_bundle_resource target bundle)
  foreach(src IN LISTS ARGN)
    get_filename_component(name ${src} NAME)
    set(dst ${bundle}/Contents/Resources/${name})
    add_custom_command(OUTPUT ${dst}
      COMMAND ${CMAKE_COMMAND} -E copy ${src} ${dst}
      DEPENDS ${src} VERBATIM)
    list(APPEND outputs ${dst})
  endforeach()
  string(MAKE_C_IDENTIFIER "${target}_${bundle}_res" custom)
  add_custom_target(${custom} ALL DEPENDS ${outputs})
  add_dependencies(${target} ${custom})
endfunction()

# halvane_bundle_info(<bundle dir> <Info.plist.in>)
function(halvane_bundle_info bundle template)
  configure_file(${template} ${bundle}/Contents/Info.plist @ONLY)
endfunction()
