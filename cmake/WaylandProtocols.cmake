find_program(WAYLAND_SCANNER wayland-scanner REQUIRED)

# halvane_wayland_protocols(<target> <protocol.xml>...)
# Generates the client header and glue code of each protocol with wayland-scanner and adds
# them to <target>. The headers land in one directory that <target> exports, so users write
# #include "<protocol>-client-protocol.h".
function(halvane_wayland_protocols target)
  set(out_dir ${CMAKE_BINARY_DIR}/wayland-protocols)
  file(MAKE_DIRECTORY ${out_dir})
  foreach(xml IN LISTS ARGN)
    get_filename_component(xml ${xml} ABSOLUTE)
    get_filename_component(base ${xml} NAME_WE)
    set(header ${out_dir}/${base}-client-protocol.h)
    set(code ${out_dir}/${base}-protocol.c)
    add_custom_command(OUTPUT ${header}
      COMMAND ${WAYLAND_SCANNER} client-header ${xml} ${header}
      DEPENDS ${xml} VERBATIM)
    add_custom_command(OUTPUT ${code}
      COMMAND ${WAYLAND_SCANNER} private-code ${xml} ${code}
      DEPENDS ${xml} VERBATIM)
    target_sources(${target} PRIVATE ${header} ${code})
  endforeach()
  target_include_directories(${target} PUBLIC ${out_dir})
endfunction()
