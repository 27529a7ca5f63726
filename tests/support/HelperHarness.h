#pragma once

// Runs the real helper as a separate process in a world of its own: a temporary home and
// runtime folder, a private D-Bus session bus, virtual keyboards, and the platform trace.

#include "tests/support/PrivateBus.h"

#include <QByteArray>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <chrono>
#include <functional>
#include <optional>
#include <vector>

namespace halvane::test {

using namespace std::chrono_literals;

// One virtual keyboard interface (a listening socket the helper connects to).
class VirtualInterface {
 public:
  VirtualInterface(const QString& folder, const QString& fileName);
  ~VirtualInterface();
  bool isListening() const { return listenFd_ >= 0; }
  // Waits for the helper to connect.
  bool acceptConnection(std::chrono::milliseconds timeout = 5000ms);
  bool connected() const { return peerFd_ >= 0; }
  bool send(const QByteArray& report);
  // Sends one report, waiting (with the Qt loop running) while the socket has no room: a
  // keyboard that types faster than the helper reads is held back, not cut short.
  bool sendWhenRoom(const QByteArray& report, std::chrono::milliseconds timeout = 5000ms);
  // What the helper has not read yet of the reports sent (as the kernel counts it, 0 once it
  // has read them all); -1 when not connected.
  int unreadBytes() const;
  // Datagrams the helper sent (driver settings lines), in order.
  std::vector<QByteArray> received();
  // Ends the connection and removes the socket file, as an unplugged keyboard.
  void unplug();

 private:
  QString path_;
  int listenFd_ = -1;
  int peerFd_ = -1;
  quint64 inode_ = 0;
};

class HelperProcess {
 public:
  // settings: the settings file to start with (written before start); None: no file.
  explicit HelperProcess(const QString& busAddress);
  ~HelperProcess();

  QString home() const { return home_.path(); }
  QString runtimeDir() const { return runtime_.path(); }
  QString keyboardFolder() const;
  QString settingsPath() const;
  QString tracePath() const { return home_.filePath(QStringLiteral("trace.jsonl")); }

  // Extra environment for the helper (e.g. DISPLAY); by default it runs headless.
  void setEnvironment(const QString& name, const QString& value);
  // The trace is on by default; a long run turns it off so that no file grows without end.
  void setTraceEnabled(bool enabled);
  bool start();
  // SIGTERM and wait; the exit code, or nothing when it had to be killed.
  std::optional<int> terminate(std::chrono::milliseconds timeout = 5000ms);
  // Sends signal to the running helper; false when it is not running.
  bool sendSignal(int signal);
  // Waits for the helper to end, however it ends; false when it is still running.
  bool waitForExit(std::chrono::milliseconds timeout = 5000ms);
  // The exit code of a helper that has exited; nothing while it runs or when a signal killed it.
  std::optional<int> exitCode() const;
  bool isRunning() const { return process_.state() != QProcess::NotRunning; }
  qint64 pid() const { return process_.processId(); }
  QByteArray standardOutput();
  // What it logged (its log lines go to standard error).
  QByteArray standardError() { return process_.readAllStandardError(); }

  // Trace lines so far, parsed.
  std::vector<QJsonObject> trace() const;
  // Waits for a trace line matching predicate that comes at or after index from.
  std::optional<size_t> waitForTrace(const std::function<bool(const QJsonObject&)>& predicate,
                                     size_t from = 0, std::chrono::milliseconds timeout = 5000ms);
  std::optional<size_t> waitForOp(const QString& op, size_t from = 0,
                                  std::chrono::milliseconds timeout = 5000ms);

 private:
  QTemporaryDir home_;
  QTemporaryDir runtime_;
  QProcess process_;
  QProcessEnvironment environment_;
  QByteArray output_;
};

// The helper program in the build tree.
QString helperExecutable();
// The defaults settings tree, to edit before a test starts the helper.
QString defaultsPath();

}  // namespace halvane::test
