# Desktop entries are read by the one parser the application index uses.
target_link_libraries(${lib} PUBLIC halvane_platform_appidentity)
