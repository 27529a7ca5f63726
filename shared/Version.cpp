#include "shared/Version.h"

#include <cstdio>
#include <cstring>

namespace halvane {

const char* version() {
  return HALVANE_VERSION;
}

bool printVersionIfAsked(int argc, char* argv[], const char* program) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--version") != 0) continue;
    std::printf("%s %s\n", program, version());
    return true;
  }
  return false;
}

}  // namespace halvane
