// Every window and dialog of the preferences in every language the pane ships a catalogue for,
// and in a pseudo-language 40 % longer than English (PseudoLanguage.h), left to right and right
// to left: at its default size no label, button, tab, header or pop-up item text is cut off,
// and no two controls overlap. Right to left, the windows mirror but the keyboard picture and
// its key columns stay as on the keyboard.
#include "tests/HalvanePrefPanel/controller/PaneRig.h"
#include "tests/HalvanePrefPanel/ui/PseudoLanguage.h"
#include "tests/HalvanePrefPanel/ui/SampleSettings.h"
#include "tests/HalvanePrefPanel/ui/TextFit.h"
#include "tests/support/FixtureTree.h"

#include "HalvanePrefPanel/editor/HVKeyComboPanel.h"
#include "HalvanePrefPanel/editor/MacroStepRow.h"
#include "HalvanePrefPanel/widgets/HVKeyView.h"
#include "platform/desktop/appidentity/DesktopEntryIndex.h"
#include "platform/desktop/openpanel/ApplicationChooser.h"
#include "platform/input/posters/TextTypingLimits.h"
#include "ui_HVKeyComboPanel.h"

#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace halvane::test {
namespace {

struct Language {
  std::string name;
  QString catalogue;  // a .qm file; empty for English and the pseudo-language
  bool pseudo = false;
  Qt::LayoutDirection direction = Qt::LayoutDirectionAuto;  // the catalogue's own by default
};

// Names the case in the test's name and messages.
void PrintTo(const Language& language, std::ostream* out) {
  *out << language.name;
}

// English, the pseudo-language both ways, and every catalogue the pane's bundle holds.
std::vector<Language> languages() {
  std::vector<Language> all{{"English", {}, false, Qt::LayoutDirectionAuto},
                            {"Pseudo", {}, true, Qt::LayoutDirectionAuto},
                            {"PseudoRightToLeft", {}, true, Qt::RightToLeft}};
  const QDir folder(paneBundlePath() + QStringLiteral("/Contents/Resources/translations"));
  for (const QString& file :
       folder.entryList({QStringLiteral("halvane_*.qm")}, QDir::Files, QDir::Name)) {
    const QString language = file.mid(8, file.size() - 11);
    all.push_back({language.toStdString(), folder.filePath(file), false, Qt::LayoutDirectionAuto});
  }
  return all;
}

// The language's catalogues installed (with Qt's own for its standard buttons) for one test.
class InLanguage {
 public:
  explicit InLanguage(const Language& language) {
    if (language.pseudo) {
      add(std::make_unique<PseudoLanguage>());
    } else if (!language.catalogue.isEmpty()) {
      auto own = std::make_unique<QTranslator>();
      loaded = own->load(language.catalogue);
      add(std::move(own));
      const QString code = QFileInfo(language.catalogue).completeBaseName().mid(8);
      auto qt = std::make_unique<QTranslator>();
      if (qt->load(QStringLiteral("qtbase_") + code,
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        add(std::move(qt));
    }
    if (language.direction != Qt::LayoutDirectionAuto)
      QGuiApplication::setLayoutDirection(language.direction);
  }
  ~InLanguage() {
    for (const auto& translator : translators_)
      QCoreApplication::removeTranslator(translator.get());
    QGuiApplication::setLayoutDirection(Qt::LayoutDirectionAuto);
  }
  bool loaded = true;

 private:
  void add(std::unique_ptr<QTranslator> translator) {
    QCoreApplication::installTranslator(translator.get());
    translators_.push_back(std::move(translator));
  }
  std::vector<std::unique_ptr<QTranslator>> translators_;
};

std::string lines(const QStringList& found) {
  return found.join(u'\n').toStdString();
}

// x of a widget in its window.
int xIn(const QWidget* widget) {
  return widget->mapTo(widget->window(), QPoint()).x();
}

class Layout : public ::testing::TestWithParam<Language> {
 protected:
  Layout() : language(GetParam()) {}

  // The pane at its default size, as its host shows it.
  void show(PaneRig& pane) {
    QWidget& view = pane.view();
    view.resize(view.sizeHint());
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  }
  // The key labels show what the user set (macros, names), not texts of ours.
  QSet<const QWidget*> userContent(PaneRig& pane) {
    QSet<const QWidget*> labels;
    for (QWidget* label : pane.pane().m_KeyLabels) labels << label;
    return labels;
  }
  bool rightToLeft() const { return QGuiApplication::layoutDirection() == Qt::RightToLeft; }

  InLanguage language;
};

TEST_P(Layout, PaneTabsFitTheirTexts) {
  ASSERT_TRUE(language.loaded);
  PaneRig rig(PaneOptions().from(sampleSettings()));
  show(rig);
  if (GetParam().pseudo) {  // the texts are the lengthened ones
    EXPECT_EQ(rig.ui().applyButton->text(), PseudoLanguage::lengthened(QStringLiteral("Apply")));
  }
  QTabWidget* tabs = rig.ui().m_TabView;
  for (int tab = 0; tab < tabs->count(); ++tab) {
    tabs->setCurrentIndex(tab);
    QCoreApplication::processEvents();
    EXPECT_EQ(lines(clippedTexts(&rig.view(), userContent(rig))), "") << "tab " << tab;
    EXPECT_EQ(lines(overlappingControls(&rig.view(), rig.ui().keyboardPicture)), "")
        << "tab " << tab;
  }
}

// What the code finds by name in the interface files (page and column identifiers, pop-up
// tags, the picture's file, style sheets) is no text to translate: it is the same in every
// language.
TEST_P(Layout, IdentifiersStayAsTheyAreInEveryLanguage) {
  PaneRig rig(PaneOptions().from(sampleSettings()));
  Ui::HalvanePref& ui = rig.ui();
  EXPECT_EQ(ui.MacroKeys->property("identifier").toString(), QStringLiteral("MacroKeys"));
  EXPECT_EQ(ui.Profiles->property("identifier").toString(), QStringLiteral("Profiles"));
  EXPECT_EQ(ui.m_ProfilesTable->profilesModel()->columnIdentifiers(),
            QStringList({QStringLiteral("Name"), QStringLiteral("AssignedApplication"),
                         QStringLiteral("AutoSwitching")}));
  EXPECT_EQ(ui.m_MediaPlayerPopUpButton->itemData(2).toInt(), 3);
  EXPECT_TRUE(ui.keyboardPicture->isPictureValid());
  rig.pane().handleMacroButton(rig.pane().m_Key[0]);
  HVKeyComboPanel* editor = HVKeyComboPanel::sharedPanel();
  EXPECT_TRUE(editor->outlets().fMacroCaption->font().bold()) << "its style sheet was not read";
  editor->cancel();
}

TEST_P(Layout, RightToLeftMirrorsTheWindowButNotTheKeyboard) {
  PaneRig rig(PaneOptions().from(sampleSettings()));
  show(rig);
  Ui::HalvanePref& ui = rig.ui();
  if (GetParam().name == "ar") {
    EXPECT_TRUE(rightToLeft()) << "the catalogue sets no direction";
  }
  // The window follows the language: Apply at the far end of the bottom row, help at its start.
  if (rightToLeft())
    EXPECT_LT(xIn(ui.applyButton), xIn(ui.helpButton));
  else
    EXPECT_GT(xIn(ui.applyButton), xIn(ui.helpButton));
  // The keyboard is the keyboard: L1 to L5 and their labels on the left, in either direction.
  EXPECT_EQ(ui.keyboardPicture->layoutDirection(), Qt::LeftToRight);
  for (int row = 0; row < 5; ++row) {
    EXPECT_LT(xIn(rig.pane().m_Key[row]), xIn(rig.pane().m_Key[row + 5])) << "row " << row;
    EXPECT_LT(xIn(rig.pane().m_KeyLabelBtn[row]), xIn(rig.pane().m_KeyLabelBtn[row + 5]));
    EXPECT_LT(xIn(rig.pane().m_KeyLabels[row]), xIn(rig.pane().m_Key[row]));
  }
}

TEST_P(Layout, MacroEditorFitsItsTextsInEveryAction) {
  ASSERT_TRUE(language.loaded);
  PaneRig rig(PaneOptions().from(sampleSettings()));
  show(rig);
  rig.pane().handleMacroButton(rig.pane().m_Key[0]);
  HVKeyComboPanel* editor = HVKeyComboPanel::sharedPanel();
  QDialog* sheet = editor->window();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(sheet));
  Ui::HVKeyComboPanel& ui = editor->outlets();
  // The recorded macro and the chosen application are the user's.
  const QSet<const QWidget*> chosen{ui.mComboField, ui.fOldComboField, ui.fAppField,
                                    ui.fProfileField};
  for (QWidget* caption : {ui.fMacroCaption, ui.fAppCaption, ui.fProfileCaption}) {
    editor->handleTextClick(caption);
    EXPECT_EQ(lines(clippedTexts(sheet, chosen)), "") << caption->objectName().toStdString();
    EXPECT_EQ(lines(overlappingControls(sheet)), "") << caption->objectName().toStdString();
  }
  if (rightToLeft()) {
    EXPECT_LT(xIn(ui.okButton), xIn(ui.cancelButton));
  }
  editor->cancel();
}

// Every kind of step in the rows, with the hint a text with untypable characters shows.
TEST_P(Layout, MacroEditorFitsItsStepRows) {
  struct AllUntypable : TextTypingLimits {
    QString untypableCharacters(const QString& text) override { return text; }
  } limits;
  ASSERT_TRUE(language.loaded);
  PaneRig rig(PaneOptions().from(sampleSettings()));
  show(rig);
  rig.pane().handleMacroButton(rig.pane().m_Key[0]);
  HVKeyComboPanel* editor = HVKeyComboPanel::sharedPanel();
  QDialog* sheet = editor->window();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(sheet));
  editor->setTextTypingLimits(&limits);
  editor->clear();
  editor->setKeyCombo(HVKeyCombo(8, 0x1000, 0));
  editor->addStep(settings::StepKind::Text);
  editor->addStep(settings::StepKind::MouseButton);
  editor->addStep(settings::StepKind::Wheel);
  editor->handleDelayClick(editor->outlets().f200msButton);
  QKeyEvent typed(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("€✓"));
  QApplication::sendEvent(editor->stepRows()[1]->textField(), &typed);
  QTest::qWait(0);
  Ui::HVKeyComboPanel& ui = editor->outlets();
  QSet<const QWidget*> chosen{ui.mComboField, ui.fOldComboField, ui.fAppField, ui.fProfileField};
  for (const MacroStepRow* row : editor->stepRows()) chosen << row->textField() << row->keyField();
  EXPECT_TRUE(editor->stepRows()[1]->untypableHint()->isVisible());
  EXPECT_EQ(lines(clippedTexts(sheet, chosen)), "");
  EXPECT_EQ(lines(overlappingControls(sheet)), "");
  if (rightToLeft()) {
    const MacroStepRow* row = editor->stepRows()[2];
    EXPECT_LT(xIn(row->removeButton()), xIn(row->kindPopUp())) << "the rows mirror";
  }
  editor->setTextTypingLimits(nullptr);
  editor->cancel();
}

TEST_P(Layout, SettingsErrorMessageFitsItsTexts) {
  ASSERT_TRUE(language.loaded);
  PaneRig rig(PaneOptions().fromBytes("not a settings file"));
  show(rig);
  auto* box = rig.view().findChild<QMessageBox*>(QStringLiteral("settingsErrorDialog"));
  ASSERT_NE(box, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(box));
  EXPECT_EQ(lines(clippedTexts(box)), "");
  EXPECT_EQ(lines(overlappingControls(box)), "");
}

TEST_P(Layout, ApplicationChooserFitsItsTexts) {
  ASSERT_TRUE(language.loaded);
  FixtureTree tree;
  tree.entry(tree.systemApps(), QStringLiteral("org.example.Mail.desktop"),
             "Name=Mail\nExec=mailer %U");
  const DesktopEntryIndex index(tree.roots());
  ApplicationChooser chooser(index, [](QWidget*) { return QString(); });
  chooser.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&chooser));
  EXPECT_EQ(lines(clippedTexts(&chooser)), "");
  EXPECT_EQ(lines(overlappingControls(&chooser)), "");
}

