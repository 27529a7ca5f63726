// Both sockets against a listening socket of the test's own, spoken to with plain system calls,
// so that the peer's pieces, pauses and closes are exactly what each case says.
#include "platform/system/unixsocket/BlockingUnixSocket.h"
#include "platform/system/unixsocket/UnixSocket.h"
#include "tests/support/PrivateBus.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTemporaryDir>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <chrono>
#include <cstring>
#include <optional>
#include <thread>
#include <vector>

namespace halvane {
namespace {

using namespace std::chrono_literals;
using test::waitUntil;

// A listening socket at `path`; accept() hands over the next client's end.
class Listener {
 public:
  explicit Listener(const QString& path) {
    fd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = path.toLocal8Bit();
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    EXPECT_EQ(::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    EXPECT_EQ(::listen(fd_, 4), 0);
  }
  ~Listener() { ::close(fd_); }
  int accept() const { return ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC); }

 private:
  int fd_ = -1;
};

void sendAll(int fd, const QByteArray& bytes) {
  EXPECT_EQ(::send(fd, bytes.constData(), size_t(bytes.size()), MSG_NOSIGNAL), bytes.size());
}

// What the owner of a UnixSocket saw, in order.
struct Seen {
  int connected = 0;
  int closed = 0;
  QByteArray received;
  QByteArray receivedWhenClosed;
};

void watch(UnixSocket& socket, Seen& seen) {
  QObject::connect(&socket, &UnixSocket::connected, [&] { ++seen.connected; });
  QObject::connect(&socket, &UnixSocket::readyRead, [&] { seen.received += socket.readAll(); });
  QObject::connect(&socket, &UnixSocket::closed, [&] {
    ++seen.closed;
    seen.receivedWhenClosed = seen.received + socket.readAll();
  });
}

enum class Peer { Listening, NoFile, NobodyListening, PathTooLong };

struct ReadCase {
  const char* name;
  Peer peer;
  std::vector<QByteArray> pieces;  // sent one at a time, each once the one before has arrived
  bool peerCloses;
  int connected;
  QByteArray received;
  int closed;
};

class UnixSocketReads : public ::testing::TestWithParam<ReadCase> {};

TEST_P(UnixSocketReads, DeliversEveryByteInOrderAndClosesOnce) {
  const ReadCase& c = GetParam();
  QTemporaryDir dir;
  QString path = dir.filePath(QStringLiteral("peer.sock"));
  std::optional<Listener> listener;
  if (c.peer == Peer::Listening || c.peer == Peer::NobodyListening) listener.emplace(path);
  if (c.peer == Peer::NobodyListening) listener.reset();  // the file stays, nobody answers
  if (c.peer == Peer::PathTooLong) path = dir.filePath(QString(120, QLatin1Char('x')));

  UnixSocket socket;
  Seen seen;
  watch(socket, seen);
  socket.connectTo(path);
  // A local connect has its outcome at once.
  EXPECT_EQ(seen.connected + seen.closed, 1);
  EXPECT_EQ(socket.isConnected(), c.connected == 1);

  int peer = -1;
  if (listener) {
    peer = listener->accept();
    ASSERT_GE(peer, 0);
    QByteArray sent;
    for (const QByteArray& piece : c.pieces) {
      sendAll(peer, piece);
      sent += piece;
      // The last piece of a closing peer comes with the close.
      if (c.peerCloses && &piece == &c.pieces.back()) break;
      EXPECT_TRUE(waitUntil([&] { return seen.received == sent; }, 2000ms))
          << "got " << seen.received.toStdString();
    }
    if (c.peerCloses) ::close(peer);
    EXPECT_TRUE(waitUntil([&] { return seen.closed > 0; }, c.peerCloses ? 2000ms : 100ms) ==
                c.peerCloses);
  }
  QCoreApplication::processEvents();
  EXPECT_EQ(seen.connected, c.connected);
  EXPECT_EQ(seen.received, c.received);
  EXPECT_EQ(seen.closed, c.closed);
  if (seen.closed) {
    EXPECT_EQ(seen.receivedWhenClosed, c.received) << "bytes announced after the close";
    EXPECT_FALSE(socket.isConnected());
  }
  if (peer >= 0 && !c.peerCloses) ::close(peer);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnixSocketReads,
    ::testing::Values(ReadCase{"PiecesJoinInOrder",
                               Peer::Listening,
                               {"i3-", "ipc", "{\"a\":1}\n"},
                               false,
                               1,
                               "i3-ipc{\"a\":1}\n",
                               0},
                      ReadCase{"LastBytesBeforeThePeerCloses",
                               Peer::Listening,
                               {"first\n", "tail"},
                               true,
                               1,
                               "first\ntail",
                               1},
                      ReadCase{"PeerClosesWithoutAWord", Peer::Listening, {}, true, 1, "", 1},
                      ReadCase{"NoSuchSocket", Peer::NoFile, {}, false, 0, "", 1},
                      ReadCase{"NobodyListens", Peer::NobodyListening, {}, false, 0, "", 1},
                      ReadCase{"PathTooLongForAnAddress", Peer::PathTooLong, {}, false, 0, "", 1}),
    [](const auto& info) { return std::string(info.param.name); });

// More than the kernel buffers at once: the rest waits for the peer to read, on the event loop.
TEST(UnixSocket, SendsEverythingWhileThePeerReadsSlowly) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("peer.sock"));
  Listener listener(path);
  UnixSocket socket;
  Seen seen;
  watch(socket, seen);
  socket.write("dropped: not connected yet");
  socket.connectTo(path);
  ASSERT_TRUE(socket.isConnected());
  const int peer = listener.accept();
  ASSERT_GE(peer, 0);
  QByteArray message(4 * 1024 * 1024, Qt::Uninitialized);
  for (qsizetype i = 0; i < message.size(); ++i) message[i] = char(i % 251);
  socket.write(message.left(1000));
  socket.write(message.mid(1000));

