# The helper's own Wayland connection, and the client code of every protocol it speaks.
# Other services reach a compositor through halvane_platform_wayland, never on their own.
target_link_libraries(${lib} PUBLIC PkgConfig::WAYLAND_CLIENT)
halvane_wayland_protocols(${lib}
  ${dir}/protocols/xdg-shell.xml
  ${dir}/protocols/wlr-layer-shell-unstable-v1.xml
  ${dir}/protocols/wlr-foreign-toplevel-management-unstable-v1.xml
  ${dir}/protocols/virtual-keyboard-unstable-v1.xml)
