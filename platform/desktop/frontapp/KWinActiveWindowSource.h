#pragma once

#include "platform/desktop/frontapp/ActiveWindowSource.h"
#include "platform/desktop/frontapp/FrontSourceServices.h"

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QObject>

namespace halvane {

// KDE Plasma on Wayland: our KWin script, loaded into KWin through org.kde.KWin /Scripting,
// calls the helper's FrontApplicationSink on each activation. Loading replaces a script of the
// same name left by a helper that crashed; the script is unloaded when this source goes, and
// loaded again when KWin restarts.
class KWinActiveWindowSource : public QObject, public ActiveWindowSource {
  Q_OBJECT

 public:
  static constexpr char kScriptName[] = "halvane-keyboard";

  KWinActiveWindowSource(const FrontSourceServices& services, const QString& scriptPath,
                         const QDBusConnection& bus = QDBusConnection::sessionBus());
  ~KWinActiveWindowSource() override;

  void setActiveWindowHandler(Handler handler) override { handler_ = std::move(handler); }
  std::optional<WindowFacts> activeWindow() const override { return active_; }
  QString backendName() const override { return QStringLiteral("kwin"); }

  bool scriptRunning() const { return running_; }

 signals:
  void scriptStarted();

 private:
  void load();
  void loadScript();
  void run(int id, bool plasma6Path);
  void unload();

  FrontSourceServices services_;
  QString scriptPath_;
  QDBusConnection bus_;
  QDBusServiceWatcher kwin_;
  bool running_ = false;
  std::optional<WindowFacts> active_;
  Handler handler_;
};

}  // namespace halvane
