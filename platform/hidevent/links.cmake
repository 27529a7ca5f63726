target_link_libraries(${lib} PUBLIC halvane_platform_keycodes halvane_platform_uinput)
