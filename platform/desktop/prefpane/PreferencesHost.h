#pragma once

#include "platform/desktop/prefpane/PreferencePane.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QStringList>

#include <functional>
#include <memory>

namespace halvane {

// The preferences program's work: finds a pane bundle, loads its plug-in, and shows the pane in
// a normal window titled with the pane's name and showing its icon. Closing the window ends
// the program, and the pane with it: edits it never applied are not kept anywhere.
class PreferencesHost {
  Q_DECLARE_TR_FUNCTIONS(PreferencesHost)

 public:
  static constexpr char kPaneBundleName[] = "HalvanePrefPanel.prefPane";
  // The catalogue context of the texts of a pane's Info.plist (its name, the window's title).
  static constexpr char kInfoPlistContext[] = "InfoPlist";

  PreferencesHost();
  ~PreferencesHost();

  // The first of candidateFolders that holds the pane bundle; empty when none does.
  static QString findPaneBundle(const QStringList& candidateFolders);

  // Loads the plug-in of the bundle at bundlePath, creates its pane, builds the main view into a
  // window, calls mainViewDidLoad and shows the window. False, with a reason in *error, when a
  // step fails; nothing is shown then.
  bool open(const QString& bundlePath, QString* error = nullptr);

  PreferencePane* pane() const { return pane_.get(); }
  QWidget* window() const { return window_.get(); }
  // Called once the window has closed, whatever else of the pane is still open (the macro
  // editor's sheet): the program ends then.
  void setClosedHandler(std::function<void()> handler) { closed_ = std::move(handler); }

 private:
  bool fail(QString* error, const QString& reason);

  QLibrary library_;  // never unloaded: the pane's code must outlive every object it made
  std::unique_ptr<PreferencePane> pane_;
  std::unique_ptr<QWidget> window_;  // declared after the pane: the view goes first
  std::function<void()> closed_;
};

}  // namespace halvane
