// The profiles table: its model over the shared records, the application chooser, the helper's
// profile in blue and the mouse-over row.
#include "tests/HalvanePrefPanel/controller/PaneRig.h"

#include "HalvanePrefPanel/widgets/ProfilesTableView.h"

#include <QFile>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace halvane::test {
namespace {

class ProfilesTable : public ::testing::Test {
 protected:
  ProfilesTable() : rig(PaneOptions().helperOn(3).from(defaultsTree())) {}
  ProfilesTableView* table() { return rig.ui().m_ProfilesTable; }
  QModelIndex cell(int row, const char* identifier) {
    const int column = table()->columnIdentifiers().indexOf(QString::fromLatin1(identifier));
    return table()->model()->index(row, column);
  }
  PaneRig rig;
};

TEST_F(ProfilesTable, ShowsTheVerySameRecordsTheTreeHolds) {
  EXPECT_TRUE(table()->items().isSameObject(rig.pane().prefs()[QStringLiteral("Profiles")]));
  EXPECT_EQ(table()->model()->rowCount(), 10);
  EXPECT_EQ(table()->columnIdentifiers(),
            QStringList({QStringLiteral("Name"), QStringLiteral("AssignedApplication"),
                         QStringLiteral("AutoSwitching")}));
  EXPECT_EQ(cell(2, "Name").data().toString(), QStringLiteral("Profile 3"));
  EXPECT_FALSE(table()->model()->index(-1, 0).data().isValid());
  EXPECT_TRUE(table()->selectedRowItemforColumnIdentifier(QStringLiteral("Name")).isNone());
  table()->selectRow(1);
  EXPECT_EQ(table()->selectedRowItemforColumnIdentifier(QStringLiteral("Name")).toString(),
            QStringLiteral("Profile 2"));
}

TEST_F(ProfilesTable, EditsAreStoredUnderTheColumnIdentifier) {
  EXPECT_TRUE(cell(4, "Name").flags() & Qt::ItemIsEditable);
  EXPECT_FALSE(cell(4, "AssignedApplication").flags() & Qt::ItemIsEditable);
  EXPECT_TRUE(cell(4, "AutoSwitching").flags() & Qt::ItemIsUserCheckable);

  QSignalSpy changed(table()->model(), &QAbstractItemModel::dataChanged);
  EXPECT_TRUE(table()->model()->setData(cell(4, "Name"), QStringLiteral("Browsing"), Qt::EditRole));
  EXPECT_EQ(rig.profile(4)[QStringLiteral("Name")].toString(), QStringLiteral("Browsing"));
  EXPECT_TRUE(
      table()->model()->setData(cell(4, "AutoSwitching"), Qt::Unchecked, Qt::CheckStateRole));
  EXPECT_EQ(rig.profile(4)[QStringLiteral("AutoSwitching")], PlistValue(false));
  EXPECT_EQ(cell(4, "AutoSwitching").data(Qt::CheckStateRole).toInt(), Qt::Unchecked);
  EXPECT_EQ(changed.count(), 2);
  // A text cell is not a check box.
  EXPECT_FALSE(table()->model()->setData(cell(4, "Name"), Qt::Checked, Qt::CheckStateRole));
}

TEST_F(ProfilesTable, DoubleClickBindsTheChosenApplication) {
  QTemporaryDir folder;
  const QString program = folder.filePath(QStringLiteral("someapp"));
  QFile script(program);
  script.open(QIODevice::WriteOnly);
  script.write("#!/bin/sh\n");
  script.close();
  script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  const QString desktop = folder.filePath(QStringLiteral("org.example.someapp.desktop"));
  QFile entry(desktop);
  entry.open(QIODevice::WriteOnly);
  entry.write(
      ("[Desktop Entry]\nType=Application\nName=Some App\nExec=" + program.toUtf8() + " %U\n"));
  entry.close();

  const PlistValue before = rig.pane().prefs().deepCopy();
  rig.openPanel->answers = {{desktop}, {}, {desktop}};
  table()->handleDoubleClick();  // no row selected
  EXPECT_TRUE(rig.openPanel->requests.isEmpty());
  table()->selectRow(6);
  rig.openPanel->answers.removeFirst();
  table()->handleDoubleClick();  // cancelled
  EXPECT_EQ(rig.pane().prefs(), before);

  table()->handleDoubleClick();
  EXPECT_EQ(rig.profile(6)[QStringLiteral("AssignedApplication")].toString(),
            QStringLiteral("Some App"));
  EXPECT_EQ(rig.profile(6)[QStringLiteral("ApplicationPath")].toString(), desktop);
  EXPECT_EQ(cell(6, "AssignedApplication").data().toString(), QStringLiteral("Some App"));
  EXPECT_EQ(rig.openPanel->requests.last().fileTypes, QStringList{QStringLiteral("app")});

  // An executable chosen directly ("Other...") is stored by its real path and its file name; an
  // entry that cannot be read as it is, by its file name.
  rig.openPanel->answers = {{program}, {QStringLiteral("/nowhere/Ghost.desktop")}};
  table()->handleDoubleClick();
  EXPECT_EQ(rig.profile(6)[QStringLiteral("AssignedApplication")].toString(),
            QStringLiteral("someapp"));
  EXPECT_EQ(rig.profile(6)[QStringLiteral("ApplicationPath")].toString(),
            QFileInfo(program).canonicalFilePath());
  table()->handleDoubleClick();
  EXPECT_EQ(rig.profile(6)[QStringLiteral("AssignedApplication")].toString(),
            QStringLiteral("Ghost"));
  EXPECT_EQ(rig.profile(6)[QStringLiteral("ApplicationPath")].toString(),
            QStringLiteral("/nowhere/Ghost.desktop"));
}

TEST_F(ProfilesTable, TheHelpersProfileIsBlueAndTheRestBlack) {
  for (int row = 0; row < 10; ++row)
    EXPECT_EQ(cell(row, "Name").data(Qt::ForegroundRole).value<QColor>(),
              QColor(row == 3 ? Qt::blue : Qt::black))
        << row;
  rig.server.currentProfile = 8;
  EXPECT_EQ(cell(8, "AssignedApplication").data(Qt::ForegroundRole).value<QColor>(),
            QColor(Qt::blue));

  rig.proxy->reachable = false;  // the helper quit: every row black
  for (int row = 0; row < 10; ++row)
    EXPECT_EQ(cell(row, "Name").data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::black)) << row;

