#pragma once

#include "tools/vkbd/KeyboardInterface.h"
#include "tools/vkbd/VkbdCommand.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <cstdio>
#include <deque>
#include <functional>
#include <memory>

class QSocketNotifier;

namespace halvane::vkbd {

// halvane-vkbd's work: the keyboard and consumer interfaces (virtual keyboard sockets, or kernel
// HID devices through /dev/uhid), and the commands read from the inputs (files, "-" for standard
// input) run one after another on the Qt loop.
class VkbdSession : public QObject {
 public:
  struct Options {
    QString folder;
    QString name = QStringLiteral("vkbd");
    int productID = 0;
    QStringList inputs;  // in order; "-" is standard input
    bool uhid = false;   // kernel HID devices instead of sockets
    QString uhidPath;    // empty: /dev/uhid
  };
  VkbdSession(Options options, std::FILE* out, std::FILE* err);
  ~VkbdSession() override;

  // Creates both interfaces and starts reading the inputs. False (with the reason printed)
  // when an interface cannot be created.
  bool start();
  // Called with the exit status once every input has been run, or at "quit".
  std::function<void(int status)> onFinished;

 private:
  struct Line {
    QString source;
    int number;
    QString text;
  };
  void openNextInput();
  void readStandardInput();
  void addLines(const QString& source, const QByteArray& text, int* lineCounter);
  void run();
  void execute(const Line& line, const Command& command);
  bool plugIn();
  void unplug();
  void sendKeyboardReport();
  void sendTo(KeyboardInterface& interface, QByteArrayView report);
  bool connected() const;
  void finishWaiting();
  void fail(const Line& line, const QString& message);
  void say(std::FILE* stream, const QString& text);

  Options options_;
  std::FILE* out_;
  std::FILE* err_;
  std::unique_ptr<KeyboardInterface> keyboard_;
  std::unique_ptr<KeyboardInterface> consumer_;
  bool pluggedIn_ = false;

  std::deque<Line> queue_;
  int nextInput_ = 0;
  bool inputsDone_ = false;
  std::unique_ptr<QSocketNotifier> stdinNotifier_;
  QByteArray stdinPending_;
  int stdinLines_ = 0;

  enum class Waiting { No, Timer, Connection };
  Waiting waiting_ = Waiting::No;
  QTimer waitTimer_;
  bool finished_ = false;
  int errors_ = 0;
  std::vector<std::uint8_t> held_;
};

}  // namespace halvane::vkbd
