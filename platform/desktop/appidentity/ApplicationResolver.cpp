#include "platform/desktop/appidentity/ApplicationResolver.h"

#include "platform/desktop/appidentity/DesktopEntryIndex.h"
#include "platform/desktop/appidentity/ProcessFacts.h"

#include <QRegularExpression>

namespace halvane {
namespace {

using Source = ResolvedApplication::Source;

QString withSuffix(QString id) {
  if (!id.endsWith(QLatin1String(".desktop"))) id += QLatin1String(".desktop");
  return id;
}

// A desktop ID as a window gives it: "org.gnome.Terminal", "firefox.desktop", or a file path.
const IndexedEntry* entryNamedByWindow(const DesktopEntryIndex& index, const QString& named) {
  if (named.isEmpty()) return nullptr;
  if (named.startsWith(u'/')) {
    if (const IndexedEntry* entry = index.byPath(named)) return entry;
  }
  return index.byId(withSuffix(named.section(u'/', -1)));
}

// systemd's unit name escaping: \xNN stands for the byte NN.
QString unescapeUnitName(const QString& escaped) {
  QByteArray bytes;
  const QByteArray raw = escaped.toUtf8();
  for (qsizetype i = 0; i < raw.size(); ++i) {
    if (raw[i] == '\\' && i + 3 < raw.size() && raw[i + 1] == 'x') {
      bool ok = false;
      const int value = raw.mid(i + 2, 2).toInt(&ok, 16);
      if (ok) {
        bytes.append(char(value));
        i += 3;
        continue;
      }
    }
    bytes.append(raw[i]);
  }
  return QString::fromUtf8(bytes);
}

// The desktop IDs an application unit may name: app-[LAUNCHER-]ID[@RANDOM].service or
// app-[LAUNCHER-]ID-RANDOM.scope. The ID escapes its own dashes, so the dashes left are the
// separators; launchers that do not escape are met by also trying the name whole.
QStringList desktopIdsOfUnit(const QString& unit) {
  if (!unit.startsWith(QLatin1String("app-"))) return {};
  QString name = unit.mid(4);
  if (name.endsWith(QLatin1String(".service"))) {
    name.chop(8);
    const qsizetype at = name.lastIndexOf(u'@');
    if (at >= 0) name.truncate(at);
  } else if (name.endsWith(QLatin1String(".scope"))) {
    name.chop(6);
    const qsizetype dash = name.lastIndexOf(u'-');
    if (dash < 0) return {};
    name.truncate(dash);
  } else {
    return {};
  }
  QStringList ids;
  const qsizetype dash = name.indexOf(u'-');
  if (dash >= 0) ids.append(unescapeUnitName(name.mid(dash + 1)));
  ids.append(unescapeUnitName(name));
  return ids;
}

const IndexedEntry* entryOfSystemdUnit(const DesktopEntryIndex& index, const QStringList& cgroups) {
  for (const QString& path : cgroups) {
    const QStringList parts = path.split(u'/', Qt::SkipEmptyParts);
    for (auto part = parts.crbegin(); part != parts.crend(); ++part)
      for (const QString& id : desktopIdsOfUnit(*part))
        if (const IndexedEntry* entry = index.byId(withSuffix(id))) return entry;
  }
  return nullptr;
}

// snap.NAME.APP in a unit name gives NAME_APP.desktop. The unit may add a "-UUID" or ".UUID" to
// APP, so shorter forms are tried until one is installed.
const IndexedEntry* entryOfSnap(const DesktopEntryIndex& index, const QStringList& cgroups) {
  static const QRegularExpression pattern(
      QStringLiteral("(?:^|/)snap\\.([^./]+)\\.([^/]+?)\\.(?:scope|service)$"));
  for (const QString& path : cgroups) {
    const QRegularExpressionMatch match = pattern.match(path);
    if (!match.hasMatch()) continue;
    QString app = match.captured(2).section(u'.', 0, 0);
    while (!app.isEmpty()) {
      if (const IndexedEntry* entry =
              index.byId(match.captured(1) + u'_' + app + QLatin1String(".desktop")))
        return entry;
      const qsizetype dash = app.lastIndexOf(u'-');
      if (dash < 0) break;
      app.truncate(dash);
    }
  }
  return nullptr;
}

// The names the process is known by when its executable is an interpreter: the script it runs
// ("python3 /usr/bin/foo" is foo), else its own short name.
QStringList programNamesOf(const ProcessFacts& process) {
  QStringList names;
  const QString argv0 = process.arguments().value(0).section(u'/', -1);
  if (isInterpreter(process.executable().section(u'/', -1)) || isInterpreter(argv0)) {
    for (qsizetype i = 1; i < process.arguments().size(); ++i)
      if (!process.arguments()[i].startsWith(u'-')) {
        names.append(process.arguments()[i]);
        break;
      }
  } else {
    names.append(argv0);
  }
  if (!process.comm().isEmpty() && !isInterpreter(process.comm())) names.append(process.comm());
  return names;
}

ResolvedApplication resolvedFrom(const IndexedEntry* entry, Source source, QString executable) {
  ResolvedApplication app;
  app.executable = std::move(executable);
  if (!entry) return app;
  app.source = source;
  app.desktopId = entry->desktopId;
  app.desktopFile = entry->path;
  app.desktopFiles = entry->paths;
  app.name = entry->name;
  return app;
}

}  // namespace

QStringList ResolvedApplication::names() const {
  QStringList all = desktopFiles;
  if (!executable.isEmpty() && !all.contains(executable)) all.append(executable);
  return all;
}

QString ResolvedApplication::identity() const {
  if (!desktopId.isEmpty()) return desktopId;
  if (!executable.isEmpty()) return QStringLiteral("exe:") + executable;
  return {};
}

QString sourceName(ResolvedApplication::Source source) {
  switch (source) {
    case Source::None:
      return QStringLiteral("none");
    case Source::Window:
      return QStringLiteral("window");
    case Source::Flatpak:
      return QStringLiteral("flatpak");
    case Source::Snap:
      return QStringLiteral("snap");
    case Source::SystemdUnit:
      return QStringLiteral("systemd");
    case Source::StartupWMClass:
      return QStringLiteral("StartupWMClass");
    case Source::WindowClass:
      return QStringLiteral("class");
    case Source::Steam:
      return QStringLiteral("steam");
    case Source::Executable:
      return QStringLiteral("exec");
  }
  return {};
}

ApplicationResolver::ApplicationResolver(const DesktopEntryIndex& index, QString procRoot)
    : index_(index), procRoot_(std::move(procRoot)) {}

ResolvedApplication ApplicationResolver::resolve(const WindowFacts& window) const {
  const ProcessFacts process(procRoot_, window.pid);
  auto found = [&](const IndexedEntry* entry, Source source) {
    return resolvedFrom(entry, source, process.executable());
  };

  for (const QString& named : {window.desktopFile, window.gtkApplicationId, window.appId})
    if (const IndexedEntry* entry = entryNamedByWindow(index_, named))
      return found(entry, Source::Window);

  if (!process.flatpakId().isEmpty())
    if (const IndexedEntry* entry = index_.byId(withSuffix(process.flatpakId())))
      return found(entry, Source::Flatpak);
  if (const IndexedEntry* entry = entryOfSnap(index_, process.cgroupPaths()))
    return found(entry, Source::Snap);
  if (const IndexedEntry* entry = entryOfSystemdUnit(index_, process.cgroupPaths()))
    return found(entry, Source::SystemdUnit);

  // Wayland gives only its app_id, which stands where X11 has the class.
  QStringList classes;
  for (const QString& c : {window.wmClass, window.wmInstance, window.appId})
    if (!c.isEmpty() && !classes.contains(c)) classes.append(c);
  for (Qt::CaseSensitivity cs : {Qt::CaseSensitive, Qt::CaseInsensitive})
    for (const QString& c : classes)
      if (const IndexedEntry* entry = index_.byStartupWMClass(c, cs))
        return found(entry, Source::StartupWMClass);
  for (bool lastPart : {false, true})
    for (const QString& c : classes)
      if (const IndexedEntry* entry = index_.byIdName(c, lastPart))
        return found(entry, Source::WindowClass);

  QString steamGame = process.steamGameId();
  if (steamGame.isEmpty() && window.wmClass.startsWith(QLatin1String("steam_app_")))
    steamGame = window.wmClass.mid(10);
  if (const IndexedEntry* entry = index_.bySteamGameId(steamGame))
    return found(entry, Source::Steam);

  if (!isInterpreter(process.executable().section(u'/', -1)))
    if (const IndexedEntry* entry = index_.byProgramRealPath(process.executable()))
      return found(entry, Source::Executable);
  for (const QString& name : programNamesOf(process)) {
    const QString fileName = name.section(u'/', -1);
    if (const IndexedEntry* entry = index_.byProgramName(fileName))
      return found(entry, Source::Executable);
  }
  return found(nullptr, Source::None);
}

}  // namespace halvane
