#pragma once

#include "platform/system/bundle/Bundle.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <memory>

namespace halvane {

// A preference pane: a plug-in bundle whose principal class the preferences host creates,
// initialises with the bundle, asks for its main view, tells when the view is loaded, and
// shows in a window. Unapplied edits die with the pane.
class PreferencePane : public QObject {
  Q_OBJECT

 public:
  PreferencePane() = default;
  ~PreferencePane() override;

  // Keeps the bundle. False when the pane cannot work from it.
  virtual bool initWithBundle(const Bundle& bundle);
  const Bundle& bundle() const { return bundle_; }

  // Builds the main view once and hands it over: the caller owns it (the host places it in its
  // window; the view must go before the pane). Later calls give nullptr.
  std::unique_ptr<QWidget> loadMainView();
  QWidget* mainView() const { return mainView_; }
  // Called once the main view is loaded.
  virtual void mainViewDidLoad() {}

  // The window the main view is shown in; sheets open over it.
  QWidget* mainWindow() const { return mainView_ ? mainView_->window() : nullptr; }

 protected:
  virtual std::unique_ptr<QWidget> createMainView() = 0;

 private:
  Bundle bundle_;
  QPointer<QWidget> mainView_;
  bool loaded_ = false;
};

// The one C entry point a pane plug-in exports: it creates the principal class. The caller owns
// the result.
using PreferencePaneFactory = PreferencePane* (*)();
inline constexpr char kPreferencePaneEntryPoint[] = "halvane_create_preference_pane";

}  // namespace halvane
