#include "tools/demo/DemoSession.h"

#include "HVKeyCombo.h"
#include "platform/input/devices/VirtualKeyboardProtocol.h"
#include "platform/input/keycodes/MacKeyCodes.h"
#include "shared/KeyboardIdentity.h"
#include "shared/plist/PlistFile.h"
#include "shared/settings/ActionTypes.h"
#include "shared/settings/MacModifiers.h"
#include "shared/settings/SettingsStore.h"
#include "tools/demo/DemoNarrator.h"
#include "tools/vkbd/VirtualInterface.h"
#include "tools/vkbd/VkbdCommand.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QThread>

#include <csignal>
#include <functional>

namespace halvane::demo {
namespace {

using namespace std::chrono_literals;

constexpr int kDemoProfile = 0;

// One macro step of a macro key's KeyCombo.
void setMacroStep(PlistValue combo, int step, int keyCode, int modifiers, int delay) {
  combo.set(QStringLiteral("keyCode%1").arg(step), keyCode);
  combo.set(QStringLiteral("modifiers%1").arg(step), modifiers);
  combo.set(QStringLiteral("delay%1").arg(step), delay);
}

// The first profile of the defaults, renamed "Demo": L1 types ⌘⇧A and pauses, L2 types "hi" and
// Return, L3 selects the third profile.
bool makeDemoProfile(PlistValue& tree) {
  PlistValue profile = tree[QStringLiteral("Profiles")].at(kDemoProfile);
  PlistValue keys = profile[QStringLiteral("MacroKeys")];
  if (!profile.isDictionary() || keys.count() < 3) return false;
  tree.set(QStringLiteral("CurrentProfile"), kDemoProfile);
  tree.set(QStringLiteral("ShowChangesOnScreen"), true);
  profile.set(QStringLiteral("Name"), QStringLiteral("Demo"));

  keys.at(0).set(QStringLiteral("ActionType"), settings::kExecuteMacro);
  setMacroStep(keys.at(0)[QStringLiteral("KeyCombo")], 0, kVK_ANSI_A, kCarbonCommand | kCarbonShift,
               250);
  keys.at(1).set(QStringLiteral("ActionType"), settings::kExecuteMacro);
  const PlistValue typing = keys.at(1)[QStringLiteral("KeyCombo")];
  setMacroStep(typing, 0, kVK_ANSI_H, 0, 0);
  setMacroStep(typing, 1, kVK_ANSI_I, 0, 0);
  setMacroStep(typing, 2, kVK_Return, 0, 0);
  keys.at(2).set(QStringLiteral("ActionType"), settings::kSelectProfile);
  keys.at(2).set(QStringLiteral("SelectProfile"), 2);
  return true;
}

// Runs the Qt loop until condition holds or the time is up.
bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
  QDeadlineTimer deadline(timeout);
  while (!condition()) {
    if (deadline.hasExpired()) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(10);
  }
  return true;
}

// The helper is done with a key press once its trace has been still for this long (longer while
// it pauses inside a macro).
constexpr auto kQuietTime = 400ms;
constexpr auto kStepTimeLimit = 10s;

// "⌘⇧A": modifier glyphs and key name, as the preferences write a key combination.
QString keyComboText(int keyCode, int modifiers) {
  QString text = HVKeyCombo::stringForModifiers(modifiers);
  if (keyCode >= 0) text += HVKeyCombo::stringForKeyCode(qint16(keyCode));
  return text;
}

}  // namespace

DemoSession::DemoSession(Options options, std::FILE* out)
    : options_(std::move(options)),
      applications_(ApplicationNames::read(options_.applicationNamesPath)),
      out_(out) {
  HVKeyCombo::setKeyCodesDictionaryLoader(
      [path = options_.keyCodesPath] { return readPlistFile(path); });
}

DemoSession::~DemoSession() {
  if (helper_.state() != QProcess::NotRunning) {
    helper_.kill();
    helper_.waitForFinished(2000);
  }
}

int DemoSession::run() {
  if (!root_.isValid()) {
    fail(tr("cannot create a temporary folder"));
    return 1;
  }
  if (!prepareHome() || !startHelper()) return 1;

  const std::vector<Step> steps = {
      {QStringLiteral("L1"), QStringLiteral("press L1")},
      {QStringLiteral("L2"), QStringLiteral("press L2")},
      {tr("Play key"), QStringLiteral("media f1")},
      {tr("Eject key"), QStringLiteral("press eject")},
      {QStringLiteral("L3"), QStringLiteral("press L3")},
      {tr("profile key + F4"), QStringLiteral("press profile F4")},
      {tr("profile key + F1"), QStringLiteral("press profile F1")},
  };
  bool good = true;
  for (const Step& step : steps) good = perform(step) && good;
  return stopHelper() && good ? 0 : 1;
}

