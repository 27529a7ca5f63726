#pragma once

#include "platform/desktop/openpanel/OpenPanel.h"

#include <QList>

namespace halvane {

// Answers each run with the next scripted answer (an empty list is a cancel) and records what
// was asked.
class FakeOpenPanel : public OpenPanel {
 public:
  struct Request {
    QStringList fileTypes;
    bool allowsMultipleSelection;
  };
  QStringList runModalForTypes(const QStringList& fileTypes, bool allowsMultipleSelection,
                               QWidget*) override {
    requests.append({fileTypes, allowsMultipleSelection});
    return answers.isEmpty() ? QStringList() : answers.takeFirst();
  }
  QList<QStringList> answers;
  QList<Request> requests;
};

}  // namespace halvane
