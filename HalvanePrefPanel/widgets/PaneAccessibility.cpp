#include "HalvanePrefPanel/widgets/PaneAccessibility.h"

#include "HalvanePrefPanel/controller/HalvanePref.h"
#include "HalvanePrefPanel/controller/PaneGlobals.h"
#include "HalvanePrefPanel/editor/HVKeyComboPanel.h"
#include "HalvanePrefPanel/widgets/ClickableTextField.h"
#include "HalvanePrefPanel/widgets/HVKeyView.h"
#include "HalvanePrefPanel/widgets/KeyboardPicture.h"
#include "HalvanePrefPanel/widgets/StatusAnnouncer.h"

#include <QAccessibleWidget>

namespace halvane {
namespace {

class AccessibleKeyView : public QAccessibleWidget {
 public:
  explicit AccessibleKeyView(HVKeyView* view) : QAccessibleWidget(view, QAccessible::Button) {}

  // Decided when asked: the pane gives the focus to the key views after they are made.
  bool isDecoration() const { return widget()->focusPolicy() == Qt::NoFocus; }

  QAccessible::Role role() const override {
    return isDecoration() ? QAccessible::Client : QAccessible::Button;
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    if (isDecoration()) state.invisible = true;
    return state;
  }
  // A label view's text is said by its key view already.
  int childCount() const override { return isDecoration() ? 0 : QAccessibleWidget::childCount(); }
  QAccessibleInterface* child(int index) const override {
    return isDecoration() ? nullptr : QAccessibleWidget::child(index);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return isDecoration() ? -1 : QAccessibleWidget::indexOfChild(child);
  }

  QStringList actionNames() const override {
    if (isDecoration()) return QAccessibleWidget::actionNames();
    return QStringList{pressAction(), showMenuAction()} + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& name) override {
    auto* view = static_cast<HVKeyView*>(widget());
    if (isDecoration() || !gHVPrefsApp)
      QAccessibleWidget::doAction(name);
    else if (name == pressAction())
      gHVPrefsApp->handleMacroButton(view);
    else if (name == showMenuAction())
      gHVPrefsApp->popUpContextMenu(view, view->mapToGlobal(view->rect().center()));
    else
      QAccessibleWidget::doAction(name);
  }
};

class AccessibleCaption : public QAccessibleWidget {
 public:
  explicit AccessibleCaption(ClickableTextField* caption)
      : QAccessibleWidget(caption, QAccessible::RadioButton) {}

  QString text(QAccessible::Text t) const override {
    QString text = QAccessibleWidget::text(t);
    if (t == QAccessible::Name && text.isEmpty())
      text = static_cast<ClickableTextField*>(widget())->text();
    return text;
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.checkable = true;
    state.checked = static_cast<ClickableTextField*>(widget())->isChosen();
    return state;
  }
  QStringList actionNames() const override {
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& name) override {
    if (name == pressAction())
      HVKeyComboPanel::sharedPanel()->handleTextClick(widget());
    else
      QAccessibleWidget::doAction(name);
  }
};

class AccessibleStatus : public QAccessibleWidget {
 public:
  explicit AccessibleStatus(StatusAnnouncer* line)
      : QAccessibleWidget(line, QAccessible::AlertMessage) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return static_cast<StatusAnnouncer*>(widget())->text();
    return QAccessibleWidget::text(t);
  }
};

QAccessibleInterface* paneWidgetInterface(const QString&, QObject* object) {
  if (auto* view = qobject_cast<HVKeyView*>(object)) return new AccessibleKeyView(view);
  if (auto* caption = qobject_cast<ClickableTextField*>(object))
    return new AccessibleCaption(caption);
  if (auto* line = qobject_cast<StatusAnnouncer*>(object)) return new AccessibleStatus(line);
  if (auto* picture = qobject_cast<KeyboardPicture*>(object))
    return new QAccessibleWidget(picture, QAccessible::Grouping);
  return nullptr;
}

}  // namespace

void installPaneAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(paneWidgetInterface);
    return true;
  }();
  (void)installed;
}

}  // namespace halvane
