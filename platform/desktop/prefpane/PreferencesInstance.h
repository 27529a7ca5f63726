#pragma once

#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace halvane {

// One preferences window per session. The first program owns the session-bus name and serves
// Activate, which brings its window forward; a later start hands the running one its activation
// token and ends instead of opening a window of its own. Without a session bus every start has
// its own window, as before.
class PreferencesInstance : public QObject {
  Q_OBJECT

 public:
  static constexpr char kServiceName[] = "com.halvane.keyboard.Preferences";
  static constexpr char kObjectPath[] = "/com/halvane/keyboard/Preferences";
  static constexpr char kInterface[] = "com.halvane.keyboard.Preferences";

  explicit PreferencesInstance(QDBusConnection bus = QDBusConnection::sessionBus());
  ~PreferencesInstance() override;

  // The token the desktop gave this start to raise a window with: XDG_ACTIVATION_TOKEN on
  // Wayland, DESKTOP_STARTUP_ID on X11; empty when it gave none.
  static QString activationTokenFromEnvironment();

  // True when another program holds the name and has brought its window forward: this start
  // should end. False when this program is the first (it now holds the name), when there is no
  // bus, or when the running one did not answer.
  bool handOver(const QString& activationToken);

  // From now on Activate brings window forward. Only after handOver() made this the first.
  void serve(QWidget* window);

  // Raises and focuses the window, with the token where the compositor asks for one.
  void activate(const QString& activationToken);

 private:
  QDBusConnection bus_;
  QPointer<QWidget> window_;
  bool owner_ = false;
};

// Activate(s token) on the bus, for the program that holds the name.
class PreferencesInstanceAdaptor : public QDBusAbstractAdaptor {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "com.halvane.keyboard.Preferences")

 public:
  explicit PreferencesInstanceAdaptor(PreferencesInstance* instance)
      : QDBusAbstractAdaptor(instance), instance_(instance) {}

 public slots:
  void Activate(const QString& token) { instance_->activate(token); }

 private:
  PreferencesInstance* instance_;
};

}  // namespace halvane
