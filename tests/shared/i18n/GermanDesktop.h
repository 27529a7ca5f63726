#pragma once

#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

namespace halvane::test {

// A German desktop while it lives: the test catalogue probe_de.ts, compiled by the build.
class GermanDesktop {
 public:
  GermanDesktop() {
    EXPECT_TRUE(translator_.load(QStringLiteral(HALVANE_TEST_CATALOGUES "/halvane_de.qm")));
    QCoreApplication::installTranslator(&translator_);
  }
  ~GermanDesktop() { QCoreApplication::removeTranslator(&translator_); }
  GermanDesktop(const GermanDesktop&) = delete;
  GermanDesktop& operator=(const GermanDesktop&) = delete;

 private:
  QTranslator translator_;
};

}  // namespace halvane::test
