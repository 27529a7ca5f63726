// One QCoreApplication for the whole test program: the backends' socket notifiers and timers
// need an event loop, but nothing here draws, so the tests also run without a display.
#include <QCoreApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

class CoreApplicationEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { app_ = std::make_unique<QCoreApplication>(argc_, argv_); }
  void TearDown() override { app_.reset(); }

 private:
  int argc_ = 1;
  char name_[16] = "desktop_tests";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QCoreApplication> app_;
};

[[maybe_unused]] ::testing::Environment* const kCoreApplication =
    ::testing::AddGlobalTestEnvironment(new CoreApplicationEnvironment);

}  // namespace
