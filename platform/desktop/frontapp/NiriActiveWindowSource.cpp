#include "platform/desktop/frontapp/NiriActiveWindowSource.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace halvane {

NiriActiveWindowSource::NiriActiveWindowSource(const QString& socketPath)
    : socket_(socketPath, QByteArrayLiteral("\"EventStream\"\n"), kRetryMs) {
  QObject::connect(&socket_, &LineSocket::line, this, [this](const QByteArray& line) {
    handle(QJsonDocument::fromJson(line).object());
  });
  QObject::connect(&socket_, &LineSocket::disconnected, this, [this] {
    // niri is gone: no window of it is in front until the stream opens again.
    windows_.clear();
    focused_.reset();
    update();
  });
}

void NiriActiveWindowSource::remember(const QJsonObject& window) {
  const qint64 id = window.value(QLatin1String("id")).toInteger(-1);
  if (id < 0) return;
  WindowFacts facts;
  facts.appId = window.value(QLatin1String("app_id")).toString();
  facts.pid = window.value(QLatin1String("pid")).toInteger();
  windows_[id] = facts;
  if (window.value(QLatin1String("is_focused")).toBool()) focused_ = id;
}

void NiriActiveWindowSource::handle(const QJsonObject& event) {
  if (event.contains(QLatin1String("WindowsChanged"))) {
    windows_.clear();
    focused_.reset();
    const QJsonArray windows = event.value(QLatin1String("WindowsChanged"))
                                   .toObject()
                                   .value(QLatin1String("windows"))
                                   .toArray();
    for (const QJsonValue& window : windows) remember(window.toObject());
  } else if (event.contains(QLatin1String("WindowOpenedOrChanged"))) {
    const QJsonObject window = event.value(QLatin1String("WindowOpenedOrChanged"))
                                   .toObject()
                                   .value(QLatin1String("window"))
                                   .toObject();
    const qint64 id = window.value(QLatin1String("id")).toInteger(-1);
    if (focused_ == id && !window.value(QLatin1String("is_focused")).toBool()) focused_.reset();
    remember(window);
  } else if (event.contains(QLatin1String("WindowClosed"))) {
    const qint64 id = event.value(QLatin1String("WindowClosed"))
                          .toObject()
                          .value(QLatin1String("id"))
                          .toInteger(-1);
    windows_.erase(id);
    if (focused_ == id) focused_.reset();
  } else if (event.contains(QLatin1String("WindowFocusChanged"))) {
    const QJsonValue id =
        event.value(QLatin1String("WindowFocusChanged")).toObject().value(QLatin1String("id"));
    focused_ =
        id.isNull() || id.isUndefined() ? std::nullopt : std::optional<qint64>(id.toInteger());
  } else {
    return;  // the reply to our request, workspaces, layouts: nothing about the focus
  }
  update();
}

void NiriActiveWindowSource::update() {
  std::optional<WindowFacts> facts;
  if (focused_) {
    const auto it = windows_.find(*focused_);
    if (it != windows_.end()) facts = it->second;
  }
  if (reported_ && facts == active_) return;
  reported_ = true;
  active_ = facts;
  if (handler_) handler_(active_);
}

}  // namespace halvane
