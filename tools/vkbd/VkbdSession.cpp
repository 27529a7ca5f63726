#include "tools/vkbd/VkbdSession.h"

#include "platform/input/devices/VirtualKeyboardProtocol.h"
#include "shared/KeyboardIdentity.h"
#include "tools/vkbd/SocketInterface.h"
#include "tools/vkbd/UhidInterface.h"
#include "tools/vkbd/VirtualInterface.h"

#include <QFile>
#include <QSocketNotifier>

#include <fcntl.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>

namespace halvane::vkbd {

namespace {

constexpr std::uint8_t kNoMediaKey = 0;
QByteArrayView bytesOf(const std::vector<std::uint8_t>& bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())};
}

}  // namespace

VkbdSession::VkbdSession(Options options, std::FILE* out, std::FILE* err)
    : options_(std::move(options)), out_(out), err_(err) {
  if (!options_.productID) options_.productID = keyboard::kFirstProductID;
  if (options_.inputs.isEmpty()) options_.inputs << QStringLiteral("-");
  waitTimer_.setSingleShot(true);
  connect(&waitTimer_, &QTimer::timeout, this, [this] {
    if (waiting_ == Waiting::Connection) {
      ++errors_;
      say(err_,
          QStringLiteral("wait-connected: the helper did not connect to both interfaces in time"));
    }
    finishWaiting();
  });
}

VkbdSession::~VkbdSession() = default;

bool VkbdSession::start() {
  if (options_.uhid) {
    const QString path =
        options_.uhidPath.isEmpty() ? uhid::UhidDevice::defaultPath() : options_.uhidPath;
    // The two interfaces of one USB keyboard share its name; the physical path tells them apart.
    const QString name = QStringLiteral("Halvane Keyboard");
    const QString phys = QStringLiteral("halvane-vkbd/%1").arg(options_.name);
    keyboard_ = std::make_unique<UhidInterface>(
        uhid::DeviceDescription{uhid::Interface::Keyboard, keyboard::kVendorID, options_.productID,
                                name, phys},
        path);
    consumer_ = std::make_unique<UhidInterface>(
        uhid::DeviceDescription{uhid::Interface::Consumer, keyboard::kVendorID, options_.productID,
                                name, phys},
        path);
  } else {
    const QString problem = ensureFolder(options_.folder);
    if (!problem.isEmpty()) {
      say(err_, problem);
      return false;
    }
    keyboard_ = std::make_unique<SocketInterface>(
        options_.folder, keyboardInterfaceProperties(options_.productID), options_.name);
    consumer_ = std::make_unique<SocketInterface>(
        options_.folder, consumerInterfaceProperties(options_.productID), options_.name);
  }
  for (KeyboardInterface* interface : {keyboard_.get(), consumer_.get()}) {
    interface->onDriverSettings = [this](const DriverSettings& settings) {
      say(out_, QStringLiteral("driver settings: SwapCmdAlt=%1 MacroMask=%2")
                    .arg(settings.swapCmdAlt)
                    .arg(settings.macroMask));
    };
    interface->onUnexpected = [this](const QString& what) {
      say(err_, QStringLiteral("unexpected message from the helper: %1").arg(what));
    };
    interface->onConnectionChanged = [this](const QString& what) {
      say(out_, what);
      // Not from inside the interface's own callback: a command run now may unplug it.
      if (waiting_ == Waiting::Connection && connected())
        QMetaObject::invokeMethod(
            this,
            [this] {
              if (waiting_ == Waiting::Connection && connected()) finishWaiting();
            },
            Qt::QueuedConnection);
    };
  }
  if (!plugIn()) return false;
  openNextInput();
  return true;
}

bool VkbdSession::plugIn() {
  for (KeyboardInterface* interface : {keyboard_.get(), consumer_.get()}) {
    QString error;
    if (!interface->plugIn(&error)) {
      say(err_, error);
      unplug();
      return false;
    }
    say(out_, interface->pluggedInText());
  }
  pluggedIn_ = true;
  return true;
}

void VkbdSession::unplug() {
  keyboard_->unplug();
  consumer_->unplug();
  pluggedIn_ = false;
}

void VkbdSession::openNextInput() {
  while (nextInput_ < options_.inputs.size()) {
    const QString input = options_.inputs[nextInput_++];
    if (input == QStringLiteral("-")) {
      // A closed standard input is simply empty.
      if (::fcntl(STDIN_FILENO, F_GETFD) < 0) continue;
      stdinNotifier_ = std::make_unique<QSocketNotifier>(STDIN_FILENO, QSocketNotifier::Read);
      connect(stdinNotifier_.get(), &QSocketNotifier::activated, this,
              [this] { readStandardInput(); });
      return;
    }
    QFile file(input);
    if (!file.open(QIODevice::ReadOnly)) {
      ++errors_;
      say(err_, QStringLiteral("%1: %2").arg(input, file.errorString()));
      continue;
    }
    int lineCounter = 0;
    addLines(input, file.readAll(), &lineCounter);
  }
  inputsDone_ = true;
  run();
}

