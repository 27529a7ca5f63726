target_link_libraries(${lib} PUBLIC halvane_platform_appidentity)
