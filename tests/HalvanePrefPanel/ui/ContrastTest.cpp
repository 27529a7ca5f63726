// The pane's texts as rendered in Fusion's light palette, a dark one and a high-contrast one
// (Palettes.h), measured from the pixels: each text's ink against the ground it is drawn on
// keeps WCAG AA (4.5:1). The texts are those of the keyboard picture, the macro key labels (one
// under the pointer, one of an application that is gone), the pane's labels, check boxes and
// buttons, the profiles table (the helper's profile, the row under the pointer) and the macro
// editor.
#include "tests/HalvanePrefPanel/controller/PaneRig.h"
#include "tests/HalvanePrefPanel/ui/Palettes.h"
#include "tests/HalvanePrefPanel/ui/SampleSettings.h"
#include "tests/support/RenderedPixels.h"

#include "HalvanePrefPanel/editor/HVKeyComboPanel.h"
#include "HalvanePrefPanel/widgets/HVKeyView.h"
#include "ui_HVKeyComboPanel.h"

#include <QDialog>
#include <QDir>
#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QTest>

#include <gtest/gtest.h>

#include <iostream>

namespace halvane::test {
namespace {

constexpr double kAA = 4.5;

struct PaletteCase {
  const char* name;
  QPalette (*palette)();
};

// Kept in the build tree's screenshots/ for review: contrast-dark-pane.png and so on.
void keep(const QImage& picture, const char* page) {
  const QString folder = QStringLiteral(HALVANE_BINARY_DIR "/screenshots");
  QDir().mkpath(folder);
  const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
  const QString palette = QString::fromLatin1(test->name()).section(u'/', -1);
  picture.save(QStringLiteral("%1/contrast-%2-%3.png").arg(folder, palette, QLatin1String(page)));
}

void PrintTo(const PaletteCase& palette, std::ostream* out) {
  *out << palette.name;
}

class Contrast : public ::testing::TestWithParam<PaletteCase> {
 protected:
  ~Contrast() override { useFusion(lightPalette()); }

  // The text inside `widget`'s rectangle `area` (the widget's own coordinates), in the
  // picture of `window`.
  void expectReadable(const QString& what, const QImage& picture, QWidget* window, QWidget* widget,
                      QRect area) {
    area = area.adjusted(1, 2, -1, -2);
    const QRect inWindow(widget->mapTo(window, area.topLeft()), area.size());
    const TextContrast measured = textContrast(picture, inWindow);
    std::cout << GetParam().name << " " << what.toStdString() << ": " << measured.ratio << " ("
              << QColor(measured.ink).name().toStdString() << " on "
              << QColor(measured.ground).name().toStdString() << ")\n";
    EXPECT_GT(measured.inkPixels, 0) << what.toStdString() << ": no text drawn";
    EXPECT_GE(measured.ratio, kAA)
        << what.toStdString() << ": " << QColor(measured.ink).name().toStdString() << " on "
        << QColor(measured.ground).name().toStdString();
  }
  void expectReadable(const QImage& picture, QWidget* window, QWidget* widget) {
    expectReadable(widget->objectName(), picture, window, widget, widget->contentsRect());
  }

