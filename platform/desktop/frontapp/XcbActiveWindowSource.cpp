#include "platform/desktop/frontapp/XcbActiveWindowSource.h"

#include <QCoreApplication>
#include <QFile>
#include <QSocketNotifier>
#include <QTimer>

#include <xcb/xcb.h>

#include <unistd.h>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace halvane {
namespace {

// Host names are compared without their domain, since clients differ on which they give.
QByteArray shortHostName(QByteArray name) {
  const qsizetype dot = name.indexOf('.');
  if (dot >= 0) name.truncate(dot);
  return name.toLower();
}

}  // namespace

std::unique_ptr<XcbActiveWindowSource> XcbActiveWindowSource::connect(QString* whyNot,
                                                                      const char* display) {
  const char* name = display ? display : std::getenv("DISPLAY");
  if (!name || !*name) {
    if (whyNot)
      *whyNot =
          QCoreApplication::translate("XcbActiveWindowSource", "no X display (DISPLAY is not set)");
    return nullptr;
  }
  int screenNumber = 0;
  xcb_connection_t* connection = xcb_connect(name, &screenNumber);
  if (xcb_connection_has_error(connection)) {
    xcb_disconnect(connection);
    if (whyNot)
      *whyNot =
          QCoreApplication::translate("XcbActiveWindowSource", "cannot connect to X display %1")
              .arg(QString::fromLocal8Bit(name));
    return nullptr;
  }
  xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(connection));
  for (; it.rem && screenNumber > 0; --screenNumber) xcb_screen_next(&it);
  if (!it.rem) {
    xcb_disconnect(connection);
    if (whyNot)
      *whyNot =
          QCoreApplication::translate("XcbActiveWindowSource", "X display %1 has no such screen")
              .arg(QString::fromLocal8Bit(name));
    return nullptr;
  }
  return std::unique_ptr<XcbActiveWindowSource>(
      new XcbActiveWindowSource(connection, it.data->root));
}

XcbActiveWindowSource::XcbActiveWindowSource(xcb_connection_t* connection, std::uint32_t root)
    : connection_(connection), root_(root) {
  netActiveWindow_ = internAtom("_NET_ACTIVE_WINDOW");
  netWmPid_ = internAtom("_NET_WM_PID");
  gtkApplicationId_ = internAtom("_GTK_APPLICATION_ID");
  kdeDesktopFile_ = internAtom("_KDE_NET_WM_DESKTOP_FILE");
  char host[HOST_NAME_MAX + 1] = {};
  if (gethostname(host, sizeof(host) - 1) == 0) hostName_ = shortHostName(host);

  const std::uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
  xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(connection_);

  if (QCoreApplication::instance()) {
    notifier_ = std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(connection_),
                                                  QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(),
                     [this] { dispatchPendingEvents(); });
    dispatchSoon();
  }
}

XcbActiveWindowSource::~XcbActiveWindowSource() {
  notifier_.reset();
  xcb_disconnect(connection_);
}

void XcbActiveWindowSource::setActiveWindowHandler(Handler handler) {
  handler_ = std::move(handler);
}

void XcbActiveWindowSource::dispatchPendingEvents() {
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
  if (activeChanged && handler_) handler_(activeWindow());
}

void XcbActiveWindowSource::dispatchSoon() const {
  // Reading properties is logically const; the events it pulled still have to be handled.
  auto* self = const_cast<XcbActiveWindowSource*>(this);
  if (notifier_) QTimer::singleShot(0, notifier_.get(), [self] { self->dispatchPendingEvents(); });
}

std::uint32_t XcbActiveWindowSource::internAtom(const char* name) {
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
      connection_, xcb_intern_atom(connection_, 0, std::uint16_t(std::strlen(name)), name),
      nullptr);
  const std::uint32_t atom = reply ? reply->atom : std::uint32_t(XCB_ATOM_NONE);
  std::free(reply);
  return atom;
}

std::optional<std::uint32_t> XcbActiveWindowSource::cardinalProperty(std::uint32_t window,
                                                                     std::uint32_t property,
                                                                     std::uint32_t type) const {
  xcb_get_property_reply_t* reply = xcb_get_property_reply(
      connection_, xcb_get_property(connection_, 0, window, property, type, 0, 1), nullptr);
  std::optional<std::uint32_t> value;
  if (reply && reply->type == type && reply->format == 32 &&
      xcb_get_property_value_length(reply) >= 4)
    value = *static_cast<const std::uint32_t*>(xcb_get_property_value(reply));
  std::free(reply);
  return value;
}

QByteArray XcbActiveWindowSource::stringProperty(std::uint32_t window,
                                                 std::uint32_t property) const {
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

std::optional<WindowFacts> XcbActiveWindowSource::activeWindow() const {
  // The replies may pull events off the socket, where the notifier no longer sees them.
  dispatchSoon();
  if (xcb_connection_has_error(connection_)) return std::nullopt;
  const std::uint32_t window =
      cardinalProperty(root_, netActiveWindow_, XCB_ATOM_WINDOW).value_or(XCB_WINDOW_NONE);
  if (window == XCB_WINDOW_NONE) return std::nullopt;
  WindowFacts facts;
  // WM_CLASS is two strings: the instance, then the class.
  const QList<QByteArray> wmClass = stringProperty(window, XCB_ATOM_WM_CLASS).split('\0');
  facts.wmInstance = QString::fromLocal8Bit(wmClass.value(0));
  facts.wmClass = QString::fromLocal8Bit(wmClass.value(1));
  facts.gtkApplicationId = QString::fromUtf8(stringProperty(window, gtkApplicationId_));
  facts.desktopFile = QString::fromUtf8(stringProperty(window, kdeDesktopFile_));
  // A process id only means something on the machine the client runs on.
  const QByteArray machine = stringProperty(window, XCB_ATOM_WM_CLIENT_MACHINE);
  if (machine.isEmpty() || shortHostName(machine) == hostName_)
    facts.pid = cardinalProperty(window, netWmPid_, XCB_ATOM_CARDINAL).value_or(0);
  return facts;
}

}  // namespace halvane