// The checks themselves: a text wider than its fixed-size widget, and two controls on top of
// each other, are found.
TEST(TextFit, FindsTextsCutOffAndControlsOverlapping) {
  QWidget window;
  window.resize(400, 200);
  auto* label = new QLabel(QStringLiteral("A label far longer than its room"), &window);
  label->setGeometry(0, 0, 60, 30);
  auto* box = new QCheckBox(QStringLiteral("A check box far longer than its room"), &window);
  box->setGeometry(0, 40, 80, 30);
  auto* button = new QPushButton(QStringLiteral("Fits"), &window);
  button->setGeometry(0, 80, 200, 30);
  auto* over = new QPushButton(QStringLiteral("On top"), &window);
  over->setGeometry(150, 90, 100, 30);
  window.show();
  const QStringList clipped = clippedTexts(&window);
  ASSERT_EQ(clipped.size(), 2) << lines(clipped);
  EXPECT_TRUE(clipped[0].contains(QStringLiteral("A label far longer")));
  EXPECT_TRUE(clipped[1].contains(QStringLiteral("A check box")));
  EXPECT_EQ(overlappingControls(&window).size(), 1) << lines(overlappingControls(&window));
  EXPECT_TRUE(clippedTexts(&window, {label, box}).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Languages, Layout, ::testing::ValuesIn(languages()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace halvane::test
