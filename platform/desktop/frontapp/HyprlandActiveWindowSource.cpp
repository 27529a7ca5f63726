#include "platform/desktop/frontapp/HyprlandActiveWindowSource.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace halvane {

namespace {

QString normalAddress(QString address) {
  address = address.trimmed().toLower();
  if (!address.startsWith(QLatin1String("0x"))) address.prepend(QLatin1String("0x"));
  return address;
}

}  // namespace

QString HyprlandActiveWindowSource::socketDir(const QString& signature) {
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  const QString current = runtime + QStringLiteral("/hypr/") + signature;
  if (!runtime.isEmpty() && QFileInfo::exists(current + QStringLiteral("/.socket2.sock")))
    return current;
  return QStringLiteral("/tmp/hypr/") + signature;
}

HyprlandActiveWindowSource::HyprlandActiveWindowSource(const QString& socketDir)
    : requestPath_(socketDir + QStringLiteral("/.socket.sock")),
      events_(socketDir + QStringLiteral("/.socket2.sock"), {}, kRetryMs) {
  QObject::connect(&events_, &LineSocket::line, this, &HyprlandActiveWindowSource::onEvent);
  QObject::connect(&events_, &LineSocket::connected, this, [this] { requestClients(); });
  QObject::connect(&events_, &LineSocket::disconnected, this, [this] {
    clients_.clear();
    wanted_.reset();
    if (active_) report(std::nullopt);
  });
}

HyprlandActiveWindowSource::~HyprlandActiveWindowSource() {
  events_.disconnect(this);
  if (request_) request_->disconnect(this);
}

void HyprlandActiveWindowSource::onEvent(const QByteArray& line) {
  const qsizetype split = line.indexOf(">>");
  if (split < 0) return;
  const QByteArray name = line.left(split);
  const QString data = QString::fromUtf8(line.mid(split + 2));
  if (name == "activewindowv2") {
    // No window: an empty address (older versions send ",").
    if (data.isEmpty() || data == QLatin1String(",")) {
      wanted_.reset();
      report(std::nullopt);
      return;
    }
    wanted_ = normalAddress(data);
    resolve();
  } else if (name == "closewindow") {
    clients_.remove(normalAddress(data));
  } else if (name == "openwindow" || name == "windowtitlev2") {
    // Class and pid of a new window come with the next client list.
  }
}

void HyprlandActiveWindowSource::resolve() {
  if (!wanted_) return;
  const auto it = clients_.constFind(*wanted_);
  if (it == clients_.constEnd()) {
    requestClients();
    return;
  }
  report(it.value());
}

void HyprlandActiveWindowSource::requestClients() {
  if (request_) return;  // one request at a time; its answer serves every address asked since
  request_ = std::make_unique<UnixSocket>();
  reply_.clear();
  UnixSocket* socket = request_.get();
  QObject::connect(socket, &UnixSocket::connected, this, [socket] { socket->write("j/clients"); });
  QObject::connect(socket, &UnixSocket::readyRead, this,
                   [this, socket] { reply_.append(socket->readAll()); });
  // Hyprland closes the request socket after its answer; a socket that fails ends it too.
  QObject::connect(socket, &UnixSocket::closed, this, [this, socket] {
    if (request_.get() != socket) return;
    reply_.append(socket->readAll());
    request_.release()->deleteLater();
    onClients(reply_);
  });
  socket->connectTo(requestPath_);
}

void HyprlandActiveWindowSource::onClients(const QByteArray& json) {
  clients_.clear();
  std::optional<QString> mostRecent;
  for (const QJsonValue& value : QJsonDocument::fromJson(json).array()) {
    const QJsonObject client = value.toObject();
    if (client.value(QLatin1String("focusHistoryID")).toInteger(-1) == 0) {
      mostRecent = normalAddress(client.value(QLatin1String("address")).toString());
    }
    WindowFacts facts;
    // Hyprland's class is the Wayland app_id, or WM_CLASS for an XWayland window.
    const QString cls = client.value(QLatin1String("class")).toString();
    if (client.value(QLatin1String("xwayland")).toBool()) {
      facts.wmClass = cls;
    } else {
      facts.appId = cls;
    }
    facts.pid = std::max<qint64>(0, client.value(QLatin1String("pid")).toInteger());
    clients_.insert(normalAddress(client.value(QLatin1String("address")).toString()), facts);
  }
  // Until Hyprland names an active window, the one it focused last is in front.
  if (!wanted_ && !active_ && mostRecent) wanted_ = mostRecent;
  if (wanted_ && clients_.contains(*wanted_)) report(clients_.value(*wanted_));
}

void HyprlandActiveWindowSource::report(const std::optional<WindowFacts>& facts) {
  active_ = facts;
  if (handler_) handler_(active_);
}

}  // namespace halvane