// Everything the helper touches lives in the temporary folder: its settings, its keyboards'
// folder, its trace. The user's own settings and a helper already running are left alone.
bool DemoSession::prepareHome() {
  const QString home = root_.filePath(QStringLiteral("home"));
  const QString runtime = root_.filePath(QStringLiteral("runtime"));
  QDir().mkpath(home);
  QDir().mkpath(runtime);
  QFile::setPermissions(runtime,
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  qputenv("HOME", QFile::encodeName(home));
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(home + QStringLiteral("/.config")));
  qunsetenv("HALVANE_SETTINGS");  // a file of the user's own stays untouched too
  qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
  qputenv("HALVANE_TRACE", QFile::encodeName(root_.filePath(QStringLiteral("trace.jsonl"))));
  // Headless: keys are traced rather than typed into whatever window has the focus.
  qunsetenv("DISPLAY");
  qunsetenv("WAYLAND_DISPLAY");
  qputenv("QT_QPA_PLATFORM", "offscreen");

  PlistValue tree = settings::read(options_.defaultsPath);
  if (!makeDemoProfile(tree) || !settings::write(tree)) {
    fail(tr("cannot make the demo settings from %1").arg(options_.defaultsPath));
    return false;
  }

  const QString folder = vkbd::folderPath();
  const QString problem = vkbd::ensureFolder(folder);
  if (!problem.isEmpty()) {
    fail(problem);
    return false;
  }
  keyboard_ = std::make_unique<vkbd::VirtualInterface>(
      folder, vkbd::keyboardInterfaceProperties(keyboard::kFirstProductID), QStringLiteral("demo"));
  consumer_ = std::make_unique<vkbd::VirtualInterface>(
      folder, vkbd::consumerInterfaceProperties(keyboard::kFirstProductID), QStringLiteral("demo"));
  for (vkbd::VirtualInterface* interface : {keyboard_.get(), consumer_.get()}) {
    QString error;
    if (!interface->listen(&error)) {
      fail(error);
      return false;
    }
  }
  return true;
}

bool DemoSession::startHelper() {
  say(tr("Starting the helper with a demo profile and a virtual keyboard..."));
  helper_.setProcessChannelMode(QProcess::MergedChannels);
  helper_.start(options_.helperPath, {});
  if (!helper_.waitForStarted(5000)) {
    fail(tr("cannot start %1: %2").arg(options_.helperPath, helper_.errorString()));
    return false;
  }
  const bool connected = waitUntil(
      [this] { return keyboard_->connectionCount() > 0 && consumer_->connectionCount() > 0; }, 10s);
  if (!connected) {
    fail(tr("the helper did not find the virtual keyboard"));
    return false;
  }
  const QString started = describeActions(waitForQuiet(), keyComboText, applications_);
  //: %1 is what the helper did at its start, or "is ready".
  say(tr("The helper found the keyboard and %1.")
          .arg(started.isEmpty() ? tr("is ready") : started));
  return true;
}

bool DemoSession::perform(const Step& step) {
  if (!press(step.command)) return false;
  const QString did = describeActions(waitForQuiet(), keyComboText, applications_);
  //: %1 is the key pressed, %2 what the helper did.
  say(tr("%1 → %2").arg(step.label, did.isEmpty() ? tr("nothing") : did));
  if (helper_.state() == QProcess::NotRunning) {
    fail(tr("the helper stopped unexpectedly"));
    return false;
  }
  return true;
}

// Sends the command's reports: a key press is followed by its release, as a finger would.
bool DemoSession::press(const QString& command) {
  const vkbd::ParsedCommand parsed = vkbd::parseCommand(command);
  if (!parsed.error.isEmpty()) {
    fail(parsed.error);
    return false;
  }
  const bool media = parsed.command.kind == vkbd::Command::Kind::Media;
  vkbd::VirtualInterface& interface = media ? *consumer_ : *keyboard_;
  const QByteArray down = media ? vkbd::consumerReport(parsed.command.bytes[0])
                                : vkbd::keyboardReport(parsed.command.bytes);
  const QByteArray up = media ? vkbd::consumerReport(0) : vkbd::keyboardReport({});
  const bool sent = interface.send(down) > 0 && interface.send(up) > 0;
  if (!sent) fail(tr("the helper is not connected to the virtual keyboard"));
  return sent;
}

std::vector<QJsonObject> DemoSession::waitForQuiet() {
  std::vector<QJsonObject> lines;
  QFile trace(QString::fromLocal8Bit(qgetenv("HALVANE_TRACE")));
  QElapsedTimer sinceChange, total;
  sinceChange.start();
  total.start();
  auto quietNeeded = std::chrono::milliseconds(kQuietTime);
  QByteArray pending;
  waitUntil(
      [&] {
        if (trace.isOpen() || trace.open(QIODevice::ReadOnly)) {
          trace.seek(traceOffset_);
          const QByteArray more = trace.readAll();
          traceOffset_ += more.size();
          pending += more;
          qsizetype end;
          while ((end = pending.indexOf('\n')) >= 0) {
            const QJsonObject line = QJsonDocument::fromJson(pending.first(end)).object();
            pending.remove(0, end + 1);
            lines.push_back(line);
            sinceChange.restart();
            quietNeeded = kQuietTime;
            if (line[QStringLiteral("op")].toString() == QLatin1String("sleep"))
              quietNeeded += std::chrono::milliseconds(
                  qint64(line[QStringLiteral("seconds")].toDouble() * 1000));
          }
        }
        return sinceChange.elapsed() >= quietNeeded.count();
      },
      kStepTimeLimit);
  return lines;
}

bool DemoSession::stopHelper() {
  ::kill(pid_t(helper_.processId()), SIGTERM);
  if (!helper_.waitForFinished(5000)) {
    fail(tr("the helper did not stop within 5 s"));
    return false;
  }
  if (helper_.exitStatus() != QProcess::NormalExit || helper_.exitCode() != 0) {
    fail(tr("the helper ended with status %1").arg(helper_.exitCode()));
    return false;
  }
  say(tr("The helper stopped cleanly."));
  return true;
}

void DemoSession::fail(const QString& message) {
  say(QStringLiteral("demo: ") + message);
  const QByteArray output = helper_.readAll();
  if (!output.isEmpty()) say(tr("The helper said:") + u'\n' + QString::fromLocal8Bit(output));
}

void DemoSession::say(const QString& text) {
  const QByteArray bytes = text.toUtf8() + '\n';
  std::fwrite(bytes.constData(), 1, size_t(bytes.size()), out_);
  std::fflush(out_);
}

}  // namespace halvane::demo
