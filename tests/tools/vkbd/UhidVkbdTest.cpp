#include <QProcess>

#include <gtest/gtest.h>

namespace {

// Where the kernel gives no uhid node, halvane-vkbd --uhid says why in one line and fails,
// before it reads any command.
TEST(UhidVkbdTest, MissingUhidNodeIsAClearError) {
  QProcess vkbd;
  vkbd.start(QStringLiteral(VKBD_PROGRAM),
             {QStringLiteral("--uhid-device"), QStringLiteral("/nonexistent/uhid")});
  vkbd.closeWriteChannel();
  ASSERT_TRUE(vkbd.waitForFinished(10000));
  EXPECT_EQ(vkbd.exitCode(), 1);
  EXPECT_EQ(vkbd.readAllStandardError(),
            "/nonexistent/uhid does not exist: load the uhid kernel module (modprobe uhid)\n");
  EXPECT_EQ(vkbd.readAllStandardOutput(), "");
}

}  // namespace
