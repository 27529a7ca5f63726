#include "platform/appidentity/ProcessFacts.h"

#include <QFile>

#include <climits>
#include <cstdlib>

namespace halvane {
namespace {

QByteArray readSmallFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.read(64 * 1024);
}

QStringList nulSeparated(const QByteArray& data) {
  QStringList items;
  for (const QByteArray& item : data.split('\0'))
    if (!item.isEmpty()) items.append(QString::fromLocal8Bit(item));
  return items;
}

// The one value of key in group of a .flatpak-info key file.
QString keyFileValue(const QByteArray& text, const QByteArray& group, const QByteArray& key) {
  bool inGroup = false;
  for (const QByteArray& raw : text.split('\n')) {
    const QByteArray line = raw.trimmed();
    if (line.startsWith('[')) {
      inGroup = line == "[" + group + "]";
    } else if (inGroup && line.startsWith(key)) {
      const QByteArray rest = line.mid(key.size()).trimmed();
      if (rest.startsWith('=')) return QString::fromUtf8(rest.mid(1).trimmed());
    }
  }
  return {};
}

}  // namespace

ProcessFacts ProcessFacts::read(const QString& procRoot, std::int64_t pid) {
  ProcessFacts facts;
  if (pid <= 0) return facts;
  const QString dir = procRoot + u'/' + QString::number(pid) + u'/';
  char resolved[PATH_MAX];
  if (::realpath(QFile::encodeName(dir + QStringLiteral("exe")).constData(), resolved))
    facts.executable = QFile::decodeName(resolved);
  facts.comm = QString::fromLocal8Bit(readSmallFile(dir + QStringLiteral("comm")).trimmed());
  facts.arguments = nulSeparated(readSmallFile(dir + QStringLiteral("cmdline")));
  facts.flatpakId =
      keyFileValue(readSmallFile(dir + QStringLiteral("root/.flatpak-info")), "Application", "name");
  for (const QByteArray& line : readSmallFile(dir + QStringLiteral("cgroup")).split('\n')) {
    // hierarchy-ID:controllers:path
    const qsizetype second = line.indexOf(':', line.indexOf(':') + 1);
    if (second >= 0) facts.cgroupPaths.append(QString::fromUtf8(line.mid(second + 1)));
  }
  QString appId, gameId;
  for (const QString& variable : nulSeparated(readSmallFile(dir + QStringLiteral("environ")))) {
    if (variable.startsWith(QLatin1String("SteamAppId="))) appId = variable.mid(11);
    else if (variable.startsWith(QLatin1String("SteamGameId="))) gameId = variable.mid(12);
  }
  // Steam sets both to 0 for the client itself and for non-Steam games.
  for (const QString& id : {appId, gameId})
    if (!id.isEmpty() && id != QLatin1String("0")) {
      facts.steamGameId = id;
      break;
    }
  return facts;
}

}  // namespace halvane
