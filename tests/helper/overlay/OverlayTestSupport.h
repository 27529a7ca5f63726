#pragma once

#include "helper/overlay/CustomWindow.h"
#include "platform/system/log/FakeSystemLog.h"
#include "platform/system/sleeper/FakeClock.h"
#include "platform/system/trace/Trace.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace halvane::test {

// A CustomWindow with a captured log, a trace written to a temporary file and a fake clock.
class OverlayTest : public ::testing::Test {
 protected:
  OverlayTest()
      : trace(dir.filePath(QStringLiteral("trace.jsonl"))),
        window(std::make_unique<CustomWindow>(log, trace, clock)) {}

  // The trace lines written since the last call.
  QStringList newTraceLines() {
    QFile file(dir.filePath(QStringLiteral("trace.jsonl")));
    if (!file.open(QIODevice::ReadOnly)) return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    QStringList fresh = lines.mid(linesRead_);
    linesRead_ = lines.size();
    return fresh;
  }
  // Ticks the fade timer n times, as its timeout would.
  void tick(int n = 1) {
    for (int i = 0; i < n; ++i) window->fadeMethod();
  }

  QTemporaryDir dir;
  FakeSystemLog log;
  FakeClock clock;
  Trace trace;
  std::unique_ptr<CustomWindow> window;

 private:
  qsizetype linesRead_ = 0;
};

}  // namespace halvane::test
