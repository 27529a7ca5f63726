#include "platform/desktop/appidentity/DesktopEntryIndex.h"

#include "platform/desktop/appidentity/DesktopEntry.h"
#include "platform/desktop/appidentity/ExecLine.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <optional>

namespace halvane {
namespace {

// The keys the index keeps; every other line of a file is passed over unconverted, which keeps
// the build quick on entries with a hundred translations.
struct RawEntry {
  QByteArray type, name, localizedName, languageName, icon, exec, tryExec, startupWMClass;
  bool hidden = false, noDisplay = false;
};

RawEntry parseEntry(const QByteArray& text, const QByteArray& localeKey,
                    const QByteArray& languageKey) {
  RawEntry entry;
  DesktopEntry::scan(text, [&](QByteArrayView key, QByteArrayView value) {
    auto keep = [&](QByteArray& field) {
      if (field.isNull()) field = value.isEmpty() ? QByteArray("") : value.toByteArray();
    };
    // Most lines are translations, and only the user's language among them counts.
    if (key.endsWith(']')) {
      if (key == localeKey)
        keep(entry.localizedName);
      else if (key == languageKey)
        keep(entry.languageName);
    } else if (key == "Type")
      keep(entry.type);
    else if (key == "Name")
      keep(entry.name);
    else if (key == "Icon")
      keep(entry.icon);
    else if (key == "Exec")
      keep(entry.exec);
    else if (key == "TryExec")
      keep(entry.tryExec);
    else if (key == "StartupWMClass")
      keep(entry.startupWMClass);
    else if (key == "Hidden")
      entry.hidden = value == "true";
    else if (key == "NoDisplay")
      entry.noDisplay = value == "true";
  });
  return entry;
}

// "/usr/bin/python3" -> "python3".
QString fileNameOf(const QString& path) {
  return path.section(u'/', -1);
}

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

// Real paths of programs, found through PATH when they name no folder; empty when not an
// executable file. Each PATH folder is listed once per build: most Exec programs are not in the
// first folders of PATH, and a lookup in a listing is cheaper than asking for every file.
class ProgramFinder {
 public:
  explicit ProgramFinder(const QStringList& path) {
    for (const QString& dir : path)
      if (!dir.isEmpty()) folders_.push_back({QFile::encodeName(dir), std::nullopt});
  }

  QString realPath(const QString& program) {
    if (program.isEmpty()) return {};
    auto cached = cache_.constFind(program);
    if (cached != cache_.constEnd()) return *cached;
    return *cache_.insert(program, find(program));
  }

 private:
  struct Folder {
    QByteArray path;
    std::optional<QSet<QByteArray>> names;
  };

  QString find(const QString& program) {
    const QByteArray name = QFile::encodeName(program);
    if (program.contains(u'/')) return program.startsWith(u'/') ? realExecutable(name) : QString();
    for (Folder& folder : folders_) {
      if (!folder.names) folder.names = list(folder.path);
      if (!folder.names->contains(name)) continue;
      const QString found = realExecutable(folder.path + '/' + name);
      if (!found.isEmpty()) return found;
    }
    return {};
  }

  static QSet<QByteArray> list(const QByteArray& folder) {
    QSet<QByteArray> names;
    if (DIR* dir = ::opendir(folder.constData())) {
      while (const dirent* entry = ::readdir(dir)) names.insert(QByteArray(entry->d_name));
      ::closedir(dir);
    }
    return names;
  }

  static QString realExecutable(const QByteArray& candidate) {
    char resolved[PATH_MAX];
    if (::access(candidate.constData(), X_OK) != 0 || !::realpath(candidate.constData(), resolved))
      return {};
    return QFile::decodeName(resolved);
  }

