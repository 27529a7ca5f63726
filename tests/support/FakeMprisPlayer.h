#pragma once

// A media player on the session bus as MPRIS describes it, which records what it is told.
#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QObject>
#include <QStringList>

namespace halvane::test {

class FakeMprisPlayer : public QObject {
  Q_OBJECT

 public:
  explicit FakeMprisPlayer(QString status = QStringLiteral("Stopped"));
  // Serves as org.mpris.MediaPlayer2.<id> on the connection.
  bool serve(QDBusConnection connection, const QString& id) {
    return connection.registerService(QStringLiteral("org.mpris.MediaPlayer2.") + id) &&
           connection.registerObject(QStringLiteral("/org/mpris/MediaPlayer2"), this,
                                     QDBusConnection::ExportAdaptors);
  }

  QStringList calls;
  bool shuffle = false;
  QString status;
};

class MprisRootAdaptor : public QDBusAbstractAdaptor {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2")

 public:
  explicit MprisRootAdaptor(FakeMprisPlayer* player)
      : QDBusAbstractAdaptor(player), player_(player) {}

 public slots:
  void Raise() { player_->calls << QStringLiteral("Raise"); }

 private:
  FakeMprisPlayer* player_;
};

class MprisPlayerAdaptor : public QDBusAbstractAdaptor {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
  Q_PROPERTY(bool Shuffle READ shuffle WRITE setShuffle)
  Q_PROPERTY(QString PlaybackStatus READ playbackStatus)

 public:
  explicit MprisPlayerAdaptor(FakeMprisPlayer* player)
      : QDBusAbstractAdaptor(player), player_(player) {}
  bool shuffle() const { return player_->shuffle; }
  void setShuffle(bool on) {
    player_->shuffle = on;
    player_->calls << (on ? QStringLiteral("Shuffle=true") : QStringLiteral("Shuffle=false"));
  }
  QString playbackStatus() const { return player_->status; }

 public slots:
  void PlayPause() { player_->calls << QStringLiteral("PlayPause"); }
  void Next() { player_->calls << QStringLiteral("Next"); }
  void Previous() { player_->calls << QStringLiteral("Previous"); }
  void Stop() { player_->calls << QStringLiteral("Stop"); }

 private:
  FakeMprisPlayer* player_;
};

inline FakeMprisPlayer::FakeMprisPlayer(QString playbackStatus)
    : status(std::move(playbackStatus)) {
  new MprisRootAdaptor(this);    // owned by the player
  new MprisPlayerAdaptor(this);  // owned by the player
}

}  // namespace halvane::test
