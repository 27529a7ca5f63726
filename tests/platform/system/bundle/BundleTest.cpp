// Bundles: resources and Info.plist found from a file inside one, and the bundles the build makes.
#include "platform/system/bundle/Bundle.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace halvane {
namespace {

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
