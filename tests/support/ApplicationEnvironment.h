#pragma once

#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace halvane::test {

// One application object (QCoreApplication or QApplication) for a whole test program, made
// before the first test and destroyed after the last. Register it once per program:
//   AddGlobalTestEnvironment(new ApplicationEnvironment<QApplication>("overlay_tests"));
template <typename Application>
class ApplicationEnvironment : public ::testing::Environment {
 public:
  explicit ApplicationEnvironment(const char* name) { std::strncpy(name_, name, sizeof name_ - 1); }
  void SetUp() override {
    app_ = std::make_unique<Application>(argc_, argv_);
#ifdef HALVANE_BINARY_DIR
    // Counted texts read as the programs show them in English ("1 warning"): English's
    // catalogue holds their singular.
    if (plurals_.load(QStringLiteral("halvane_en"),
                      QStringLiteral(HALVANE_BINARY_DIR "/share/halvane/translations")))
      QCoreApplication::installTranslator(&plurals_);
#endif
  }
  void TearDown() override {
    QCoreApplication::removeTranslator(&plurals_);
    app_.reset();
  }

 private:
  int argc_ = 1;
  char name_[32] = {};
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<Application> app_;
  QTranslator plurals_;
};

}  // namespace halvane::test