  // The palette is the application's before the pane is made, as a desktop's is.
  struct InPalette {
    explicit InPalette(const PaletteCase& chosen) { useFusion(chosen.palette()); }
  } inPalette{GetParam()};
  // The helper is on profile 0, the one with keys set.
  PaneRig rig{PaneOptions().from(sampleSettings()).helperOn(0)};
};

TEST_P(Contrast, TextsOfTheMacroKeysPageAreReadable) {
  QWidget& view = rig.view();
  view.resize(view.sizeHint());
  view.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  rig.pane().mouseOverMacroKey(1);  // L2 under the pointer: its label is washed
  const QImage picture = view.grab().toImage();
  keep(picture, "pane");

  Ui::HalvanePref& ui = rig.ui();
  for (QWidget* label : {ui.m_L1Label, ui.m_L2Label, ui.m_R1Label})
    expectReadable(picture, &view, label);
  for (QWidget* label : {ui.editProfileLabel, ui.mediaLabel, ui.macroHint, ui.versionLabel})
    expectReadable(picture, &view, label);
  QStyleOptionButton option;
  option.initFrom(ui.fSwapCmdAltCheckbox);
  option.text = ui.fSwapCmdAltCheckbox->text();
  expectReadable(
      QStringLiteral("fSwapCmdAltCheckbox"), picture, &view, ui.fSwapCmdAltCheckbox,
      view.style()->subElementRect(QStyle::SE_CheckBoxContents, &option, ui.fSwapCmdAltCheckbox));
  expectReadable(picture, &view, ui.m_ResetKeysBtn);
  // The picture's own key caps: L1 on a macro key, Esc on a key of the keyboard.
  expectReadable(QStringLiteral("L1 key cap"), picture, &view, ui.keyboardPicture,
                 QRect(183, 38, 34, 20));
  expectReadable(QStringLiteral("Esc key cap"), picture, &view, ui.keyboardPicture,
                 QRect(236, 35, 15, 12));
}

TEST_P(Contrast, TextsOfTheProfilesTableAreReadable) {
  QWidget& view = rig.view();
  view.resize(view.sizeHint());
  view.show();
  rig.ui().m_TabView->setCurrentIndex(1);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  ProfilesTableView* table = rig.ui().m_ProfilesTable;
  const QModelIndex underPointer = table->model()->index(1, 0);
  QMouseEvent move(QEvent::MouseMove, table->visualRect(underPointer).center(),
                   table->viewport()->mapToGlobal(table->visualRect(underPointer).center()),
                   Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(table->viewport(), &move);
  const QImage picture = view.grab().toImage();
  keep(picture, "profiles");

  for (int row : {0, 1, 2}) {  // the helper's profile, the row under the pointer, a row
    const QModelIndex cell = table->model()->index(row, 0);
    expectReadable(QStringLiteral("profile row %1").arg(row), picture, &view, table->viewport(),
                   table->visualRect(cell));
  }
  expectReadable(picture, &view, rig.ui().profilesHint);
}

TEST_P(Contrast, TextsOfTheMacroEditorAreReadable) {
  rig.view().show();
  rig.pane().handleMacroButton(rig.pane().m_Key[0]);
  HVKeyComboPanel* editor = HVKeyComboPanel::sharedPanel();
  QDialog* sheet = editor->window();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(sheet));
  editor->setKeyCombo(HVKeyCombo(8, 0x1000, 0));  // Control+C recorded: the active field
  const QImage picture = sheet->grab().toImage();
  keep(picture, "editor");

  Ui::HVKeyComboPanel& ui = editor->outlets();
  for (QWidget* text :
       {static_cast<QWidget*>(ui.mTitleField), static_cast<QWidget*>(ui.fMacroCaption),
        static_cast<QWidget*>(ui.recordedLabel), static_cast<QWidget*>(ui.mComboField),
        static_cast<QWidget*>(ui.fOldComboField), static_cast<QWidget*>(ui.okButton)})
    expectReadable(picture, sheet, text);
  editor->cancel();
}

// A desktop switching to the other palette while the pane is open: the hints and the key
// labels' fields follow.
TEST_P(Contrast, TextsFollowAPaletteChangeWhileOpen) {
  QWidget& view = rig.view();
  view.resize(view.sizeHint());
  view.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  const bool light = GetParam().palette == &lightPalette;
  useFusion(light ? darkPalette() : lightPalette());
  QCoreApplication::processEvents();
  const QImage picture = view.grab().toImage();
  for (QWidget* text :
       {static_cast<QWidget*>(rig.ui().m_L1Label), static_cast<QWidget*>(rig.ui().m_R1Label),
        static_cast<QWidget*>(rig.ui().macroHint)})
    expectReadable(picture, &view, text);
}

INSTANTIATE_TEST_SUITE_P(Palettes, Contrast,
                         ::testing::Values(PaletteCase{"light", &lightPalette},
                                           PaletteCase{"dark", &darkPalette},
                                           PaletteCase{"highContrast", &highContrastPalette}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace halvane::test
