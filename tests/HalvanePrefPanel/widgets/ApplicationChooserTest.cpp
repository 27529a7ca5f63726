// The profiles table's application chooser as the user sees it: the real open panel of type
// "app" over a fixture XDG tree, its modal dialogs answered through their widgets.
#include "tests/HalvanePrefPanel/controller/PaneRig.h"
#include "tests/support/FixtureTree.h"

#include "HalvanePrefPanel/widgets/ProfilesTableView.h"
#include "platform/desktop/openpanel/ApplicationChooser.h"
#include "platform/desktop/openpanel/FileDialogOpenPanel.h"

#include <QApplication>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace halvane::test {
namespace {

// Runs action on the modal dialog of type T once it is up (inside its exec()). A dialog the
// action should have closed and did not is a failure, and is closed so the test goes on.
template <typename T>
void whenShown(std::function<void(T*)> action) {
  QTimer::singleShot(0, [action] {
    auto* dialog = dynamic_cast<T*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr) << "no such dialog up";
    action(dialog);
    QTimer::singleShot(0, dialog, [dialog] {
      if (!dialog->isVisible()) return;
      ADD_FAILURE() << "the dialog is still open";
      dialog->reject();
    });
  });
}

class ApplicationChooserPane : public ::testing::Test {
 protected:
  ApplicationChooserPane() : rig(PaneOptions().from(defaultsTree())), panel(tree.roots()) {
    QImage pixel(16, 16, QImage::Format_ARGB32);
    pixel.fill(Qt::red);
    const QString icon = tree.path(QStringLiteral("mail.png"));
    pixel.save(icon);
    mail = tree.entry(tree.systemApps(), QStringLiteral("org.example.Mail.desktop"),
                      "Name=Mail\nIcon=" + icon.toUtf8() + "\nExec=mailer %U");
    editorSystem = tree.entry(tree.systemApps(), QStringLiteral("org.example.Editor.desktop"),
                              "Name=Text Editor\nExec=editor");
    editorUser = tree.entry(tree.userApps(), QStringLiteral("org.example.Editor.desktop"),
                            "Name=My Editor\nExec=editor --mine");
    tree.entry(tree.systemApps(), QStringLiteral("helper-only.desktop"),
               "Name=Mail Helper\nNoDisplay=true");
    program = tree.program(QStringLiteral("opt/tool/run-tool"));
    table()->setOpenPanel(&panel);
    table()->selectRow(2);
  }
  ProfilesTableView* table() { return rig.ui().m_ProfilesTable; }
  QString stored(const char* key) { return rig.profile(2)[QString::fromLatin1(key)].toString(); }

  FixtureTree tree;
  PaneRig rig;
  FileDialogOpenPanel panel;
  QString mail, editorSystem, editorUser, program;
};

TEST_F(ApplicationChooserPane, ListsTheShownApplicationsByNameAndStoresTheOneChosen) {
  std::vector<QString> names;
  whenShown<ApplicationChooser>([&](ApplicationChooser* chooser) {
    auto* list = chooser->findChild<QListView*>(QStringLiteral("applications"));
    for (int row = 0; row < list->model()->rowCount(); ++row) {
      names.push_back(list->model()->index(row, 0).data().toString());
      const QIcon icon = list->model()->index(row, 0).data(Qt::DecorationRole).value<QIcon>();
      ASSERT_FALSE(icon.isNull()) << row;
      // The entry's own icon file; the other has none and gets the stand-in.
      EXPECT_EQ(icon.pixmap(16).toImage().pixel(8, 8) == QColor(Qt::red).rgb(),
                names.back() == "Mail")
          << row;
    }
    EXPECT_FALSE(chooser->findChild<QPushButton*>(QStringLiteral("open"))->isEnabled());
    // "mail" also finds the NoDisplay entry's name, which is not listed.
    QTest::keyClicks(chooser->findChild<QLineEdit*>(QStringLiteral("search")),
                     QStringLiteral("MAIL"));
    EXPECT_EQ(list->model()->rowCount(), 1);
    chooser->findChild<QPushButton*>(QStringLiteral("open"))->click();
  });
  table()->handleDoubleClick();
  // The user's override stands for its desktop ID; the NoDisplay entry is not offered.
  EXPECT_EQ(names, (std::vector<QString>{QStringLiteral("Mail"), QStringLiteral("My Editor")}));
  EXPECT_EQ(stored("ApplicationPath"), mail);
  EXPECT_EQ(stored("AssignedApplication"), QStringLiteral("Mail"));

  // Searching by desktop ID, taken with Return: the file that wins is stored.
  whenShown<ApplicationChooser>([&](ApplicationChooser* chooser) {
    QTest::keyClicks(chooser->findChild<QLineEdit*>(QStringLiteral("search")),
                     QStringLiteral("example.edit"));
    QTest::keyClick(chooser->findChild<QLineEdit*>(QStringLiteral("search")), Qt::Key_Return);
  });
  table()->handleDoubleClick();
  EXPECT_EQ(stored("ApplicationPath"), editorUser);
  EXPECT_EQ(stored("AssignedApplication"), QStringLiteral("My Editor"));

  // The arrow keys in the search field walk the list: down to Mail, then to My Editor and back.
  whenShown<ApplicationChooser>([&](ApplicationChooser* chooser) {
    auto* search = chooser->findChild<QLineEdit*>(QStringLiteral("search"));
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Return})
      QTest::keyClick(search, key);
  });
  table()->handleDoubleClick();
  EXPECT_EQ(stored("ApplicationPath"), mail);
}

TEST_F(ApplicationChooserPane, OtherStoresAnExecutableByItsFileAndCancelsChangeNothing) {
  const PlistValue before = rig.pane().prefs().deepCopy();
  // Cancelling the chooser; then cancelling Other…'s file dialog, which leaves the chooser up
  // to be cancelled too.
  whenShown<ApplicationChooser>([](ApplicationChooser* chooser) { chooser->reject(); });
  table()->handleDoubleClick();
  whenShown<ApplicationChooser>([](ApplicationChooser* chooser) {
    whenShown<QFileDialog>([chooser](QFileDialog* files) {
      files->reject();
      QTimer::singleShot(0, chooser, &QDialog::reject);
    });
    chooser->findChild<QPushButton*>(QStringLiteral("other"))->click();
  });
  table()->handleDoubleClick();
  EXPECT_EQ(rig.pane().prefs(), before);

  whenShown<ApplicationChooser>([&](ApplicationChooser* chooser) {
    whenShown<QFileDialog>([&](QFileDialog* files) {
      files->selectFile(program);
      static_cast<QDialog*>(files)->accept();  // public there, protected in QFileDialog
    });
    chooser->findChild<QPushButton*>(QStringLiteral("other"))->click();
  });
  table()->handleDoubleClick();
  EXPECT_EQ(stored("ApplicationPath"), program);
  EXPECT_EQ(stored("AssignedApplication"), QStringLiteral("run-tool"));
}

}  // namespace
}  // namespace halvane::test
