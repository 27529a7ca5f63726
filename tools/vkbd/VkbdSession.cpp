#include "tools/vkbd/VkbdSession.h"

#include "platform/devices/VirtualKeyboardProtocol.h"
#include "shared/KeyboardIdentity.h"

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
  const QString problem = ensureFolder(options_.folder);
  if (!problem.isEmpty()) {
    say(err_, problem);
    return false;
  }
  keyboard_ = std::make_unique<VirtualInterface>(
      options_.folder, keyboardInterfaceProperties(options_.productID), options_.name);
  consumer_ = std::make_unique<VirtualInterface>(
      options_.folder, consumerInterfaceProperties(options_.productID), options_.name);
  for (VirtualInterface* interface : {keyboard_.get(), consumer_.get()}) {
    QString error;
    if (!interface->listen(&error)) {
      say(err_, error);
      return false;
    }
    say(out_, QStringLiteral("listening on %1").arg(interface->path()));
    interface->onDatagram = [this](const QByteArray& datagram) {
      if (const auto settings = parseSettingsDatagram(datagram))
        say(out_, QStringLiteral("driver settings: SwapCmdAlt=%1 MacroMask=%2")
                      .arg(settings->swapCmdAlt)
                      .arg(settings->macroMask));
      else
        say(err_, QStringLiteral("unexpected message from the helper: %1")
                      .arg(QString::fromLatin1(datagram.toPercentEncoding(" =-"))));
    };
    interface->onConnectionsChanged = [this, interface] {
      say(out_, QStringLiteral("%1 helper(s) connected to %2")
                    .arg(interface->connectionCount())
                    .arg(interface->fileName()));
      if (waiting_ == Waiting::Connection && connected()) finishWaiting();
    };
  }
  openNextInput();
  return true;
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
      sendTo(*consumer_, consumerReport(command.bytes[0]));
      sendTo(*consumer_, consumerReport(kNoMediaKey));
      break;
    }
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

void VkbdSession::sendTo(VirtualInterface& interface, QByteArrayView report) {
  if (interface.send(report) == 0)
    say(err_, QStringLiteral("no helper is connected to %1; the report was not delivered")
                  .arg(interface.fileName()));
}

bool VkbdSession::connected() const {
  return keyboard_->connectionCount() > 0 && consumer_->connectionCount() > 0;
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