  std::vector<Folder> folders_;
  QHash<QString, QString> cache_;
};

// Every *.desktop file under folder and its subfolders (links followed, to a sane depth), by
// plain directory reads: the file types come with the names, so no file is looked at twice.
void listDesktopFiles(const QByteArray& folder, QList<QByteArray>& files, int depth = 0) {
  DIR* dir = ::opendir(folder.constData());
  if (!dir) return;
  QList<QByteArray> subfolders;
  while (const dirent* entry = ::readdir(dir)) {
    const QByteArrayView name(entry->d_name);
    if (name.startsWith('.')) continue;
    const QByteArray path = folder + '/' + QByteArray(entry->d_name);
    unsigned char type = entry->d_type;
    if (type == DT_LNK || type == DT_UNKNOWN) {
      struct stat info;
      if (::stat(path.constData(), &info) != 0) continue;
      type = S_ISDIR(info.st_mode) ? DT_DIR : S_ISREG(info.st_mode) ? DT_REG : DT_UNKNOWN;
    }
    if (type == DT_DIR)
      subfolders.append(path);
    else if (type == DT_REG && name.endsWith(".desktop"))
      files.append(path);
  }
  ::closedir(dir);
  if (depth < 8)
    for (const QByteArray& subfolder : subfolders) listDesktopFiles(subfolder, files, depth + 1);
}

// The file's bytes into buffer; false when it cannot be read.
bool readFile(const QByteArray& path, QByteArray& buffer) {
  const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  buffer.resize(0);
  char chunk[16384];
  ssize_t got;
  while ((got = ::read(fd, chunk, sizeof chunk)) > 0) buffer.append(chunk, got);
  ::close(fd);
  return got == 0;
}

QString steamGameIdOf(const QString& exec) {
  if (!exec.contains(QLatin1String("steam://"))) return {};
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
    : roots_(std::move(roots)), locale_(std::move(locale)) {}

void DesktopEntryIndex::rebuild() {
  if (built_) read();
}

void DesktopEntryIndex::build() const {
  if (!built_) read();
}

void DesktopEntryIndex::read() const {
  built_ = true;
  entries_.clear();
  for (QHash<QString, int>* table : {&byId_, &byPath_, &byWmClass_, &byWmClassFolded_, &byIdName_,
                                     &byIdLastPart_, &bySteam_, &byProgramPath_, &byProgramName_})
    table->clear();
  const QByteArray localeKey = "Name[" + locale_.name().toUtf8() + "]";
  const QByteArray languageKey = "Name[" + locale_.name().section(u'_', 0, 0).toUtf8() + "]";
  ProgramFinder programs(roots_.path);
  QSet<QString> seen;           // desktop IDs already decided, hidden ones included
  QHash<QString, int> pending;  // desktop ID -> entry, before sorting
  QByteArray text;

  for (const QString& folder : roots_.applicationFolders()) {
    const qsizetype prefix = folder.size() + 1;
    QList<QByteArray> files;
    listDesktopFiles(QFile::encodeName(folder), files);
    for (const QByteArray& encoded : files) {
      const QString file = QFile::decodeName(encoded);
      QString id = file.mid(prefix);
      id.replace(u'/', u'-');
      if (seen.contains(id)) {
        // A file of lower precedence: the same application, when the first one counted.
        auto entry = pending.find(id);
        if (entry != pending.end()) entries_[*entry].paths.append(file);
        continue;
      }
      seen.insert(id);
      if (!readFile(encoded, text)) continue;
      const RawEntry raw = parseEntry(text, localeKey, languageKey);
      if (raw.hidden || raw.name.isNull()) continue;
      if (!raw.type.isNull() && raw.type != "Application") continue;

      IndexedEntry entry;
      entry.desktopId = id;
      entry.path = file;
      entry.paths = {file};
      entry.name = DesktopEntry::unescape(!raw.localizedName.isNull()  ? raw.localizedName
                                          : !raw.languageName.isNull() ? raw.languageName
                                                                       : raw.name);
      entry.icon = DesktopEntry::unescape(raw.icon);
      entry.startupWMClass = DesktopEntry::unescape(raw.startupWMClass);
      entry.noDisplay = raw.noDisplay;
      const QString exec = DesktopEntry::unescape(raw.exec);
      entry.steamGameId = steamGameIdOf(exec);
      entry.program = programOf(splitExecLine(exec).value_or(QStringList()));
      const QString tryExec = DesktopEntry::unescape(raw.tryExec);
      if (!tryExec.isEmpty() && !isInterpreter(fileNameOf(tryExec)))
        entry.programRealPath = programs.realPath(tryExec);
      if (entry.programRealPath.isEmpty()) entry.programRealPath = programs.realPath(entry.program);
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
  build();
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
