#include "platform/system/bundle/Bundle.h"
#include "platform/system/log/FakeSystemLog.h"
#include "platform/system/log/TracedSystemLog.h"
#include "platform/system/trace/Trace.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/time.h>

#include <csignal>

namespace halvane {
namespace {

QList<QByteArray> linesOf(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  QList<QByteArray> lines = f.readAll().split('\n');
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  return lines;
}

TEST(Trace, LinesAreJsonObjectsWithOpFirst) {
  EXPECT_EQ(TraceEvent("keyboardEvent").add("keyCode", 56).add("down", true).line(),
            "{\"op\":\"keyboardEvent\",\"keyCode\":56,\"down\":true}\n");
  EXPECT_EQ(TraceEvent("sleep").add("seconds", 0.25).line(),
            "{\"op\":\"sleep\",\"seconds\":0.25}\n");
  EXPECT_EQ(TraceEvent("alpha").add("value", double(0.2f)).line(),
            "{\"op\":\"alpha\",\"value\":0.20000000298023224}\n");

  const QByteArray line =
      TraceEvent("overlayName").add("name", QString::fromUtf8("Pro \"file\"\n⌘")).line();
  const QJsonObject parsed = QJsonDocument::fromJson(line).object();
  EXPECT_EQ(parsed["name"].toString(), QString::fromUtf8("Pro \"file\"\n⌘"));
}

TEST(Trace, AppendsOneFlushedLinePerEvent) {
  QTemporaryDir dir;
  const QString path = dir.filePath("trace.jsonl");
  {
    QFile existing(path);
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("{\"op\":\"earlier\"}\n");
  }
  Trace trace(path);
  ASSERT_TRUE(trace.enabled());
  FakeSystemLog inner;
  TracedSystemLog log(inner, trace);
  log.log("No Prefs File!");
  // Readable at once, before the trace is closed.
  const QList<QByteArray> lines = linesOf(path);
  ASSERT_EQ(lines.size(), 2);
  EXPECT_EQ(lines[1], "{\"op\":\"log\",\"message\":\"No Prefs File!\"}");
  EXPECT_EQ(inner.lines, QStringList{"No Prefs File!"}) << "the trace only observes";
}

TEST(Trace, WithoutAPathNothingIsWritten) {
  Trace trace{QString()};
  EXPECT_FALSE(trace.enabled());
  trace.write(TraceEvent("x"));  // must simply do nothing
}

class BundleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = dir_.filePath("Thing.app");
    QDir().mkpath(root_ + "/Contents/MacOS");
    QDir().mkpath(root_ + "/Contents/Resources");
    write(root_ + "/Contents/Info.plist",
          "<plist><dict><key>CFBundleIdentifier</key><string>com.example.thing</string>"
          "<key>CFBundleShortVersionString</key><string>2.1</string></dict></plist>");
    write(root_ + "/Contents/Resources/defaults.plist", "<plist><dict/></plist>");
    write(root_ + "/Contents/Resources/Halvane", "#!/bin/sh\n");
    write(root_ + "/Contents/MacOS/Thing", "");
  }
  static void write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }
  QTemporaryDir dir_;
  QString root_;
};

TEST_F(BundleTest, FindsItsResourcesAndInfo) {
  const Bundle bundle = Bundle::containing(root_ + "/Contents/MacOS/Thing");
  ASSERT_TRUE(bundle.isValid());
  EXPECT_EQ(QDir(bundle.bundlePath()).canonicalPath(), QDir(root_).canonicalPath());
  EXPECT_EQ(bundle.identifier(), "com.example.thing");
  EXPECT_EQ(bundle.infoDictionary()["CFBundleShortVersionString"].toString(), "2.1");
  EXPECT_TRUE(
      bundle.resourcePath("defaults", "plist").endsWith("/Contents/Resources/defaults.plist"));
  EXPECT_TRUE(bundle.resourcePath("Halvane", "").endsWith("/Contents/Resources/Halvane"));
  EXPECT_TRUE(bundle.resourcePath("missing", "plist").isEmpty());
  EXPECT_TRUE(bundle.resourcePath("../Info", "plist").isEmpty()) << "names never leave Resources";
}

TEST_F(BundleTest, AFileOutsideABundleHasNone) {
  write(dir_.filePath("loose"), "");
  EXPECT_FALSE(Bundle::containing(dir_.filePath("loose")).isValid());
  EXPECT_TRUE(Bundle().identifier().isEmpty());
  EXPECT_TRUE(Bundle().resourcePath("defaults", "plist").isEmpty());
}

TEST(BuiltBundles, CarryTheirIdentifiersAndDefaults) {
  const Bundle helper(QStringLiteral(HALVANE_BUNDLE_DIR "/HalvaneHelper.app"));
  EXPECT_EQ(helper.identifier(), "com.halvane.keyboard.helper");
  EXPECT_FALSE(helper.resourcePath("defaults", "plist").isEmpty());
  const Bundle pane(QStringLiteral(HALVANE_BUNDLE_DIR "/HalvanePrefPanel.prefPane"));
  EXPECT_EQ(pane.identifier(), "com.halvane.keyboard.prefpane");
  EXPECT_FALSE(pane.infoDictionary()["CFBundleShortVersionString"].toString().isEmpty());
}

}  // namespace
}  // namespace halvane
