#include "tests/HalvanePrefPanel/ui/TextFit.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>
#include <QTextBoundaryFinder>
#include <QTextDocument>

namespace halvane::test {
namespace {

QString nameOf(const QWidget* widget) {
  const QString name = widget->objectName();
  return QStringLiteral("%1 (%2)").arg(name.isEmpty() ? QStringLiteral("unnamed") : name,
                                       QString::fromLatin1(widget->metaObject()->className()));
}

int textWidth(const QWidget* widget, const QString& text) {
  return widget->fontMetrics().size(Qt::TextShowMnemonic, text).width();
}

class Findings {
 public:
  void check(const QWidget* widget, const QString& text, int needed, int available) {
    if (needed > available)
      lines << QStringLiteral("%1: \"%2\" needs %3 px, has %4")
                   .arg(nameOf(widget), text)
                   .arg(needed)
                   .arg(available);
  }
  QStringList lines;
};

void checkLabel(Findings& findings, const QLabel* label) {
  const QString text = label->text();
  if (text.isEmpty()) return;
  const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(),
                                                    -label->margin(), -label->margin());
  const bool rich = label->textFormat() == Qt::RichText ||
                    (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
  QString plain = text;
  if (rich) {
    QTextDocument document;
    document.setHtml(text);
    plain = document.toPlainText();
  }
  if (label->wordWrap()) {
    // Wrapped: the pieces between line-break chances (spaces, or any two ideographs in Chinese
    // and Japanese) must each fit the width, and the lines the height.
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, plain);
    for (qsizetype start = 0; start < plain.size();) {
      const qsizetype end = breaks.toNextBoundary();
      if (end < 0) break;
      const QString piece = plain.mid(start, end - start).trimmed();
      if (!piece.isEmpty()) findings.check(label, piece, textWidth(label, piece), room.width());
      start = end;
    }
    findings.check(label, text, label->heightForWidth(label->width()), label->height());
    return;
  }
  const QSize needed = rich ? label->minimumSizeHint() - QSize(2 * label->margin(), 0)
                            : label->fontMetrics().size(Qt::TextShowMnemonic, plain);
  findings.check(label, plain, needed.width(), room.width());
  findings.check(label, plain, needed.height(), room.height());
}

void checkButton(Findings& findings, const QAbstractButton* button) {
  if (button->text().isEmpty()) return;
  QStyleOptionButton option;
  option.initFrom(button);
  option.text = button->text();
  option.icon = button->icon();
  option.iconSize = button->iconSize();
  QStyle::SubElement contents = QStyle::SE_PushButtonContents;
  int extra = 0;
  if (qobject_cast<const QCheckBox*>(button)) {
    contents = QStyle::SE_CheckBoxContents;
  } else if (qobject_cast<const QRadioButton*>(button)) {
    contents = QStyle::SE_RadioButtonContents;
  } else if (!button->icon().isNull()) {
    extra = button->iconSize().width() + 4;
  }
  const QRect room = button->style()->subElementRect(contents, &option, button);
  findings.check(button, button->text(), textWidth(button, button->text()) + extra, room.width());
}

void checkComboBox(Findings& findings, const QComboBox* combo) {
  QStyleOptionComboBox option;
  option.initFrom(combo);
  option.editable = combo->isEditable();
  const QRect room = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                    QStyle::SC_ComboBoxEditField, combo);
  for (int item = 0; item < combo->count(); ++item) {
    const int icon = combo->itemIcon(item).isNull() ? 0 : combo->iconSize().width() + 4;
    findings.check(combo, combo->itemText(item),
                   combo->fontMetrics().horizontalAdvance(combo->itemText(item)) + icon,
                   room.width());
  }
  if (combo->currentIndex() < 0 && !combo->placeholderText().isEmpty())
    findings.check(combo, combo->placeholderText(),
                   combo->fontMetrics().horizontalAdvance(combo->placeholderText()), room.width());
}

void checkTabs(Findings& findings, const QTabBar* tabs) {
  const int padding = tabs->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, tabs);
  for (int tab = 0; tab < tabs->count(); ++tab)
    findings.check(tabs, tabs->tabText(tab), textWidth(tabs, tabs->tabText(tab)) + padding,
                   tabs->tabRect(tab).width());
}

