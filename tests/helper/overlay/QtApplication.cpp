// One QApplication for the whole test program (the offscreen platform; see tests/CMakeLists).
#include "tests/support/ApplicationEnvironment.h"

#include <QApplication>

namespace {

[[maybe_unused]] ::testing::Environment* const kApplication = ::testing::AddGlobalTestEnvironment(
    new halvane::test::ApplicationEnvironment<QApplication>("overlay_tests"));

}  // namespace
