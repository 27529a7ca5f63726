// kernel_fake_player <id>: a media player on the session bus (org.mpris.MediaPlayer2.<id>),
// playing, that prints "serving" once it owns its name and then one line per call it gets, so
// the kernel tier's guest sees what the helper's media keys made of the keyboard's reports.
#include "tests/support/FakeMprisPlayer.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: kernel_fake_player <id>\n");
    return 2;
  }
  halvane::test::FakeMprisPlayer player(QStringLiteral("Playing"));
  if (!player.serve(QDBusConnection::sessionBus(), QString::fromLocal8Bit(argv[1]))) {
    std::fprintf(stderr, "kernel_fake_player: cannot serve on the session bus\n");
    return 1;
  }
  std::printf("serving\n");
  std::fflush(stdout);
  qsizetype told = 0;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    for (; told < player.calls.size(); ++told) std::printf("%s\n", qPrintable(player.calls[told]));
    std::fflush(stdout);
  });
  poll.start(20);
  return app.exec();
}
