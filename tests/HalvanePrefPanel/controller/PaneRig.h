#pragma once

// A pane built the way the host builds it, on fakes: a temporary settings file, a helper
// stand-in behind an in-process proxy, in-process notifications, a scripted open panel.

#include "HalvanePrefPanel/controller/HalvanePref.h"
#include "platform/desktop/help/FakeHelpViewer.h"
#include "platform/desktop/installedapps/FakeInstalledApplications.h"
#include "platform/desktop/notification/FakeDistributedNotificationCenter.h"
#include "platform/desktop/openpanel/FakeOpenPanel.h"
#include "platform/desktop/workspace/FakeWorkspace.h"
#include "platform/system/control/FakeKeyboardServer.h"
#include "platform/system/control/FakeRemoteProxy.h"
#include "platform/system/log/FakeSystemLog.h"
#include "ui_HalvanePref.h"

#include <QTemporaryDir>

#include <memory>

namespace halvane::test {

// The pane bundle of the build tree: Info.plist, defaults.plist and the help book.
QString paneBundlePath();
// The defaults tree, to edit before a pane starts from it.
PlistValue defaultsTree();

struct PaneOptions {
  PaneOptions& withoutHelper() {
    helper = false;
    return *this;
  }
  // A helper on this profile is registered when the pane starts.
  PaneOptions& helperOn(int profile) {
    helperProfile = profile;
    return *this;
  }
  // The helper's server object; the rig's own FakeKeyboardServer by default.
  PaneOptions& servedBy(KeyboardServer* server) {
    this->server = server;
    return *this;
  }
  // The settings file to start with; without one the pane starts with no file.
  PaneOptions& from(const PlistValue& tree) {
    settings = tree;
    return *this;
  }
  // The settings file's bytes to start with, as they are (a broken file, for instance).
  PaneOptions& fromBytes(const QByteArray& bytes) {
    settingsBytes = bytes;
    return *this;
  }
  PaneOptions& inBundle(const QString& path) {
    bundlePath = path;
    return *this;
  }
  // The applications installed, by desktop ID; each gets an icon.
  PaneOptions& installed(const QStringList& desktopIds) {
    installedDesktopIds = desktopIds;
    return *this;
  }

  bool helper = true;
  int helperProfile = 4;
  KeyboardServer* server = nullptr;
  QString bundlePath = paneBundlePath();
  PlistValue settings;
  QByteArray settingsBytes;
  QStringList installedDesktopIds;
};

class PaneRig {
 public:
  explicit PaneRig(const PaneOptions& options = PaneOptions());
  ~PaneRig();

  HalvanePref& pane() { return *pane_; }
  Ui::HalvanePref& ui() { return pane_->outlets(); }
  QWidget& view() { return *view_; }
  QString settingsPath() const { return dir_.filePath(QStringLiteral("prefs.plist")); }
  PlistValue profile(int index) { return pane_->prefs()[QStringLiteral("Profiles")].at(index); }
  PlistValue macroKey(int profile, int key) {
    return this->profile(profile)[QStringLiteral("MacroKeys")].at(key);
  }

  QTemporaryDir dir_;
  FakeKeyboardServer server;
  FakeRemoteProxy* proxy = nullptr;  // owned by the pane once connected
  FakeSystemLog* log = nullptr;
  FakeDistributedNotificationCenter* notifications = nullptr;
  FakeOpenPanel* openPanel = nullptr;
  FakeWorkspace* workspace = nullptr;
  FakeHelpViewer* helpViewer = nullptr;
  FakeInstalledApplications* installedApplications = nullptr;

 private:
  std::unique_ptr<HalvanePref> pane_;
  std::unique_ptr<QWidget> view_;  // goes before the pane
};

}  // namespace halvane::test
