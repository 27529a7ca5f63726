// Hyprland and niri are not packaged here: their sources are tested against fake sockets that
// speak the documented formats (Hyprland: "EVENT>>DATA" lines on .socket2.sock, `j/clients`
// JSON on .socket.sock; niri: one JSON object per line after the "EventStream" request).
#include "platform/desktop/frontapp/HyprlandActiveWindowSource.h"
#include "platform/desktop/frontapp/NiriActiveWindowSource.h"
#include "tests/support/PrivateBus.h"

#include <gtest/gtest.h>

#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QTemporaryDir>

#include <vector>

namespace halvane {
namespace {

using namespace std::chrono_literals;
using test::waitUntil;
using Reports = std::vector<std::optional<WindowFacts>>;

// One listening socket and the last client that connected to it.
class FakeSocket {
 public:
  explicit FakeSocket(QString path) : path_(std::move(path)) { listen(); }
  void listen() {
    server_ = std::make_unique<QLocalServer>();
    QLocalServer::removeServer(path_);
    EXPECT_TRUE(server_->listen(path_)) << path_.toStdString();
    QObject::connect(server_.get(), &QLocalServer::newConnection, [this] {
      while (QLocalSocket* s = server_->nextPendingConnection()) {
        client_ = s;
        QObject::connect(s, &QLocalSocket::readyRead, [this, s] {
          const QByteArray chunk = s->readAll();
          received_ += chunk;
          if (onRequest) onRequest(*s, chunk);
        });
        ++connections;
      }
    });
  }
  // The compositor goes away: the socket closes and its path disappears.
  void vanish() {
    if (client_) client_->disconnectFromServer();
    server_.reset();
    received_.clear();
  }
  bool waitForClient(int count) {
    return waitUntil([&] { return connections >= count && client_; });
  }
  void send(const QByteArray& lines) {
    ASSERT_TRUE(client_);
    client_->write(lines);
    client_->flush();
  }
  QByteArray received() const { return received_; }

  std::function<void(QLocalSocket&, const QByteArray&)> onRequest;
  int connections = 0;

 private:
  QString path_;
  std::unique_ptr<QLocalServer> server_;
  QPointer<QLocalSocket> client_;
  QByteArray received_;
};

QString appIdOf(const std::optional<WindowFacts>& f) {
  return f ? f->appId : QStringLiteral("<none>");
}

struct Step {
  const char* send;
  const char* appId;  // last report afterwards; "<none>" for no window
  qint64 pid;
};

// Sends each step's lines and checks the source's last report.
void play(FakeSocket& socket, const Reports& reports, const std::vector<Step>& steps) {
  for (const Step& step : steps) {
    SCOPED_TRACE(step.send);
    const std::size_t before = reports.size();
    socket.send(step.send);
    EXPECT_TRUE(waitUntil(
        [&] { return reports.size() > before && appIdOf(reports.back()) == step.appId; }, 2000ms))
        << "last: " << (reports.empty() ? "nothing" : appIdOf(reports.back()).toStdString());
    if (!reports.empty() && reports.back()) {
      EXPECT_EQ(reports.back()->pid, step.pid);
    }
  }
}

TEST(NiriSource, FollowsTheEventStreamAndComesBackWithTheSocket) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("niri.sock"));
  FakeSocket niri(path);
  Reports reports;
  NiriActiveWindowSource source(path);
  EXPECT_EQ(source.backendName(), "niri");
  source.setActiveWindowHandler([&](const std::optional<WindowFacts>& f) { reports.push_back(f); });
  ASSERT_TRUE(niri.waitForClient(1));
  ASSERT_TRUE(waitUntil([&] { return niri.received().contains('\n'); }));
  EXPECT_EQ(niri.received(), "\"EventStream\"\n");

