# The application chooser lists the entries of the same index the front-application resolver uses.
target_link_libraries(${lib} PUBLIC halvane_platform_appidentity)
