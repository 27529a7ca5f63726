# Keyboard reports against arbitrary settings trees (included by tests/fuzz/CMakeLists.txt).
halvane_add_fuzz_target(fuzz_report_decoder SOURCES fuzz_report_decoder.cpp CORPUS report_decoder
  LIBS halvane_helper halvane_platform_fakes)
