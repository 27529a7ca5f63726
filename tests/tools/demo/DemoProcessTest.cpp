// The demo program against the real helper, on a private bus: what a newcomer sees first.
#include "tests/support/HelperHarness.h"

#include <QProcess>

#include <gtest/gtest.h>

namespace halvane::test {
namespace {

TEST(DemoProgram, ShowsTheHelperPlayingMacrosAndSwitchingProfilesThenStopsIt) {
  PrivateBus bus;
  QProcess demo;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus.address());
  demo.setProcessEnvironment(environment);
  demo.start(QStringLiteral(HALVANE_DEMO), {});
  ASSERT_TRUE(demo.waitForStarted(5000));
  ASSERT_TRUE(demo.waitForFinished(60000));
  const QString output = QString::fromUtf8(demo.readAllStandardOutput());
  EXPECT_EQ(demo.exitCode(), 0) << qPrintable(output);

  const QStringList expected = {
      QStringLiteral("The helper found the keyboard and "),
      QStringLiteral("switched to Demo (shown on screen)."),
      QStringLiteral("L1 \u2192 typed \u2318\u21e7A, waited 0.25 s\n"),
      QStringLiteral("L2 \u2192 typed H, I, "),
      QStringLiteral("Play key \u2192 asked Rhythmbox to Play\n"),
      QStringLiteral("Eject key \u2192 posted 3 system key events\n"),
      QStringLiteral("L3 \u2192 switched to Profile 3 (shown on screen)\n"),
      QStringLiteral("profile key + F4 \u2192 switched to Profile 4 (shown on screen)\n"),
      QStringLiteral("profile key + F1 \u2192 switched to Demo (shown on screen)\n"),
      QStringLiteral("The helper stopped cleanly.\n"),
  };
  qsizetype from = 0;
  for (const QString& text : expected) {
    const qsizetype at = output.indexOf(text, from);
    EXPECT_GE(at, 0) << "missing, or out of order: " << qPrintable(text) << "\n"
                     << qPrintable(output);
    if (at >= 0) from = at + text.size();
  }
}

}  // namespace
}  // namespace halvane::test
