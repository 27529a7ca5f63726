// The preferences opened from the menu start the helper when none answers on the bus: through
// its user unit when enabled, else the program itself; never a second one.
#include "platform/desktop/prefpane/HelperStarter.h"
#include "shared/control/ControlChannel.h"
#include "tests/support/PrivateBus.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace halvane {
namespace {

using Outcome = HelperStarter::Outcome;

bool writeScript(const QString& path, const QByteArray& body) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write("#!/bin/sh\n" + body) > 0 &&
         file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QByteArray readAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(HelperStarter, StartsTheHelperOnlyWhenNoneRunsAndPrefersTheUserUnit) {
  const struct {
    const char* name;
    bool running;
    const char* systemctl;  // nullptr: no systemctl at all
    bool helperExists;
    Outcome outcome;
    QByteArray systemctlCalls;
    bool programStarted;
  } cases[] = {
      {"running", true, "exit 0", true, Outcome::AlreadyRunning, "", false},
      {"unit enabled", false, "exit 0", true, Outcome::StartedUnit,
       "--user --quiet is-enabled halvane-helper.service\n"
       "--user --no-block start halvane-helper.service\n",
       false},
      {"unit disabled", false, "case \"$*\" in *is-enabled*) exit 1;; esac", true,
       Outcome::StartedProgram, "--user --quiet is-enabled halvane-helper.service\n", true},
      {"unit fails to start", false, "case \"$*\" in *start*) exit 1;; esac", true,
       Outcome::StartedProgram,
       "--user --quiet is-enabled halvane-helper.service\n"
       "--user --no-block start halvane-helper.service\n",
       true},
      {"no systemctl", false, nullptr, true, Outcome::StartedProgram, "", true},
      {"no helper", false, "exit 1", false, Outcome::NoHelperFound,
       "--user --quiet is-enabled halvane-helper.service\n", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::PrivateBus bus;
    ASSERT_FALSE(bus.address().isEmpty());
    QDBusConnection helperSide = bus.connect(QStringLiteral("helper"));
    if (c.running) {
      ASSERT_TRUE(helperSide.registerService(QString::fromLatin1(control::kServiceName)));
    }

    QTemporaryDir dir;
    const QString calls = dir.filePath(QStringLiteral("systemctl-calls"));
    const QString started = dir.filePath(QStringLiteral("started"));
    const QString systemctl = dir.filePath(QStringLiteral("systemctl"));
    if (c.systemctl) {
      ASSERT_TRUE(
          writeScript(systemctl, "echo \"$*\" >> '" + calls.toUtf8() + "'\n" + c.systemctl));
    }
    const QString helper = dir.filePath(QStringLiteral("halvane-helper"));
    if (c.helperExists) {
      ASSERT_TRUE(writeScript(helper, "touch '" + started.toUtf8() + "'\n"));
    }

    HelperStarter starter(bus.connection(), {dir.filePath(QStringLiteral("missing")), helper},
                          systemctl);
    EXPECT_EQ(starter.ensureRunning(), c.outcome);
    EXPECT_EQ(readAll(calls), c.systemctlCalls);
    if (c.programStarted)
      EXPECT_TRUE(test::waitUntil([&] { return QFile::exists(started); }));
    else
      EXPECT_FALSE(
          test::waitUntil([&] { return QFile::exists(started); }, std::chrono::milliseconds(300)));
  }
}

TEST(HelperStarter, StartsNothingWithoutABus) {
  QTemporaryDir dir;
  const QString started = dir.filePath(QStringLiteral("started"));
  const QString helper = dir.filePath(QStringLiteral("halvane-helper"));
  ASSERT_TRUE(writeScript(helper, "touch '" + started.toUtf8() + "'\n"));
  const QDBusConnection none = QDBusConnection::connectToBus(
      dir.filePath(QStringLiteral("no-bus")).prepend(QStringLiteral("unix:path=")),
      QStringLiteral("none"));
  EXPECT_EQ(HelperStarter(none, {helper}, helper).ensureRunning(), Outcome::NoBus);
  EXPECT_FALSE(
      test::waitUntil([&] { return QFile::exists(started); }, std::chrono::milliseconds(300)));
}

}  // namespace
}  // namespace halvane