  const std::vector<Step> steps = {
      {"{\"Ok\":\"Handled\"}\n"
       "{\"WorkspacesChanged\":{\"workspaces\":[]}}\n"
       "{\"WindowsChanged\":{\"windows\":[{\"id\":1,\"title\":\"t\",\"app_id\":\"org.example.A\","
       "\"pid\":101,"
       "\"workspace_id\":1,\"is_focused\":true},{\"id\":2,\"title\":\"t\",\"app_id\":\"org.example."
       "B\","
       "\"pid\":102,\"workspace_id\":1,\"is_focused\":false}]}}\n",
       "org.example.A", 101},
      {"{\"WindowFocusChanged\":{\"id\":2}}\n", "org.example.B", 102},
      {"{\"WindowOpenedOrChanged\":{\"window\":{\"id\":3,\"title\":\"t\",\"app_id\":\"org.example."
       "C\","
       "\"pid\":null,\"workspace_id\":1,\"is_focused\":true}}}\n{\"WindowFocusChanged\":{\"id\":3}}"
       "\n",
       "org.example.C", 0},
      {"{\"WindowClosed\":{\"id\":3}}\n{\"WindowFocusChanged\":{\"id\":1}}\n", "org.example.A",
       101},
      {"{\"WindowFocusChanged\":{\"id\":null}}\n", "<none>", 0},
      {"{\"WindowFocusChanged\":{\"id\":2}}\n", "org.example.B", 102},
  };
  play(niri, reports, steps);

  // niri goes away: nothing is in front; it comes back: the stream starts over.
  niri.vanish();
  EXPECT_TRUE(waitUntil([&] { return !reports.empty() && !reports.back(); }));
  niri.listen();
  ASSERT_TRUE(niri.waitForClient(2));
  ASSERT_TRUE(waitUntil([&] { return niri.received() == "\"EventStream\"\n"; }));
  play(niri, reports, {steps.front()});
}

TEST(HyprlandSource, ResolvesAddressesThroughTheClientListAndComesBackWithTheSocket) {
  QTemporaryDir dir;
  FakeSocket events(dir.filePath(QStringLiteral(".socket2.sock")));
  FakeSocket requests(dir.filePath(QStringLiteral(".socket.sock")));
  QByteArray clients =
      "[{\"address\":\"0x55d0a1\",\"class\":\"org.example.A\",\"title\":\"t\",\"pid\":201,"
      "\"xwayland\":false,\"focusHistoryID\":0},"
      "{\"address\":\"0x55d0b2\",\"class\":\"org.example.B\",\"title\":\"t\",\"pid\":202,"
      "\"xwayland\":false,\"focusHistoryID\":1}]";
  int asked = 0;
  requests.onRequest = [&](QLocalSocket& socket, const QByteArray& request) {
    if (request != "j/clients") return;
    ++asked;
    socket.write(clients);
    socket.flush();
    socket.disconnectFromServer();  // each request is a connection of its own
  };

  Reports reports;
  HyprlandActiveWindowSource source(dir.path());
  EXPECT_EQ(source.backendName(), "hyprland");
  source.setActiveWindowHandler([&](const std::optional<WindowFacts>& f) { reports.push_back(f); });
  ASSERT_TRUE(events.waitForClient(1));
  // Before any event, the window focused last is in front.
  ASSERT_TRUE(waitUntil([&] { return !reports.empty(); }));
  EXPECT_EQ(appIdOf(reports.back()), "org.example.A");

  play(events, reports,
       {
           {"activewindow>>org.example.B,t\nactivewindowv2>>55d0b2\n", "org.example.B", 202},
           {"activewindowv2>>55d0a1\n", "org.example.A", 201},
           {"activewindow>>,\nactivewindowv2>>\n", "<none>", 0},
       });
  const int askedBefore = asked;
  // A window the list does not have yet is asked for.
  clients.insert(clients.size() - 1,
                 ",{\"address\":\"0x55d0c3\",\"class\":\"Gimp\",\"title\":\"t\",\"pid\":203,"
                 "\"xwayland\":true}");
  events.send("openwindow>>55d0c3,1,Gimp,t\nactivewindowv2>>55d0c3\n");
  ASSERT_TRUE(waitUntil(
      [&] { return !reports.empty() && reports.back() && reports.back()->wmClass == "Gimp"; }));
  EXPECT_EQ(reports.back()->appId, "");
  EXPECT_EQ(reports.back()->pid, 203);
  EXPECT_EQ(asked, askedBefore + 1);

  events.vanish();
  EXPECT_TRUE(waitUntil([&] { return !reports.empty() && !reports.back(); }));
  events.listen();
  ASSERT_TRUE(events.waitForClient(2));
  play(events, reports, {{"activewindowv2>>55d0b2\n", "org.example.B", 202}});
}

}  // namespace
}  // namespace halvane
