#include "HalvanePrefPanel/editor/MacroStepRow.h"

#include "HVKeyCombo.h"
#include "HalvanePrefPanel/controller/MacroKeySpeech.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTextCharFormat>

#include <algorithm>
#include <cmath>

namespace halvane {
namespace {

// The pop-ups list these in the order of their enums.
const char* const kKinds[] = {
    QT_TRANSLATE_NOOP("halvane::MacroStepRow", "Key combination"),
    //: A macro step that types a text
    QT_TRANSLATE_NOOP("halvane::MacroStepRow", "Text"),
    QT_TRANSLATE_NOOP("halvane::MacroStepRow", "Mouse button"),
    //: A macro step that turns the mouse wheel
    QT_TRANSLATE_NOOP("halvane::MacroStepRow", "Wheel"),
};
const char* const kButtons[][2] = {
    QT_TRANSLATE_NOOP3("halvane::MacroStepRow", "Left", "mouse button"),
    QT_TRANSLATE_NOOP3("halvane::MacroStepRow", "Right", "mouse button"),
    QT_TRANSLATE_NOOP3("halvane::MacroStepRow", "Middle", "mouse button"),
    QT_TRANSLATE_NOOP3("halvane::MacroStepRow", "Back", "mouse button"),
    QT_TRANSLATE_NOOP3("halvane::MacroStepRow", "Forward", "mouse button"),
};
const char* const kActions[][2] = {
    QT_TRANSLATE_NOOP3("halvane::MacroStepRow", "Click", "mouse button action"),
    QT_TRANSLATE_NOOP3("halvane::MacroStepRow", "Press",
                       "mouse button action: press without releasing"),
    QT_TRANSLATE_NOOP3("halvane::MacroStepRow", "Release", "mouse button action"),
};
const char* const kDirections[][2] = {
    QT_TRANSLATE_NOOP3("halvane::MacroStepRow", "Up", "wheel direction"),
    QT_TRANSLATE_NOOP3("halvane::MacroStepRow", "Down", "wheel direction"),
    QT_TRANSLATE_NOOP3("halvane::MacroStepRow", "Left", "wheel direction"),
    QT_TRANSLATE_NOOP3("halvane::MacroStepRow", "Right", "wheel direction"),
};

template <size_t N>
void fill(QComboBox* popUp, const char* const (&items)[N][2]) {
  for (const auto& item : items) popUp->addItem(MacroStepRow::tr(item[0], item[1]));
}

// A character a hint can show: spaces and control characters by their code point.
QString named(const QString& character) {
  const char32_t code = character.toUcs4().value(0);
  const QChar::Category category = QChar::category(code);
  if (QChar::isPrint(code) && category != QChar::Separator_Space) return character;
  return QStringLiteral("U+%1").arg(uint(code), 4, 16, QLatin1Char('0')).toUpper();
}

// Underlines the characters of the field that cannot be typed. QLineEdit draws formats only as
// an input method's, placed relative to the cursor; an event without text changes nothing else.
void markCharacters(QLineEdit* field, const QString& untypable) {
  QList<QInputMethodEvent::Attribute> formats;
  QTextCharFormat mark;
  mark.setUnderlineStyle(QTextCharFormat::WaveUnderline);
  mark.setUnderlineColor(field->palette().color(QPalette::Highlight));
  const QString text = field->text();
  const int cursor = field->cursorPosition();
  for (int at = 0; at < text.size();) {
    const int length = text[at].isHighSurrogate() && at + 1 < text.size() ? 2 : 1;
    if (!untypable.isEmpty() && untypable.contains(text.mid(at, length)))
      formats << QInputMethodEvent::Attribute(QInputMethodEvent::TextFormat, at - cursor, length,
                                              mark);
    at += length;
  }
  QInputMethodEvent event(QString(), formats);
  QCoreApplication::sendEvent(field, &event);
}

}  // namespace

MacroStepRow::MacroStepRow(QWidget* parent)
    : QWidget(parent),
      number_(new QLabel(this)),
      kind_(new QComboBox(this)),
      pages_(new QStackedWidget(this)),
      key_(new QLabel(pages_)),
      text_(new QLineEdit(pages_)),
      hint_(new QLabel(this)),
      button_(new QComboBox),
      action_(new QComboBox),
      direction_(new QComboBox),
      notches_(new QSpinBox),
      pause_(new QLabel(this)),
      remove_(new QPushButton(tr("Remove"), this)) {
  for (const char* kind : kKinds) kind_->addItem(tr(kind));
  fill(button_, kButtons);
  fill(action_, kActions);
  fill(direction_, kDirections);
  // Translations run long: each pop-up keeps room for its longest item.
  for (QComboBox* popUp : {kind_, button_, action_, direction_}) {
    popUp->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    popUp->setMinimumWidth(popUp->sizeHint().width());
  }
  number_->setBuddy(kind_);
  key_->setTextFormat(Qt::PlainText);
  text_->setMaxLength(settings::kMaxTextLength);
  notches_->setRange(settings::kMinNotches, settings::kMaxNotches);
  hint_->setWordWrap(true);
  hint_->setForegroundRole(QPalette::PlaceholderText);
  hint_->hide();
  remove_->setAutoDefault(false);

  auto* mouse = new QWidget(pages_);
  auto* mouseLayout = new QHBoxLayout(mouse);
  mouseLayout->setContentsMargins({});
  mouseLayout->addWidget(button_);
  mouseLayout->addWidget(action_);
  auto* wheel = new QWidget(pages_);
  auto* wheelLayout = new QHBoxLayout(wheel);
  wheelLayout->setContentsMargins({});
  wheelLayout->addWidget(direction_);
  wheelLayout->addWidget(notches_);
  for (QWidget* page : {static_cast<QWidget*>(key_), static_cast<QWidget*>(text_), mouse, wheel})
    pages_->addWidget(page);

  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->addWidget(number_, 0, 0);
  layout->addWidget(kind_, 0, 1);
  layout->addWidget(pages_, 0, 2);
  layout->addWidget(pause_, 0, 3);
  layout->addWidget(remove_, 0, 4);
  layout->addWidget(hint_, 1, 2, 1, 2);
  layout->setColumnStretch(2, 1);

  connect(kind_, &QComboBox::activated, this, &MacroStepRow::changeKind);
  connect(text_, &QLineEdit::textEdited, this, [this](const QString& text) {
    step_.text = text;
    emit edited(step_);
  });
  connect(button_, &QComboBox::activated, this, [this](int index) {
    step_.button = settings::MouseButton(index);
    emit edited(step_);
  });
  connect(action_, &QComboBox::activated, this, [this](int index) {
    step_.buttonAction = settings::ButtonAction(index);
    emit edited(step_);
  });
  connect(direction_, &QComboBox::activated, this, [this](int index) {
    step_.wheel = settings::WheelDirection(index);
    emit edited(step_);
  });
  connect(notches_, &QSpinBox::valueChanged, this, [this](int notches) {
    if (notches == step_.notches) return;  // shown, not changed
    step_.notches = notches;
    emit edited(step_);
  });
  connect(remove_, &QPushButton::clicked, this, &MacroStepRow::removeClicked);
}

QString MacroStepRow::kindName(settings::StepKind kind) {
  return tr(kKinds[int(kind)]);
}

// A row changed to another kind keeps what it held for the others, so going back restores it.
void MacroStepRow::changeKind(int index) {
  if (index < 0 || settings::StepKind(index) == step_.kind) return;
  step_.kind = settings::StepKind(index);
  emit edited(step_);
}

void MacroStepRow::showStep(int index, const settings::MacroStep& step, const QString& untypable) {
  index_ = index;
  step_ = step;
  const int delay = int(std::lround(step.delay));
  kind_->setCurrentIndex(int(step.kind));
  pages_->setCurrentIndex(int(step.kind));
  // Room for the widest kind, so that choosing another does not move the row's other controls.
  int widest = 0;
  for (int page = 0; page < pages_->count(); ++page)
    widest = std::max(widest, pages_->widget(page)->minimumSizeHint().width());
  pages_->setMinimumWidth(widest);
  key_->setText(HVKeyCombo(step.keyCode, step.modifiers, 0).description());
  if (text_->text() != step.text) text_->setText(step.text);
  button_->setCurrentIndex(int(step.button));
  action_->setCurrentIndex(int(step.buttonAction));
  direction_->setCurrentIndex(int(step.wheel));
  notches_->setValue(step.notches);
  pause_->setText(delay > 0 ? QStringLiteral("+%1ms").arg(delay) : QString());
  pause_->setAccessibleName(delay > 0 ? MacroKeySpeech::pause(delay) : QString());

  const bool marked = step.kind == settings::StepKind::Text && !untypable.isEmpty();
  QStringList names;
  for (const char32_t character : untypable.toUcs4())
    names << named(QString::fromUcs4(&character, 1));
  //: Under a text step's field; %1 lists the characters, separated by spaces
  hint_->setText(marked ? tr("This desktop cannot type: %1").arg(names.join(u' ')) : QString());
  hint_->setVisible(marked);
  text_->setAccessibleDescription(hint_->text());
  // Only while there are marks to draw or take away: the event would end an input method's
  // composition in progress.
  if (marked || marked_) markCharacters(text_, marked ? untypable : QString());
  marked_ = marked;
  nameControls();
}

// Screen readers hear the row's number and kind from its pop-up ("Step 2, Text") and what the
// step does from its description; the value controls are named by what they choose.
void MacroStepRow::nameControls() {
  //: Numbers the rows of a macro's steps
  number_->setText(tr("Step %1").arg(index_ + 1));
  //: A row of the macro editor: %1 is its number, %2 its kind, such as Text
  setAccessibleName(tr("Step %1: %2").arg(index_ + 1).arg(kindName(step_.kind)));
  kind_->setAccessibleName(accessibleName());
  kind_->setAccessibleDescription(MacroKeySpeech::step(step_));
  key_->setAccessibleName(MacroKeySpeech::step(step_));
  text_->setAccessibleName(tr("Text to type"));
  button_->setAccessibleName(tr("Mouse button"));
  action_->setAccessibleName(tr("What the button does"));
  direction_->setAccessibleName(tr("Wheel direction"));
  notches_->setAccessibleName(tr("Notches"));
  remove_->setAccessibleName(tr("Remove step %1").arg(index_ + 1));
}

void MacroStepRow::setSelected(bool selected) {
  setBackgroundRole(selected ? QPalette::AlternateBase : QPalette::Window);
  setAutoFillBackground(selected);
}

QList<QWidget*> MacroStepRow::focusChain() const {
  return {kind_, text_, button_, action_, direction_, notches_, remove_};
}

}  // namespace halvane
