// The macro editor's step rows: adding each kind, editing, removing, the eight-step limit, the
// text limit, untypable characters and the pause buttons on steps of every kind.
#include "HalvanePrefPanel/editor/HVKeyComboPanel.h"
#include "HalvanePrefPanel/editor/MacroStepRow.h"
#include "platform/input/posters/TextTypingLimits.h"
#include "shared/settings/SettingsLimits.h"
#include "ui_HVKeyComboPanel.h"

#include <QAccessible>
#include <QComboBox>
#include <QDialog>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

namespace halvane::test {
namespace {

using settings::ButtonAction;
using settings::MacroStep;
using settings::MouseButton;
using settings::StepKind;
using settings::WheelDirection;

// A desktop that types Latin-1 only.
class Latin1Limits : public TextTypingLimits {
 public:
  QString untypableCharacters(const QString& text) override {
    QString untypable;
    for (const char32_t character : text.toUcs4()) {
      const QString one = QString::fromUcs4(&character, 1);
      if (character > 0xff && !untypable.contains(one)) untypable += one;
    }
    return untypable;
  }
};

class StepRows : public ::testing::Test {
 protected:
  void SetUp() override {
    editor = HVKeyComboPanel::sharedPanel();
    editor->setKeyBindingName(QStringLiteral("L3"));
    editor->setActionType(QStringLiteral("ExecuteMacro"));
    editor->setMacroSteps({});
    editor->runSheeetForModalWindow(&parent, nullptr);
    QApplication::setActiveWindow(editor->window());
  }
  void TearDown() override {
    if (editor->window()->isVisible()) editor->cancel();
    editor->setTextTypingLimits(nullptr);
  }
  Ui::HVKeyComboPanel& ui() { return editor->outlets(); }
  MacroStepRow* row(int index) { return editor->stepRows().at(index); }
  void choose(QComboBox* popUp, int index) {
    popUp->setCurrentIndex(index);
    emit popUp->activated(index);
  }
  QString status() { return ui().fStatusLine->text(); }

