#pragma once

#include "platform/desktop/overlay/OverlaySurface.h"
#include "platform/desktop/probe/SessionProbe.h"

#include <QDBusConnection>

#include <optional>

namespace halvane {

// The overlay drawn by our GNOME Shell extension (an actor in the Shell's top layer, above
// fullscreen windows), driven over D-Bus: the fade stays here, and each change of text or alpha
// is one SetOverlay call, at most one per fade tick. The extension places the actor and handles
// dragging itself, since the Shell knows the work area and the pointer.
class GnomeShellOverlaySurface : public OverlaySurface {
 public:
  // The extension owns this name on the Shell's own bus connection while it is enabled, so its
  // presence is a question for the bus daemon, never a wait on the Shell.
  static constexpr const char* kService = kHalvaneOverlayBusName;
  static constexpr const char* kPath = "/com/halvane/keyboard/Overlay";
  static constexpr const char* kInterface = "com.halvane.keyboard.Overlay";

  explicit GnomeShellOverlaySurface(const QDBusConnection& bus) : bus_(bus) {}

  // Empty when the extension's overlay object is there, else why not.
  static QString unavailableReason(const QDBusConnection& bus);
  static QString unavailableReason(const SessionProbe& probe);

  void setShown(bool) override {}
  void setText(const QString& text) override;
  void setAlpha(float alpha) override;
  void setFrame(const QRect&) override {}

 private:
  void update();

  QDBusConnection bus_;
  QString text_;
  float alpha_ = 0.0f;
  struct Sent {
    QString text;
    float alpha;
    bool operator==(const Sent&) const = default;
  };
  std::optional<Sent> sent_;
};

}  // namespace halvane
