#include "HalvanePrefPanel/widgets/StatusAnnouncer.h"

#include <QAccessible>

namespace halvane {

StatusAnnouncer::StatusAnnouncer(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);  // names from files are shown as typed
  setWordWrap(true);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void StatusAnnouncer::announce(const QString& text) {
  setText(text);
  if (!QAccessible::isActive()) return;
  QAccessibleEvent shown(this, QAccessible::ObjectShow);
  QAccessible::updateAccessibility(&shown);
}

}  // namespace halvane