void VkbdSession::readStandardInput() {
  char chunk[4096];
  const ssize_t n = ::read(STDIN_FILENO, chunk, sizeof chunk);
  if (n < 0 && (errno == EAGAIN || errno == EINTR)) return;
  if (n > 0) {
    stdinPending_.append(chunk, n);
    const qsizetype lastNewline = stdinPending_.lastIndexOf('\n');
    if (lastNewline >= 0) {
      addLines(QStringLiteral("stdin"), stdinPending_.first(lastNewline + 1), &stdinLines_);
      stdinPending_.remove(0, lastNewline + 1);
    }
    run();
    return;
  }
  // End of standard input (or an error reading it): the last line may lack its newline.
  stdinNotifier_->setEnabled(false);
  addLines(QStringLiteral("stdin"), stdinPending_, &stdinLines_);
  stdinPending_.clear();
  // The notifier is inside its own activation; release it from the loop.
  QMetaObject::invokeMethod(
      this,
      [this] {
        stdinNotifier_.reset();
        openNextInput();
      },
      Qt::QueuedConnection);
}

void VkbdSession::addLines(const QString& source, const QByteArray& text, int* lineCounter) {
  const QList<QByteArray> lines = text.split('\n');
  for (qsizetype i = 0; i < lines.size(); ++i) {
    // split() leaves an empty piece after a final newline.
    if (i == lines.size() - 1 && lines[i].isEmpty()) break;
    queue_.push_back({source, ++*lineCounter, QString::fromUtf8(lines[i])});
  }
}

void VkbdSession::run() {
  while (!finished_ && waiting_ == Waiting::No && !queue_.empty()) {
    const Line line = queue_.front();
    queue_.pop_front();
    const ParsedCommand parsed = parseCommand(line.text);
    if (!parsed.error.isEmpty())
      fail(line, parsed.error);
    else
      execute(line, parsed.command);
  }
  if (!finished_ && waiting_ == Waiting::No && queue_.empty() && inputsDone_) {
    finished_ = true;
    if (onFinished) onFinished(errors_ ? 1 : 0);
  }
}

void VkbdSession::execute(const Line& line, const Command& command) {
  switch (command.kind) {
    case Command::Kind::None:
      break;
    case Command::Kind::Press: {
      std::vector<std::uint8_t> held = held_;
      for (std::uint8_t code : command.bytes)
        if (std::find(held.begin(), held.end(), code) == held.end()) held.push_back(code);
      if (int(held.size()) > kMaxHeldKeys)
        return fail(
            line,
            QStringLiteral("at most %1 keys can be held; \"release\" first").arg(kMaxHeldKeys));
      held_ = held;
      sendKeyboardReport();
      break;
    }
    case Command::Kind::Release:
      held_.clear();
      sendKeyboardReport();
      break;
    case Command::Kind::Report:
      sendTo(*keyboard_, bytesOf(command.bytes));
      break;
    case Command::Kind::ConsumerReport:
      sendTo(*consumer_, bytesOf(command.bytes));
      break;
    case Command::Kind::Media: {
      QByteArray down = consumerReport(command.bytes[0]), up = consumerReport(kNoMediaKey);
      down[0] = up[0] = char(consumer_->consumerReportId());
      sendTo(*consumer_, down);
      sendTo(*consumer_, up);
      break;
    }
    case Command::Kind::Unplug:
      if (!pluggedIn_) return fail(line, QStringLiteral("the keyboard is not plugged in"));
      unplug();
      say(out_, QStringLiteral("unplugged"));
      break;
    case Command::Kind::PlugIn:
      if (pluggedIn_) return fail(line, QStringLiteral("the keyboard is already plugged in"));
      // A keyboard plugged in again starts with no keys held.
      held_.clear();
      if (!plugIn()) return fail(line, QStringLiteral("the keyboard could not be plugged in"));
      break;
    case Command::Kind::Wait:
      waiting_ = Waiting::Timer;
      waitTimer_.start(command.milliseconds);
      break;
    case Command::Kind::WaitConnected:
      if (connected()) break;
      waiting_ = Waiting::Connection;
      waitTimer_.start(command.milliseconds);
      break;
    case Command::Kind::Quit:
      queue_.clear();
      finished_ = true;
      if (onFinished) onFinished(errors_ ? 1 : 0);
      break;
  }
}

void VkbdSession::sendKeyboardReport() {
  sendTo(*keyboard_, keyboardReport(held_));
}

void VkbdSession::sendTo(KeyboardInterface& interface, QByteArrayView report) {
  if (!pluggedIn_)
    say(err_, QStringLiteral("the keyboard is unplugged; the report was not sent"));
  else if (!interface.send(report))
    say(err_, QStringLiteral("no helper is connected to %1; the report was not delivered")
                  .arg(interface.label()));
}

bool VkbdSession::connected() const {
  return pluggedIn_ && keyboard_->connected() && consumer_->connected();
}

void VkbdSession::finishWaiting() {
  waitTimer_.stop();
  waiting_ = Waiting::No;
  run();
}

void VkbdSession::fail(const Line& line, const QString& message) {
  ++errors_;
  say(err_, QStringLiteral("%1:%2: %3").arg(line.source).arg(line.number).arg(message));
}

void VkbdSession::say(std::FILE* stream, const QString& text) {
  const QByteArray bytes = text.toLocal8Bit() + '\n';
  std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
  std::fflush(stream);
}

}  // namespace halvane::vkbd