void checkHeader(Findings& findings, const QHeaderView* header) {
  if (header->orientation() != Qt::Horizontal || !header->model()) return;
  const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
  for (int section = 0; section < header->count(); ++section) {
    if (header->isSectionHidden(section)) continue;
    const QString title =
        header->model()->headerData(section, Qt::Horizontal, Qt::DisplayRole).toString();
    findings.check(header, title, header->fontMetrics().horizontalAdvance(title) + 2 * margin,
                   header->sectionSize(section));
  }
}

void checkGroupBox(Findings& findings, const QGroupBox* box) {
  if (box->title().isEmpty()) return;
  QStyleOptionGroupBox option;
  option.initFrom(box);
  option.text = box->title();
  option.subControls = QStyle::SC_GroupBoxLabel;
  const QRect room =
      box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
  findings.check(box, box->title(), textWidth(box, box->title()), room.width());
}

void checkPlaceholder(Findings& findings, const QLineEdit* field) {
  if (!field->text().isEmpty() || field->placeholderText().isEmpty()) return;
  QStyleOptionFrame option;
  option.initFrom(field);
  const QRect room = field->style()->subElementRect(QStyle::SE_LineEditContents, &option, field);
  findings.check(field, field->placeholderText(),
                 field->fontMetrics().horizontalAdvance(field->placeholderText()), room.width());
}

bool isUserContent(const QWidget* widget, const QSet<const QWidget*>& userContent) {
  for (const QWidget* w = widget; w; w = w->parentWidget())
    if (userContent.contains(w)) return true;
  return false;
}

}  // namespace

QStringList clippedTexts(QWidget* window, const QSet<const QWidget*>& userContent) {
  Findings findings;
  QList<QWidget*> widgets = window->findChildren<QWidget*>();
  widgets.prepend(window);
  for (const QWidget* widget : widgets) {
    if (!widget->isVisibleTo(window) || isUserContent(widget, userContent)) continue;
    if (const auto* label = qobject_cast<const QLabel*>(widget))
      checkLabel(findings, label);
    else if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
      checkButton(findings, button);
    else if (const auto* combo = qobject_cast<const QComboBox*>(widget))
      checkComboBox(findings, combo);
    else if (const auto* tabs = qobject_cast<const QTabBar*>(widget))
      checkTabs(findings, tabs);
    else if (const auto* header = qobject_cast<const QHeaderView*>(widget))
      checkHeader(findings, header);
    else if (const auto* box = qobject_cast<const QGroupBox*>(widget))
      checkGroupBox(findings, box);
    else if (const auto* field = qobject_cast<const QLineEdit*>(widget))
      checkPlaceholder(findings, field);
  }
  return findings.lines;
}

QStringList overlappingControls(QWidget* window, const QWidget* background) {
  QList<const QWidget*> controls;
  for (const QWidget* widget : window->findChildren<QWidget*>()) {
    if (!widget->isVisibleTo(window)) continue;
    const bool control =
        qobject_cast<const QLabel*>(widget) || qobject_cast<const QAbstractButton*>(widget) ||
        qobject_cast<const QComboBox*>(widget) || qobject_cast<const QLineEdit*>(widget) ||
        qobject_cast<const QTabBar*>(widget) || qobject_cast<const QAbstractItemView*>(widget) ||
        widget == background;
    if (!control) continue;
    bool inside = false;  // a part of a control already counted (a combo box's field)
    for (const QWidget* up = widget->parentWidget(); up && up != window; up = up->parentWidget())
      inside = inside || controls.contains(up) || up == background;
    if (!inside) controls << widget;
  }
  QStringList lines;
  for (qsizetype a = 0; a < controls.size(); ++a)
    for (qsizetype b = a + 1; b < controls.size(); ++b) {
      const QRect ra(controls[a]->mapTo(window, QPoint()), controls[a]->size());
      const QRect rb(controls[b]->mapTo(window, QPoint()), controls[b]->size());
      if (ra.intersects(rb))
        lines << QStringLiteral("%1 overlaps %2").arg(nameOf(controls[a]), nameOf(controls[b]));
    }
  return lines;
}

}  // namespace halvane::test
