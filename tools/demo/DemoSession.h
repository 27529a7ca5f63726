#pragma once

#include "shared/ApplicationNames.h"

#include <QCoreApplication>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <vector>

namespace halvane::vkbd {
class VirtualInterface;
}

namespace halvane::demo {

// A short guided run of the helper: it starts the helper with a demo profile in a temporary
// home, presses keys on a virtual keyboard one after another, and tells for each what the helper
// did, read from its platform trace. Then it stops the helper.
class DemoSession {
  Q_DECLARE_TR_FUNCTIONS(DemoSession)

 public:
  struct Options {
    QString helperPath;
    QString defaultsPath;          // the defaults settings the demo profile is made from
    QString keyCodesPath;          // the key-name table, for the text of key combinations
    QString applicationNamesPath;  // what the stored player names stand for, as the pane shows
  };
  DemoSession(Options options, std::FILE* out);
  ~DemoSession();

  // Runs the whole demo; 0 when every step went as expected.
  int run();

 private:
  struct Step {
    QString label;
    QString command;  // a halvane-vkbd command: "press L1", "media f1"...
  };
  bool prepareHome();
  bool startHelper();
  bool stopHelper();
  // Presses, waits until the helper has finished what the press caused, and tells it.
  bool perform(const Step& step);
  std::vector<QJsonObject> waitForQuiet();
  bool press(const QString& command);
  void fail(const QString& message);
  void say(const QString& text);

  Options options_;
  ApplicationNames applications_;
  std::FILE* out_;
  QTemporaryDir root_;
  QProcess helper_;
  std::unique_ptr<vkbd::VirtualInterface> keyboard_;
  std::unique_ptr<vkbd::VirtualInterface> consumer_;
  qint64 traceOffset_ = 0;
};

}  // namespace halvane::demo
