#pragma once

#include "shared/control/ControlChannel.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>

namespace halvane::test {

// Keeps every Notification signal a connection hears, whatever its arguments.
class RawSignalRecorder : public QObject {
  Q_OBJECT

 public:
  explicit RawSignalRecorder(QDBusConnection bus) {
    bus.connect(QString(), QString::fromLatin1(control::kNotificationPath),
                QString::fromLatin1(control::kNotificationInterface),
                QString::fromLatin1(control::kNotificationSignal), this,
                SLOT(record(QDBusMessage)));
  }
  QList<QDBusMessage> messages;

 public slots:
  void record(const QDBusMessage& message) { messages.append(message); }
};

}  // namespace halvane::test
