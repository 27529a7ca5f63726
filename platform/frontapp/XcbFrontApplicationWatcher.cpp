#include "platform/frontapp/XcbFrontApplicationWatcher.h"

#include <QCoreApplication>
#include <QFile>
#include <QSocketNotifier>
#include <QTimer>

#include <xcb/xcb.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace halvane {
namespace {

// Host names are compared without their domain, since clients differ on which they give.
QByteArray shortHostName(QByteArray name) {
  const qsizetype dot = name.indexOf('.');
  if (dot >= 0) name.truncate(dot);
  return name.toLower();
}

}  // namespace

std::optional<QString> executablePathOfProcess(std::int64_t pid) {
  if (pid <= 0) return std::nullopt;
  const QByteArray link = "/proc/" + QByteArray::number(qlonglong(pid)) + "/exe";
  char resolved[PATH_MAX];
  if (!::realpath(link.constData(), resolved)) return std::nullopt;
  return QFile::decodeName(resolved);
}

std::unique_ptr<XcbFrontApplicationWatcher> XcbFrontApplicationWatcher::connect(
    QString* whyNot, const char* display) {
  const char* name = display ? display : std::getenv("DISPLAY");
  if (!name || !*name) {
    if (whyNot) *whyNot = QStringLiteral("no X display (DISPLAY is not set)");
    return nullptr;
  }
  int screenNumber = 0;
  xcb_connection_t* connection = xcb_connect(name, &screenNumber);
  if (xcb_connection_has_error(connection)) {
    xcb_disconnect(connection);
    if (whyNot)
      *whyNot = QStringLiteral("cannot connect to X display %1").arg(QString::fromLocal8Bit(name));
    return nullptr;
  }
  xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(connection));
  for (; it.rem && screenNumber > 0; --screenNumber) xcb_screen_next(&it);
  if (!it.rem) {
    xcb_disconnect(connection);
    if (whyNot) *whyNot = QStringLiteral("X display %1 has no such screen").arg(QString::fromLocal8Bit(name));
    return nullptr;
  }
  return std::unique_ptr<XcbFrontApplicationWatcher>(
      new XcbFrontApplicationWatcher(connection, it.data->root));
}

XcbFrontApplicationWatcher::XcbFrontApplicationWatcher(xcb_connection_t* connection,
                                                       std::uint32_t root)
    : connection_(connection), root_(root) {
  netActiveWindow_ = internAtom("_NET_ACTIVE_WINDOW");
  netWmPid_ = internAtom("_NET_WM_PID");
  wmClientMachine_ = XCB_ATOM_WM_CLIENT_MACHINE;
  char host[HOST_NAME_MAX + 1] = {};
  if (gethostname(host, sizeof(host) - 1) == 0) hostName_ = shortHostName(host);

  const std::uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
  xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
  front_ = currentFront();
  xcb_flush(connection_);

  if (QCoreApplication::instance()) {
    notifier_ = std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(connection_),
                                                  QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(),
                     [this] { dispatchPendingEvents(); });
    dispatchSoon();
  }
}

XcbFrontApplicationWatcher::~XcbFrontApplicationWatcher() {
  notifier_.reset();
  xcb_disconnect(connection_);
}

void XcbFrontApplicationWatcher::setFrontSwitchedHandler(std::function<void()> handler) {
  handler_ = std::move(handler);
}

std::optional<QString> XcbFrontApplicationWatcher::frontApplicationPath() {
  const Front front = currentFront();
  // The replies may have pulled events off the socket, where the notifier no longer sees them.
  dispatchSoon();
  if (!front.pid) return std::nullopt;
  return executablePathOfProcess(front.pid);
}

void XcbFrontApplicationWatcher::dispatchPendingEvents() {
  if (xcb_connection_has_error(connection_)) {
    // The server has gone: nothing more will come, and the socket would only wake the loop.
    if (notifier_) notifier_->setEnabled(false);
    return;
  }
  bool activeChanged = false;
  while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
    if ((event->response_type & 0x7F) == XCB_PROPERTY_NOTIFY) {
      const auto* notify = reinterpret_cast<xcb_property_notify_event_t*>(event);
      if (notify->window == root_ && notify->atom == netActiveWindow_) activeChanged = true;
    }
    std::free(event);
  }
  if (!activeChanged) return;
  const Front front = currentFront();
  if (front == front_) return;
  front_ = front;
  if (handler_) handler_();
}

void XcbFrontApplicationWatcher::dispatchSoon() {
  if (notifier_) QTimer::singleShot(0, notifier_.get(), [this] { dispatchPendingEvents(); });
}

std::uint32_t XcbFrontApplicationWatcher::internAtom(const char* name) {
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
      connection_, xcb_intern_atom(connection_, 0, std::uint16_t(std::strlen(name)), name),
      nullptr);
  const std::uint32_t atom = reply ? reply->atom : std::uint32_t(XCB_ATOM_NONE);
  std::free(reply);
  return atom;
}

std::optional<std::uint32_t> XcbFrontApplicationWatcher::cardinalProperty(
    std::uint32_t window, std::uint32_t property, std::uint32_t type) {
  xcb_get_property_reply_t* reply = xcb_get_property_reply(
      connection_, xcb_get_property(connection_, 0, window, property, type, 0, 1), nullptr);
  std::optional<std::uint32_t> value;
  if (reply && reply->type == type && reply->format == 32 &&
      xcb_get_property_value_length(reply) >= 4)
    value = *static_cast<const std::uint32_t*>(xcb_get_property_value(reply));
  std::free(reply);
  return value;
}

QByteArray XcbFrontApplicationWatcher::stringProperty(std::uint32_t window,
                                                      std::uint32_t property) {
  xcb_get_property_reply_t* reply = xcb_get_property_reply(
      connection_,
      xcb_get_property(connection_, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 256),
      nullptr);
  QByteArray value;
  if (reply && reply->format == 8)
    value = QByteArray(static_cast<const char*>(xcb_get_property_value(reply)),
                       xcb_get_property_value_length(reply));
  std::free(reply);
  while (value.endsWith('\0')) value.chop(1);
  return value;
}

XcbFrontApplicationWatcher::Front XcbFrontApplicationWatcher::currentFront() {
  Front front;
  if (xcb_connection_has_error(connection_)) return front;
  front.window = cardinalProperty(root_, netActiveWindow_, XCB_ATOM_WINDOW).value_or(0);
  if (front.window == XCB_WINDOW_NONE) return front;
  const std::uint32_t pid = cardinalProperty(front.window, netWmPid_, XCB_ATOM_CARDINAL).value_or(0);
  // A process id only means something on the machine the client runs on.
  const QByteArray machine = stringProperty(front.window, wmClientMachine_);
  if (!machine.isEmpty() && shortHostName(machine) != hostName_) return front;
  front.pid = pid;
  return front;
}

}  // namespace halvane
