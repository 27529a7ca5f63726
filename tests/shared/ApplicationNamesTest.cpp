// The table of what the stored player and image application names stand for.
#include "shared/ApplicationNames.h"

#include <gtest/gtest.h>

namespace halvane {
namespace {

TEST(ApplicationNames, ReadsRowsAndPassesOverCommentsAndShortRows) {
  const ApplicationNames names = ApplicationNames::parse(
      "# comment\n"
      "media\tiTunes\tRhythmbox\torg.gnome.Rhythmbox3,rhythmbox\trhythmbox\trhythmbox\r\n"
      "\n"
      "media\tbroken\n"
      "imaging\tPreview\tImage Viewer\t-\teog\t-\n");
  ASSERT_EQ(names.entries().size(), 2u);
  const ApplicationName* itunes = names.find(QStringLiteral("iTunes"));
  ASSERT_NE(itunes, nullptr);
  EXPECT_EQ(itunes->kind, QStringLiteral("media"));
  EXPECT_EQ(itunes->desktopIds, QStringList({"org.gnome.Rhythmbox3", "rhythmbox"}));
  EXPECT_EQ(itunes->busName, QStringLiteral("rhythmbox"));
  const ApplicationName* preview = names.find(QStringLiteral("Preview"));
  ASSERT_NE(preview, nullptr);
  EXPECT_TRUE(preview->desktopIds.isEmpty());
  EXPECT_TRUE(preview->busName.isEmpty());
  EXPECT_EQ(names.titleFor(QStringLiteral("Preview")), QStringLiteral("Image Viewer"));
  EXPECT_EQ(names.titleFor(QStringLiteral("broken")), QStringLiteral("broken"));
  EXPECT_TRUE(
      ApplicationNames::read(QStringLiteral("/nonexistent/ApplicationNames.tsv")).isEmpty());
}

// Every stored value the pop-ups can write has a row, and every row a title and an executable.
TEST(ApplicationNames, TheProductsTableNamesEveryChoice) {
  const ApplicationNames names =
      ApplicationNames::read(QStringLiteral(HALVANE_SOURCE_DIR "/shared/ApplicationNames.tsv"));
  for (const char* value : {"iTunes", "QuickTime Player", "VLC", "RealPlayer", "Preview",
                            "PhotoShop", "Illustrator", "Adobe Reader", "ACDSee"}) {
    const ApplicationName* entry = names.find(QString::fromLatin1(value));
    ASSERT_NE(entry, nullptr) << value;
    EXPECT_FALSE(entry->executable.isEmpty()) << value;
    EXPECT_FALSE(entry->desktopIds.isEmpty()) << value;
    EXPECT_EQ(entry->busName.isEmpty(), entry->kind == QLatin1String("imaging")) << value;
  }
}

}  // namespace
}  // namespace halvane
