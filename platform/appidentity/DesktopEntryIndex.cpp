#include "platform/appidentity/DesktopEntryIndex.h"

#include "platform/appidentity/ExecLine.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <unistd.h>

namespace halvane {
namespace {

// The keys the index keeps; every other line of a file is passed over unconverted, which keeps
// the build quick on entries with a hundred translations.
struct RawEntry {
  QByteArray type, name, localizedName, languageName, icon, exec, tryExec, startupWMClass;
  bool hidden = false, noDisplay = false;
};

QString unescapeValue(const QByteArray& raw) {
  const QString value = QString::fromUtf8(raw);
  if (!value.contains(u'\\')) return value;
  QString out;
  out.reserve(value.size());
  for (qsizetype i = 0; i < value.size(); ++i) {
    if (value[i] != u'\\' || i + 1 == value.size()) {
      out += value[i];
      continue;
    }
    const QChar next = value[++i];
    switch (next.unicode()) {
      case 's': out += u' '; break;
      case 'n': out += u'\n'; break;
      case 't': out += u'\t'; break;
      case 'r': out += u'\r'; break;
      case '\\': out += u'\\'; break;
      default: out += u'\\'; out += next; break;  // left for the Exec quoting rules
    }
  }
  return out;
}

RawEntry parseEntry(const QByteArray& text, const QByteArray& localeKey,
                    const QByteArray& languageKey) {
  RawEntry entry;
  bool inGroup = false;
  qsizetype start = 0;
  while (start < text.size()) {
    qsizetype end = text.indexOf('\n', start);
    if (end < 0) end = text.size();
    const QByteArray line = text.mid(start, end - start).trimmed();
    start = end + 1;
    if (line.isEmpty() || line.startsWith('#')) continue;
    if (line.startsWith('[')) {
      // Only the first group is the entry; the ones after it are actions.
      if (inGroup) break;
      inGroup = line == "[Desktop Entry]";
      continue;
    }
    if (!inGroup) continue;
    const qsizetype eq = line.indexOf('=');
    if (eq <= 0) continue;
    const QByteArray key = line.left(eq).trimmed();
    const QByteArray value = line.mid(eq + 1).trimmed();
    auto keep = [&](QByteArray& field) {
      if (field.isNull()) field = value.isNull() ? QByteArray("") : value;
    };
    if (key == "Type") keep(entry.type);
    else if (key == "Name") keep(entry.name);
    else if (key == localeKey) keep(entry.localizedName);
    else if (key == languageKey) keep(entry.languageName);
    else if (key == "Icon") keep(entry.icon);
    else if (key == "Exec") keep(entry.exec);
    else if (key == "TryExec") keep(entry.tryExec);
    else if (key == "StartupWMClass") keep(entry.startupWMClass);
    else if (key == "Hidden") entry.hidden = value == "true";
    else if (key == "NoDisplay") entry.noDisplay = value == "true";
  }
  return entry;
}

// "/usr/bin/python3" -> "python3".
QString fileNameOf(const QString& path) { return path.section(u'/', -1); }

// What Exec runs, seen through the wrappers that start programs without being them.
QString programOf(QStringList args) {
  while (!args.isEmpty()) {
    const QString first = fileNameOf(args.first());
    if (first == QLatin1String("env")) {
      args.removeFirst();
      while (!args.isEmpty() && (args.first().startsWith(u'-') || args.first().contains(u'=')))
        args.removeFirst();
      continue;
    }
    if (first == QLatin1String("flatpak") && args.value(1) == QLatin1String("run")) {
      for (const QString& arg : args)
        if (arg.startsWith(QLatin1String("--command="))) return arg.mid(10);
      return {};  // the sandbox names the application, not a program
    }
    if (isInterpreter(first)) {
      for (qsizetype i = 1; i < args.size(); ++i)
        if (!args[i].startsWith(u'-')) return args[i];
      return args.first();
    }
    return args.first();
  }
  return {};
}

// The real path of program, found through PATH when it names no folder; empty when it is not
// an executable file.
QString resolveProgram(const QString& program, const QStringList& path) {
  if (program.isEmpty()) return {};
  char resolved[PATH_MAX];
  auto realExecutable = [&](const QString& candidate) -> QString {
    const QByteArray encoded = QFile::encodeName(candidate);
    if (::access(encoded.constData(), X_OK) != 0) return {};
    if (!::realpath(encoded.constData(), resolved)) return {};
    return QFile::decodeName(resolved);
  };
  if (program.contains(u'/')) return program.startsWith(u'/') ? realExecutable(program) : QString();
  for (const QString& dir : path) {
    if (dir.isEmpty()) continue;
    const QString found = realExecutable(dir + u'/' + program);
    if (!found.isEmpty()) return found;
  }
  return {};
}

QString steamGameIdOf(const QString& exec) {
  static const QRegularExpression pattern(QStringLiteral("steam://rungameid/(\\d+)"));
  const QRegularExpressionMatch match = pattern.match(exec);
  return match.hasMatch() ? match.captured(1) : QString();
}

// Adds key -> index unless the table already names a visible entry for it.
void enter(QHash<QString, int>& table, const QString& key, int index,
           const std::vector<IndexedEntry>& entries) {
  if (key.isEmpty()) return;
  auto it = table.find(key);
  if (it == table.end()) {
    table.insert(key, index);
  } else if (entries[*it].noDisplay && !entries[index].noDisplay) {
    *it = index;
  }
}

}  // namespace

XdgRoots XdgRoots::fromEnvironment() {
  XdgRoots roots;
  roots.dataHome = qEnvironmentVariable("XDG_DATA_HOME");
  if (roots.dataHome.isEmpty()) roots.dataHome = QDir::homePath() + QStringLiteral("/.local/share");
  const QString dirs = qEnvironmentVariable("XDG_DATA_DIRS");
  roots.dataDirs = (dirs.isEmpty() ? QStringLiteral("/usr/local/share:/usr/share") : dirs)
                       .split(u':', Qt::SkipEmptyParts);
  roots.path = qEnvironmentVariable("PATH").split(u':', Qt::SkipEmptyParts);
  return roots;
}

QStringList XdgRoots::applicationFolders() const {
  QStringList folders;
  for (const QString& base : QStringList{dataHome} + dataDirs) {
    if (base.isEmpty()) continue;
    const QString folder = QDir::cleanPath(base + QStringLiteral("/applications"));
    if (!folders.contains(folder)) folders.append(folder);
  }
  return folders;
}

bool isInterpreter(const QString& fileName) {
  static const QRegularExpression pattern(QStringLiteral(
      "^(python|pypy|perl|ruby|lua|luajit|php|tclsh|wish|node|nodejs|gjs|java|mono|sh|bash|dash|"
      "zsh|ksh)[0-9.]*$"));
  return pattern.match(fileName).hasMatch();
}

DesktopEntryIndex::DesktopEntryIndex(XdgRoots roots, QLocale locale)
    : roots_(std::move(roots)), locale_(std::move(locale)) {
  rebuild();
}

void DesktopEntryIndex::rebuild() {
  entries_.clear();
  for (QHash<QString, int>* table : {&byId_, &byPath_, &byWmClass_, &byWmClassFolded_, &byIdName_,
                                     &byIdLastPart_, &bySteam_, &byProgramPath_, &byProgramName_})
    table->clear();
  const QByteArray localeKey = "Name[" + locale_.name().toUtf8() + "]";
  const QByteArray languageKey = "Name[" + locale_.name().section(u'_', 0, 0).toUtf8() + "]";
  QHash<QString, QString> programs;  // program -> real path, for this build
  QSet<QString> seen;                // desktop IDs already decided, hidden ones included
  QHash<QString, int> pending;       // desktop ID -> entry, before sorting

  for (const QString& folder : roots_.applicationFolders()) {
    const qsizetype prefix = folder.size() + 1;
    QDirIterator it(folder, {QStringLiteral("*.desktop")}, QDir::Files | QDir::Readable,
                    QDirIterator::Subdirectories | QDirIterator::FollowSymlinks);
    while (it.hasNext()) {
      const QString file = it.next();
      QString id = file.mid(prefix);
      id.replace(u'/', u'-');
      if (seen.contains(id)) {
        // A file of lower precedence: the same application, when the first one counted.
        auto entry = pending.find(id);
        if (entry != pending.end()) entries_[*entry].paths.append(file);
        continue;
      }
      seen.insert(id);
      QFile f(file);
      if (!f.open(QIODevice::ReadOnly)) continue;
      const RawEntry raw = parseEntry(f.readAll(), localeKey, languageKey);
      if (raw.hidden || raw.name.isNull()) continue;
      if (!raw.type.isNull() && raw.type != "Application") continue;

      IndexedEntry entry;
      entry.desktopId = id;
      entry.path = file;
      entry.paths = {file};
      entry.name = unescapeValue(!raw.localizedName.isNull() ? raw.localizedName
                                 : !raw.languageName.isNull() ? raw.languageName
                                                              : raw.name);
      entry.icon = unescapeValue(raw.icon);
      entry.startupWMClass = unescapeValue(raw.startupWMClass);
      entry.noDisplay = raw.noDisplay;
      const QString exec = unescapeValue(raw.exec);
      entry.steamGameId = steamGameIdOf(exec);
      entry.program = programOf(execLineWords(exec));
      auto resolve = [&](const QString& program) {
        auto cached = programs.constFind(program);
        if (cached != programs.constEnd()) return *cached;
        return *programs.insert(program, resolveProgram(program, roots_.path));
      };
      const QString tryExec = unescapeValue(raw.tryExec);
      if (!tryExec.isEmpty() && !isInterpreter(fileNameOf(tryExec)))
        entry.programRealPath = resolve(tryExec);
      if (entry.programRealPath.isEmpty()) entry.programRealPath = resolve(entry.program);
      pending.insert(id, int(entries_.size()));
      entries_.push_back(std::move(entry));
    }
  }

  std::sort(entries_.begin(), entries_.end(),
            [](const IndexedEntry& a, const IndexedEntry& b) { return a.desktopId < b.desktopId; });
  for (int i = 0; i < int(entries_.size()); ++i) {
    const IndexedEntry& e = entries_[i];
    byId_.insert(e.desktopId, i);
    for (const QString& p : e.paths) byPath_.insert(p, i);
    enter(byWmClass_, e.startupWMClass, i, entries_);
    enter(byWmClassFolded_, e.startupWMClass.toCaseFolded(), i, entries_);
    const QString idName = e.desktopId.chopped(8).toCaseFolded();  // without ".desktop"
    enter(byIdName_, idName, i, entries_);
    enter(byIdLastPart_, idName.section(u'.', -1), i, entries_);
    enter(bySteam_, e.steamGameId, i, entries_);
    enter(byProgramPath_, e.programRealPath, i, entries_);
    enter(byProgramName_, fileNameOf(e.program), i, entries_);
  }
}

const IndexedEntry* DesktopEntryIndex::lookup(const QHash<QString, int>& table,
                                              const QString& key) const {
  if (key.isEmpty()) return nullptr;
  auto it = table.constFind(key);
  return it == table.constEnd() ? nullptr : &entries_[*it];
}

const IndexedEntry* DesktopEntryIndex::byId(const QString& desktopId) const {
  return lookup(byId_, desktopId);
}

const IndexedEntry* DesktopEntryIndex::byPath(const QString& path) const {
  return lookup(byPath_, path);
}

const IndexedEntry* DesktopEntryIndex::byStartupWMClass(const QString& wmClass,
                                                        Qt::CaseSensitivity cs) const {
  return cs == Qt::CaseSensitive ? lookup(byWmClass_, wmClass)
                                 : lookup(byWmClassFolded_, wmClass.toCaseFolded());
}

const IndexedEntry* DesktopEntryIndex::byIdName(const QString& name, bool lastPart) const {
  return lookup(lastPart ? byIdLastPart_ : byIdName_, name.toCaseFolded());
}

const IndexedEntry* DesktopEntryIndex::bySteamGameId(const QString& gameId) const {
  return lookup(bySteam_, gameId);
}

const IndexedEntry* DesktopEntryIndex::byProgramRealPath(const QString& realPath) const {
  return lookup(byProgramPath_, realPath);
}

const IndexedEntry* DesktopEntryIndex::byProgramName(const QString& name) const {
  return lookup(byProgramName_, name);
}

}  // namespace halvane
