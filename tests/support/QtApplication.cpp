// One QApplication for the whole test program.
#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

class ApplicationEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    // A test meant for the X server still runs (and skips) where there is none.
    // An offscreen platform given with options (a screen's size) is kept.
    if (qEnvironmentVariableIsEmpty("DISPLAY") &&
        !qgetenv("QT_QPA_PLATFORM").startsWith("offscreen"))
      qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = std::make_unique<QApplication>(argc_, argv_);
  }
  void TearDown() override { app_.reset(); }

 private:
  int argc_ = 1;
  char name_[16] = "pane_tests";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] ::testing::Environment* const kApplication =
    ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

}  // namespace
