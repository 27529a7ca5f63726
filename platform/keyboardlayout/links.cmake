target_link_libraries(${lib} PUBLIC halvane_platform_wayland PRIVATE Qt6::Network)
