// One QCoreApplication for the whole test program: socket notifiers, timers and D-Bus need an
// event loop, but nothing here draws, so the tests also run without a display. Compiled into
// each test program that wants it (a static library would drop the unreferenced registration).
#include "tests/support/ApplicationEnvironment.h"

#include <QCoreApplication>

namespace {

[[maybe_unused]] ::testing::Environment* const kApplication = ::testing::AddGlobalTestEnvironment(
    new halvane::test::ApplicationEnvironment<QCoreApplication>("halvane_tests"));

}  // namespace