  PaneRig alone(PaneOptions().withoutHelper().from(defaultsTree()));
  const QModelIndex zero = alone.ui().m_ProfilesTable->model()->index(0, 0);
  EXPECT_EQ(zero.data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::black));
}

TEST_F(ProfilesTable, APaintAsksTheHelperOnce) {
  table()->resize(500, 400);
  rig.ui().m_TabView->setCurrentIndex(1);
  rig.view().resize(800, 560);
  rig.server.calls.clear();
  QImage image(table()->size(), QImage::Format_ARGB32);
  table()->render(&image);
  EXPECT_EQ(rig.server.calls.count(QStringLiteral("getCurrentProfile")), 1);
}

TEST_F(ProfilesTable, SettingTheSameItemsAgainDoesNotReload) {
  QSignalSpy reset(table()->model(), &QAbstractItemModel::modelReset);
  table()->setItems(rig.pane().prefs()[QStringLiteral("Profiles")]);
  EXPECT_EQ(reset.count(), 0);
  table()->setItems(defaultsTree()[QStringLiteral("Profiles")]);
  EXPECT_EQ(reset.count(), 1);
}

TEST_F(ProfilesTable, AddAndRemoveRowsSignalTheModel) {
  QSignalSpy inserted(table()->model(), &QAbstractItemModel::rowsInserted);
  QSignalSpy removed(table()->model(), &QAbstractItemModel::rowsRemoved);
  table()->addRow(rig.profile(0).deepCopy());
  EXPECT_EQ(inserted.count(), 1);
  EXPECT_EQ(rig.pane().prefs()[QStringLiteral("Profiles")].count(), 11);
  table()->removeRow(10);
  table()->removeRow(42);
  EXPECT_EQ(removed.count(), 1);
  EXPECT_EQ(rig.pane().prefs()[QStringLiteral("Profiles")].count(), 10);
}

TEST_F(ProfilesTable, TheRowUnderThePointerIsHighlightedUntilItLeaves) {
  rig.ui().m_TabView->setCurrentIndex(1);
  rig.view().resize(800, 560);
  rig.view().show();
  const int y = table()->rowViewportPosition(2) + 2;
  table()->updateHighlighting(QPoint(5, y));
  EXPECT_EQ(table()->mouseOverIndex(), 2);

  QImage image(table()->viewport()->size(), QImage::Format_ARGB32);
  table()->viewport()->render(&image);
  const QColor fill =
      image.pixelColor(table()->columnViewportPosition(2) + table()->columnWidth(2) - 3, y);
  EXPECT_EQ(fill.rgb(), QColor::fromRgbF(0.62f, 0.87f, 1.0f).rgb()) << fill.name().toStdString();

  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(table()->viewport(), &leave);
  EXPECT_EQ(table()->mouseOverIndex(), -1);
  rig.view().hide();
}

}  // namespace
}  // namespace halvane::test
