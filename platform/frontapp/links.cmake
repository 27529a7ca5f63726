target_link_libraries(${lib} PUBLIC halvane_platform_appidentity halvane_platform_wayland Qt6::Network)