  QWidget parent;
  HVKeyComboPanel* editor = nullptr;
};

TEST_F(StepRows, TheAddStepMenuAddsEachKindWithItsFirstChoices) {
  const struct {
    int item;  // in the "Add step" menu
    MacroStep step;
    const char* announced;
    int page;  // the row's controls
  } cases[] = {
      {0, MacroStep::typing(QString()), "Added step 2: Text.", 1},
      {1, MacroStep::mouseButton(MouseButton::Left, ButtonAction::Click),
       "Added step 2: Mouse button.", 2},
      {2, MacroStep::scroll(WheelDirection::Down, 1), "Added step 2: Wheel.", 3},
  };
  for (const auto& c : cases) {
    editor->setMacroSteps({MacroStep::key(8, 0)});
    editor->runSheeetForModalWindow(&parent, nullptr);
    ui().fAddStepButton->menu()->actions().at(c.item)->trigger();
    ASSERT_EQ(editor->steps().size(), 2) << c.item;
    EXPECT_EQ(editor->steps()[1], c.step) << c.item;
    EXPECT_EQ(status(), QString::fromUtf8(c.announced));
    ASSERT_EQ(editor->stepRows().size(), 2);
    EXPECT_EQ(row(1)->kindPopUp()->currentIndex(), int(c.step.kind));
    EXPECT_EQ(row(1)->accessibleName(),
              QStringLiteral("Step 2: %1").arg(MacroStepRow::kindName(c.step.kind)));
    EXPECT_TRUE(row(1)->isAncestorOf(QApplication::focusWidget())) << "focus in the new row";
    EXPECT_TRUE(row(0)->keyField()->isVisibleTo(row(0)));
    const QWidget* shown[] = {row(1)->keyField(), row(1)->textField(), row(1)->buttonPopUp(),
                              row(1)->directionPopUp()};
    for (int page = 0; page < 4; ++page)
      EXPECT_EQ(shown[page]->isVisibleTo(row(1)), page == c.page) << c.item << " page " << page;
  }
}

TEST_F(StepRows, EditingARowChangesItsStepAndTheMacrosText) {
  editor->setMacroSteps({MacroStep::typing(QStringLiteral("hi")),
                         MacroStep::mouseButton(MouseButton::Left, ButtonAction::Click),
                         MacroStep::scroll(WheelDirection::Up, 2)});
  editor->runSheeetForModalWindow(&parent, nullptr);
  row(0)->textField()->setFocus();
  row(0)->textField()->end(false);
  QTest::keyClicks(row(0)->textField(), QStringLiteral(" there"));
  choose(row(1)->buttonPopUp(), int(MouseButton::Forward));
  choose(row(1)->actionPopUp(), int(ButtonAction::Release));
  choose(row(2)->directionPopUp(), int(WheelDirection::Right));
  row(2)->notchesBox()->setValue(7);
  const QList<MacroStep> expected{
      MacroStep::typing(QStringLiteral("hi there")),
      MacroStep::mouseButton(MouseButton::Forward, ButtonAction::Release),
      MacroStep::scroll(WheelDirection::Right, 7)};
  EXPECT_EQ(editor->steps(), expected);
  EXPECT_EQ(ui().mComboField->text(), QStringLiteral("(“hi there”)(Release Forward)(Wheel →7)"));
  EXPECT_EQ(ui().fOldComboField->text(), QStringLiteral("(“hi”)(Click Left)(Wheel ↑2)"));

  // Another kind and back: the row keeps what it held.
  choose(row(0)->kindPopUp(), int(StepKind::Wheel));
  EXPECT_EQ(editor->steps()[0].kind, StepKind::Wheel);
  EXPECT_EQ(row(0)->accessibleName(), QStringLiteral("Step 1: Wheel"));
  choose(row(0)->kindPopUp(), int(StepKind::Text));
  EXPECT_EQ(editor->steps()[0], expected[0]);
  // A key row without a key and an empty text do not play.
  choose(row(2)->kindPopUp(), int(StepKind::Key));
  row(0)->textField()->selectAll();
  QTest::keyClick(row(0)->textField(), Qt::Key_Delete);
  EXPECT_EQ(editor->steps().size(), 3);
  EXPECT_EQ(editor->macroSteps(), QList<MacroStep>{expected[1]});
}

TEST_F(StepRows, RemovingARowRenumbersTheOthersAndKeepsTheFocusThere) {
  editor->setMacroSteps(
      {MacroStep::key(1, 0), MacroStep::typing(QStringLiteral("a")), MacroStep::key(2, 0)});
  editor->runSheeetForModalWindow(&parent, nullptr);
  const struct {
    int removed;
    QList<MacroStep> left;
    const char* announced;
  } cases[] = {
      {1, {MacroStep::key(1, 0), MacroStep::key(2, 0)}, "Removed step 2."},
      {1, {MacroStep::key(1, 0)}, "Removed step 2."},
      {0, {}, "Removed step 1."},
  };
  for (const auto& c : cases) {
    QTest::mouseClick(row(c.removed)->removeButton(), Qt::LeftButton);
    EXPECT_EQ(editor->steps(), c.left) << c.announced;
    EXPECT_EQ(editor->stepRows().size(), c.left.size());
    EXPECT_EQ(status(), QString::fromUtf8(c.announced));
    for (int index = 0; index < c.left.size(); ++index)
      EXPECT_EQ(row(index)->removeButton()->accessibleName(),
                QStringLiteral("Remove step %1").arg(index + 1));
  }
  EXPECT_EQ(QApplication::focusWidget(), ui().fAddStepButton);
}

TEST_F(StepRows, AMacroHasAtMostEightStepsOfAnyKind) {
  for (int n = 0; n < 5; ++n) editor->setKeyCombo(HVKeyCombo(n, 0, 0));
  for (int n = 0; n < 3; ++n) editor->addStep(StepKind::Wheel);
  EXPECT_FALSE(ui().fAddStepButton->isEnabled());
  editor->addStep(StepKind::Text);
  EXPECT_EQ(status(), QStringLiteral("Not added: a macro has at most 8 steps."));
  editor->setKeyCombo(HVKeyCombo(9, 0, 0));  // a ninth key is dropped as ever
  EXPECT_EQ(editor->steps().size(), settings::kMacroStepCount);
  EXPECT_EQ(editor->stepRows().size(), settings::kMacroStepCount);
  EXPECT_EQ(editor->keyArray().size(), 5);
  editor->removeStep(0);
  EXPECT_TRUE(ui().fAddStepButton->isEnabled());
}

TEST_F(StepRows, ATextStepTakesAtMostATousandCharacters) {
  editor->addStep(StepKind::Text);
  QLineEdit* field = row(0)->textField();
  QTest::keyClicks(field, QString(settings::kMaxTextLength + 5, u'x'));
  EXPECT_EQ(editor->steps()[0].text.size(), settings::kMaxTextLength);
}

TEST_F(StepRows, CharactersTheDesktopCannotTypeAreNamedUnderTheText) {
  Latin1Limits limits;
  const struct {
    TextTypingLimits* limits;
    const char* text;
    const char* hint;  // "": no hint shown
  } cases[] = {
      {&limits, "Grüße, naïve", ""},
      {&limits, "5 € and ✓ and € again", "This desktop cannot type: € ✓"},
      {&limits, "tab\tand\u2003em space", "This desktop cannot type: U+2003"},
      {&limits, "🎹 keys", "This desktop cannot type: 🎹"},
      {nullptr, "5 € and ✓", ""},  // nothing says what cannot be typed: nothing is marked
  };
  for (const auto& c : cases) {
    editor->setTextTypingLimits(c.limits);
    editor->setMacroSteps({MacroStep::typing(QString::fromUtf8(c.text))});
    editor->runSheeetForModalWindow(&parent, nullptr);
    const QString hint = QString::fromUtf8(c.hint);
    EXPECT_EQ(row(0)->untypableHint()->text(), hint) << c.text;
    EXPECT_EQ(row(0)->untypableHint()->isVisibleTo(row(0)), !hint.isEmpty()) << c.text;
    EXPECT_EQ(row(0)->textField()->accessibleDescription(), hint) << c.text;
  }
  // Underlined in the field too, and no longer once nothing says they cannot be typed.
  const auto drawn = [&](TextTypingLimits* with) {
    editor->setTextTypingLimits(with);
    editor->setMacroSteps({MacroStep::typing(QStringLiteral("5 € ✓"))});
    editor->runSheeetForModalWindow(&parent, nullptr);
    return row(0)->textField()->grab().toImage();
  };
  const QImage plain = drawn(nullptr);
  EXPECT_NE(drawn(&limits), plain);
  EXPECT_EQ(drawn(nullptr), plain);
  // Marked as the text is typed.
  editor->setTextTypingLimits(&limits);
  editor->setMacroSteps({MacroStep::typing(QStringLiteral("a"))});
  editor->runSheeetForModalWindow(&parent, nullptr);
  row(0)->textField()->setFocus();
  row(0)->textField()->end(false);
  QKeyEvent arrow(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("→"));
  QApplication::sendEvent(row(0)->textField(), &arrow);
  EXPECT_EQ(row(0)->untypableHint()->text(), QStringLiteral("This desktop cannot type: →"));
}

TEST_F(StepRows, PausesGoToTheRowLastEnteredElseToTheLastStep) {
  editor->setKeyCombo(HVKeyCombo(4, 0, 0));
  editor->addStep(StepKind::Text);
  editor->addStep(StepKind::MouseButton);  // entered: the focus is in its row
  editor->handleDelayClick(ui().f100msButton);
  EXPECT_EQ(status(), QStringLiteral("After step 3 the macro waits 0.1 seconds."));
  row(1)->textField()->setFocus();
  editor->handleDelayClick(ui().f50msButton);
  editor->handleDelayClick(ui().f200msButton);
  EXPECT_EQ(row(1)->pauseLabel()->text(), QStringLiteral("+250ms"));
  EXPECT_EQ(row(1)->pauseLabel()->accessibleName(), QStringLiteral("waits 0.25 seconds"));
  // Recording a key gives the pauses back to the last step, the new key.
  ui().mKeyBcaster->setFocus();
  editor->setKeyCombo(HVKeyCombo(5, 0, 0));
  editor->handleDelayClick(ui().f150msButton);
  const double delays[] = {0, 250, 100, 150};
  for (int index = 0; index < 4; ++index)
    EXPECT_EQ(editor->steps()[index].delay, delays[index]) << index;
  for (int n = 0; n < 40; ++n) editor->handleDelayClick(ui().f200msButton);
  EXPECT_EQ(editor->steps()[3].delay, settings::kMaxDelay);
}

TEST_F(StepRows, TabReachesEveryRowsControlsBetweenClearAndAddStep) {
  editor->setMacroSteps(
      {MacroStep::typing(QStringLiteral("a")), MacroStep::scroll(WheelDirection::Up, 1)});
  editor->runSheeetForModalWindow(&parent, nullptr);
  ui().clearButton->setFocus();
  QList<QWidget*> visited;
  for (int n = 0; n < 8; ++n) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited << QApplication::focusWidget();
  }
  const QList<QWidget*> expected{
      row(0)->kindPopUp(),      row(0)->textField(),  row(0)->removeButton(), row(1)->kindPopUp(),
      row(1)->directionPopUp(), row(1)->notchesBox(), row(1)->removeButton(), ui().fAddStepButton};
  EXPECT_EQ(visited, expected);
  for (QWidget* control : expected)
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty())
        << control->metaObject()->className();
}

}  // namespace
}  // namespace halvane::test
