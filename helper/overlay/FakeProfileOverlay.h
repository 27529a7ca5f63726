#pragma once

#include "helper/overlay/ProfileOverlay.h"

#include <QStringList>

namespace halvane {

// Records the names shown and the hide requests.
class FakeProfileOverlay : public ProfileOverlay {
 public:
  void displayProfileName(const QString& name) override {
    shown.append(name);
    visible = true;
  }
  void hideProfileName() override {
    ++hides;
    visible = false;
    notifyHidden();  // no fade: hidden at once
  }
  bool profileNameVisible() const override { return visible; }
  void placeOnMainScreen() override { ++placements; }

  QStringList shown;
  int hides = 0;
  int placements = 0;
  bool visible = false;
};

}  // namespace halvane