  QByteArray got;
  char buffer[65536];
  const QDeadlineTimer giveUp(10s);  // a socket that stops sending ends the test, not the run
  while (got.size() < message.size() && !giveUp.hasExpired()) {
    QCoreApplication::processEvents();
    const ssize_t n = ::recv(peer, buffer, sizeof buffer, MSG_DONTWAIT);
    if (n > 0) got.append(buffer, n);
    if (n == 0) break;
    if (n < 0) std::this_thread::sleep_for(1ms);
  }
  EXPECT_TRUE(got == message) << "got " << got.size() << " of " << message.size() << " bytes";
  ::close(peer);
  EXPECT_TRUE(waitUntil([&] { return seen.closed == 1; }, 2000ms));
}

// The owner may give up on the peer while reading (wrong protocol), and connect again.
TEST(UnixSocket, AbortWhileReadingThenConnectAgain) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("peer.sock"));
  Listener listener(path);
  UnixSocket socket;
  Seen seen;
  watch(socket, seen);
  QObject::connect(&socket, &UnixSocket::readyRead, [&] {
    if (seen.received == "junk") socket.abort();
  });
  socket.connectTo(path);
  int peer = listener.accept();
  sendAll(peer, "junk");
  ASSERT_TRUE(waitUntil([&] { return seen.closed == 1; }, 2000ms));
  EXPECT_FALSE(socket.isConnected());
  QCoreApplication::processEvents();
  EXPECT_EQ(seen.received, "junk");
  ::close(peer);

  socket.connectTo(path);
  EXPECT_EQ(seen.connected, 2);
  peer = listener.accept();
  sendAll(peer, "again");
  EXPECT_TRUE(waitUntil([&] { return seen.received == "junkagain"; }, 2000ms));
  socket.write("ok");
  char buffer[8] = {};
  EXPECT_EQ(::recv(peer, buffer, sizeof buffer, 0), 2);
  EXPECT_STREQ(buffer, "ok");
  ::close(peer);
  EXPECT_TRUE(waitUntil([&] { return seen.closed == 2; }, 2000ms));
}

// The blocking question: a peer on a thread of the test's own answers as each case says.
struct QuestionCase {
  const char* name;
  std::vector<QByteArray> answer;  // pieces, with a pause between them
  bool peerCloses;  // after its answer; else it stays silent until the caller gives up
  int timeoutMs;
  qsizetype asked;  // bytes the caller reads
  std::optional<QByteArray> expected;
};

class BlockingQuestion : public ::testing::TestWithParam<QuestionCase> {};

TEST_P(BlockingQuestion, ReadsExactlyWhatWasAskedOrNothing) {
  const QuestionCase& c = GetParam();
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("peer.sock"));
  Listener listener(path);
  BlockingUnixSocket socket(path, c.timeoutMs);
  ASSERT_TRUE(socket.isConnected());  // waiting in the listener's backlog
  QByteArray request;
  std::thread peer([&] {
    const int fd = listener.accept();
    char buffer[64];
    const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
    if (n > 0) request = QByteArray(buffer, n);
    for (const QByteArray& piece : c.answer) {
      std::this_thread::sleep_for(20ms);
      sendAll(fd, piece);
    }
    while (!c.peerCloses && ::recv(fd, buffer, sizeof buffer, 0) > 0) {
    }
    ::close(fd);
  });
  EXPECT_TRUE(socket.send("question"));
  EXPECT_EQ(socket.read(c.asked), c.expected);
  peer.join();
  EXPECT_EQ(request, "question");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BlockingQuestion,
    ::testing::Values(
        QuestionCase{"AnswerInPieces", {"head", "er", "body"}, true, 5000, 10, "headerbody"},
        QuestionCase{"OnlyWhatWasAsked", {"headerbody"}, true, 5000, 6, "header"},
        QuestionCase{"PeerClosesShort", {"head"}, true, 5000, 10, std::nullopt},
        QuestionCase{"PeerSilentPastTheDeadline", {"head"}, false, 100, 10, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BlockingQuestion, NoPeerNoQuestion) {
  QTemporaryDir dir;
  BlockingUnixSocket socket(dir.filePath(QStringLiteral("nobody.sock")), 200);
  EXPECT_FALSE(socket.isConnected());
  EXPECT_FALSE(socket.send("question"));
  EXPECT_EQ(socket.read(1), std::nullopt);
}

}  // namespace
}  // namespace halvane
