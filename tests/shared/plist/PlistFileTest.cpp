#include "shared/plist/PlistFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstring>
#include <functional>
#include <optional>

using halvane::PlistValue;

namespace {

const QString kData = QStringLiteral(HALVANE_SOURCE_DIR "/tests/shared/plist/data/");

QByteArray bytesOf(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

TEST(PlistFile, XmlAndBinaryFilesReadToTheSameTree) {
  const PlistValue xml = halvane::readPlistFile(kData + "sample.plist");
  const PlistValue binary = halvane::readPlistFile(kData + "sample.bplist");
  ASSERT_TRUE(xml.isDictionary());
  EXPECT_EQ(xml, binary);

  EXPECT_EQ(xml["Name"].toString(), QString::fromUtf8("Grüße ⌘ profile"));
  EXPECT_EQ(xml["Negative"].intValue(), -1);
  EXPECT_EQ(xml["Big"].toInteger(), qint64(1) << 40);
  EXPECT_EQ(xml["Ratio"].doubleValue(), 0.25);
  EXPECT_TRUE(xml["Enabled"].toBool());
  EXPECT_EQ(xml["Disabled"].type(), PlistValue::Type::Boolean);
  EXPECT_EQ(xml["Blob"].toData(), QByteArray("\x00\x01\xfe\xff", 4));
  EXPECT_EQ(xml["When"].toDate(), QDateTime(QDate(2026, 12, 7), QTime(10, 30), QTimeZone::utc()));
  EXPECT_EQ(xml["List"].at(2).at(1)["deep"].toString(), "yes");
  EXPECT_EQ(xml["List"].at(3).count(), 0);
}

TEST(PlistFile, WrittenXmlReadsBackEqual) {
  QTemporaryDir dir;
  const QString path = dir.filePath("out.plist");
  const PlistValue original = halvane::readPlistFile(kData + "sample.bplist");
  ASSERT_TRUE(halvane::writePlistFileAtomically(path, original));
  EXPECT_TRUE(bytesOf(path).startsWith("<?xml"));
  EXPECT_EQ(halvane::readPlistFile(path), original);
}

TEST(PlistFile, NoneValuesAreLeftOutOfWrittenFiles) {
  QTemporaryDir dir;
  PlistValue root = PlistValue::dictionary();
  root.set("kept", 1);
  root.set("gone", PlistValue());
  ASSERT_TRUE(halvane::writePlistFileAtomically(dir.filePath("a.plist"), root));
  const PlistValue back = halvane::readPlistFile(dir.filePath("a.plist"));
  EXPECT_EQ(back.keys(), QStringList{"kept"});
}

TEST(PlistFile, WriteKeepsTheOldPermissionBits) {
  QTemporaryDir dir;
  const QString path = dir.filePath("p.plist");
  writeBytes(path, "old");
  ASSERT_EQ(chmod(QFile::encodeName(path).constData(), 0600), 0);
  PlistValue root = PlistValue::dictionary();
  root.set("k", "v");
  ASSERT_TRUE(halvane::writePlistFileAtomically(path, root));
  struct stat st {};
  ASSERT_EQ(stat(QFile::encodeName(path).constData(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
}

// Runs a write in a child process whose file size limit makes every write fail, as a full disk
// would; the reason it gave, or nothing when the write succeeded.
std::optional<QString> writeFailsUnderSizeLimit(const QString& path, const PlistValue& tree) {
  int channel[2];
  if (pipe(channel) != 0) return QString("no pipe");
  const pid_t pid = fork();
  if (pid == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{64, 64};
    setrlimit(RLIMIT_FSIZE, &limit);
    QString why;
    const bool written = halvane::writePlistFileAtomically(path, tree, &why);
    const QByteArray message = why.toUtf8();
    if (::write(channel[1], message.constData(), size_t(message.size())) < 0) _exit(2);
    _exit(written ? 0 : 1);
  }
  ::close(channel[1]);
  QByteArray reason;
  char buffer[512];
  for (ssize_t n; (n = ::read(channel[0], buffer, sizeof buffer)) > 0;) reason.append(buffer, n);
  ::close(channel[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 1) {
    ADD_FAILURE() << "status " << status << ": " << reason.constData();
    return std::nullopt;
  }
  return QString::fromUtf8(reason);
}

TEST(PlistFile, FailedWriteLeavesTheOldFileIntactAndSaysWhy) {
  QTemporaryDir dir;
  const QString path = dir.filePath("settings.plist");
  const PlistValue big =
      halvane::readPlistFile(QStringLiteral(HALVANE_SOURCE_DIR "/shared/defaults.plist"));
  ASSERT_TRUE(big.isDictionary());
  PlistValue small = PlistValue::dictionary();
  small.set("CurrentProfile", 1);
  // Both a large tree and a small one (which a buffered write would only fail to flush, and then
  // put in place cut off) fail with the system's reason, not the words of the cancelled write.
  for (const PlistValue& tree : {big, small}) {
    writeBytes(path, "previous content");
    const std::optional<QString> why = writeFailsUnderSizeLimit(path, tree);
    ASSERT_TRUE(why.has_value());
    EXPECT_EQ(*why, QString::fromLocal8Bit(strerror(EFBIG)));
    EXPECT_EQ(bytesOf(path), "previous content");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"settings.plist"})
        << "no temporary file may be left behind";
  }
}

TEST(PlistFile, WriteIntoAMissingFolderFailsCleanly) {
  QTemporaryDir dir;
  QString error;
  EXPECT_FALSE(halvane::writePlistFileAtomically(dir.filePath("no/such/folder/x.plist"),
                                                 PlistValue::dictionary(), &error));
  EXPECT_FALSE(error.isEmpty());
}

// Malformed files: each must read without a crash, as nothing or as what it holds.
TEST(PlistFile, MalformedInputReadsAsNothing) {
  const QByteArray defaults = bytesOf(QStringLiteral(HALVANE_SOURCE_DIR "/shared/defaults.plist"));
  const QByteArray binary = bytesOf(kData + "sample.bplist");
  const QList<QByteArray> inputs = {
      QByteArray(),
      "garbage",
      QByteArray(1000, '\xff'),
      defaults.left(defaults.size() / 2),  // truncated XML
      binary.left(binary.size() - 20),     // truncated binary: its trailer is gone
      QByteArray("bplist00") + QByteArray(40, '\0'),
      "<?xml version=\"1.0\"?><plist><dict><key>a</key></dict></plist>",
      "<plist><integer>99999999999999999999999999</integer></plist>",
      "<plist><date>not a date</date></plist>",
      "<plist><data>!!!not base64***</data></plist>",
      QByteArray("<plist>") + QByteArray(100000, '<') + "</plist>",
  };
  for (const QByteArray& input : inputs) {
    const PlistValue v = halvane::parsePlist(input);
    if (v.isDictionary()) {
      v.keys();
      v["a"].toString();
    }
  }
  // Nesting far past any settings file is refused rather than recursed into.
  QByteArray deep = "<plist>";
  for (int i = 0; i < 5000; ++i) deep += "<array>";
  for (int i = 0; i < 5000; ++i) deep += "</array>";
  deep += "</plist>";
  EXPECT_TRUE(halvane::parsePlist(deep).isNone());
  EXPECT_TRUE(halvane::parsePlist("garbage").isNone());
  EXPECT_TRUE(halvane::parsePlist(defaults.left(defaults.size() / 2)).isNone());
}

QByteArray binaryPlist(const QByteArray& objects, const QByteArray& offsets, quint64 count) {
  auto be64 = [](quint64 v) {
    QByteArray b(8, 0);
    for (int i = 7; i >= 0; --i, v >>= 8) b[i] = char(v & 0xff);
    return b;
  };
  const quint64 tableAt = 8 + quint64(objects.size());
  return "bplist00" + objects + offsets + QByteArray(6, 0) + QByteArray("\x01\x01", 2) +
         be64(count) + be64(0) + be64(tableAt);
}

TEST(PlistFile, UnsoundBinaryFilesNeverReachTheParser) {
  // A string holding a NUL character, found by fuzzing: the parser would abort on it.
  EXPECT_TRUE(halvane::readPlistFile(kData + "nul-in-string.bplist").isNone());
  EXPECT_TRUE(halvane::parsePlist(binaryPlist(QByteArray("\x53"
                                                         "a\0c",
                                                         4),
                                              "\x08", 1))
                  .isNone());
  EXPECT_TRUE(halvane::parsePlist(binaryPlist(QByteArray("\x61\x00\x00", 3), "\x08", 1)).isNone());
  // A dictionary whose key is a number.
  EXPECT_TRUE(halvane::parsePlist(
                  binaryPlist(QByteArray("\xd1\x01\x01\x10\x05", 5), QByteArray("\x08\x0b", 2), 2))
                  .isNone());
  // An array that contains itself.
  EXPECT_TRUE(halvane::parsePlist(binaryPlist(QByteArray("\xa1\x00", 2), "\x08", 1)).isNone());
  // A reference past the last object.
  EXPECT_TRUE(halvane::parsePlist(binaryPlist(QByteArray("\xa1\x05", 2), "\x08", 1)).isNone());
  // A string longer than the file.
  EXPECT_TRUE(halvane::parsePlist(binaryPlist(QByteArray("\x5f\x10\x7f"
                                                         "abc",
                                                         6),
                                              "\x08", 1))
                  .isNone());
  // Two arrays, each listing the other twice, expanded 64 levels deep: refused, not expanded.
  EXPECT_TRUE(halvane::parsePlist(binaryPlist(QByteArray("\xa2\x01\x01\xa2\x00\x00", 6),
                                              QByteArray("\x08\x0b", 2), 2))
                  .isNone());
  // The same shapes made sound are read.
  const PlistValue ok = halvane::parsePlist(binaryPlist(QByteArray("\xa1\x01\x53"
                                                                   "abc",
                                                                   6),
                                                        QByteArray("\x08\x0a", 2), 2));
  ASSERT_TRUE(ok.isArray());
  EXPECT_EQ(ok.at(0).toString(), "abc");
}

TEST(PlistFile, XmlDetails) {
  const PlistValue v = halvane::parsePlist(
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST "
      "1.0//EN\" "
      "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n<plist version=\"1.0\"><dict>"
      "<key>a&amp;b</key><string>x &lt; y</string><key>empty</key><string/>"
      "<key>hex</key><integer>0x1F</integer><key>huge</key><integer>18446744073709551615</integer>"
      "<key>data</key><data>\n  AAEC\n  /w==\n</data><key>inf</key><real>-infinity</real>"
      "<key>d</key><dict/><key>a</key><array/></dict></plist>");
  ASSERT_TRUE(v.isDictionary());
  EXPECT_EQ(v["a&b"].toString(), "x < y");
  EXPECT_EQ(v["empty"], PlistValue(""));
  EXPECT_EQ(v["hex"].intValue(), 31);
  EXPECT_EQ(v["huge"].intValue(), -1);
  EXPECT_EQ(v["data"].toData(), QByteArray("\x00\x01\x02\xff", 4));
  EXPECT_TRUE(std::isinf(v["inf"].doubleValue()));
  EXPECT_TRUE(v["d"].isDictionary());
  EXPECT_TRUE(v["a"].isArray());

  for (const char* bad : {"<plist><dict><key>a</key></dict></plist>",        // key without value
                          "<plist><dict><string>a</string></dict></plist>",  // value without key
                          "<plist><integer>12x</integer></plist>", "<plist><unknown/></plist>",
                          "<plist><string>a</string><string>b</string></plist>",
                          "<plist><dict></plist>", "<plist><true>yes</true></plist>"})
    EXPECT_TRUE(halvane::parsePlist(bad).isNone()) << bad;
}

// Short plain decimals take a quicker path than the rest; both sides of its limits read alike.
TEST(PlistFile, IntegersAcrossTheQuickPathsLimits) {
  const struct {
    const char* text;
    qint64 value;
  } cases[] = {{"0", 0},
               {"-0", 0},
               {"007", 7},
               {" \n 42 \t", 42},
               {"+5", 5},
               {"-1", -1},
               {"999999999999999999", 999999999999999999LL},  // 18 digits
               {"-999999999999999999", -999999999999999999LL},
               {"9223372036854775807", 9223372036854775807LL},  // 19 digits
               {"-9223372036854775808", qint64(0x8000000000000000ULL)},
               {"9223372036854775808", qint64(0x8000000000000000ULL)}};
  for (const auto& c : cases) {
    const PlistValue v =
        halvane::parsePlist(QByteArray("<plist><integer>") + c.text + "</integer></plist>");
    EXPECT_EQ(v, PlistValue(c.value)) << c.text;
  }
  for (const char* bad : {"", "-", "--1", "1-", "1 2", "\xd9\xa3"})
    EXPECT_TRUE(
        halvane::parsePlist(QByteArray("<plist><integer>") + bad + "</integer></plist>").isNone())
        << bad;
}

TEST(PlistFile, HugeStringsSurvive) {
  const QString huge(200000, u'x');
  QTemporaryDir dir;
  PlistValue root = PlistValue::dictionary();
  root.set("Name", huge);
  ASSERT_TRUE(halvane::writePlistFileAtomically(dir.filePath("h.plist"), root));
  EXPECT_EQ(halvane::readPlistFile(dir.filePath("h.plist"))["Name"].toString(), huge);
}

// Whatever is at a path, reading it gives an answer at once, with the reason when nothing came of
// it: never a wait on a FIFO, never an endless read of a device.
TEST(PlistFile, EveryPathIsReadAtOnceOrRefusedWithItsReason) {
  QTemporaryDir dir;
  const QByteArray defaults = bytesOf(QStringLiteral(HALVANE_SOURCE_DIR "/shared/defaults.plist"));
  using halvane::FileFault;
  struct Case {
    const char* name;
    std::function<bool(const QString&)> make;
    FileFault fault;
    QString reason;
  };
  auto file = [](const QByteArray& bytes) {
    return [bytes](const QString& p) {
      writeBytes(p, bytes);
      return QFile::exists(p);
    };
  };
  auto link = [](const QString& to) {
    return [to](const QString& p) { return QFile::link(to, p); };
  };
  const std::vector<Case> cases = {
      {"a settings file", file(defaults), FileFault::None, ""},
      {"a link to a settings file",
       link(QStringLiteral(HALVANE_SOURCE_DIR "/shared/defaults.plist")), FileFault::None, ""},
      {"nothing", [](const QString&) { return true; }, FileFault::Missing, strerror(ENOENT)},
      {"a dangling link", link("/nonexistent/settings.plist"), FileFault::Missing,
       strerror(ENOENT)},
      {"a link to /dev/zero", link("/dev/zero"), FileFault::NotRegular,
       "a character device, not a regular file"},
      {"a FIFO",
       [](const QString& p) { return mkfifo(QFile::encodeName(p).constData(), 0600) == 0; },
       FileFault::NotRegular, "a FIFO, not a regular file"},
      {"a folder", [](const QString& p) { return QDir().mkdir(p); }, FileFault::NotRegular,
       "a folder, not a regular file"},
      {"a socket",
       [](const QString& p) {
         const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
         sockaddr_un address{};
         address.sun_family = AF_UNIX;
         qstrncpy(address.sun_path, QFile::encodeName(p).constData(), sizeof address.sun_path);
         const bool bound = bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
         ::close(fd);
         return bound;
       },
       FileFault::NotRegular, "a socket, not a regular file"},
      {"a file past the limit",
       [](const QString& p) {
         QFile f(p);
         return f.open(QIODevice::WriteOnly) && f.resize(halvane::kMaxPlistFileSize + 1);  // sparse
       },
       FileFault::Unreadable, "larger than 16 MiB"},
      {"an empty file", file(""), FileFault::Malformed, "the file is empty"},
  };
  int n = 0;
  for (const Case& c : cases) {
    const QString path = dir.filePath(QStringLiteral("case%1.plist").arg(n++));
    ASSERT_TRUE(c.make(path)) << c.name;
    const halvane::ReadResult<PlistValue> read = halvane::readPlist(path);
    EXPECT_EQ(read.fault, c.fault) << c.name;
    EXPECT_EQ(read.error, c.reason) << c.name;
    EXPECT_EQ(read.value.isDictionary(), c.fault == FileFault::None) << c.name;
  }
}

// Why a file does not parse: the parser's words with the line and column, or the limit it passed.
TEST(PlistFile, ParseErrorsSayWhatAndWhere) {
  auto nested = [](int depth) {
    QByteArray xml = "<plist>";
    for (int i = 0; i < depth; ++i) xml += "<array>";
    for (int i = 0; i < depth; ++i) xml += "</array>";
    return xml + "</plist>";
  };
  // Binary arrays, each holding the next: object i is at 8 + 2i and refers to object i + 1.
  auto nestedBinary = [](int depth) {
    QByteArray objects, offsets;
    for (int i = 0; i < depth; ++i) {
      offsets += char(8 + objects.size());
      objects += i + 1 < depth ? QByteArray("\xa1") + char(i + 1) : QByteArray("\xa0");
    }
    return binaryPlist(objects, offsets, quint64(depth));
  };
  const struct {
    QByteArray bytes;
    QString reason;
  } cases[] = {
      {"<plist>\n  <dict>\n    <key>Name</key>\n    <string>x</str",
       "XML error at line 4, column 16: start-end tags mismatch"},
      {"<plist>\n<dict>\n\t<key>a</key><integer>1</integer>\n\t<colour/>\n</dict></plist>",
       "line 4, column 2: <colour> where a <key> belongs"},
      {"<plist>\n<array>\n <integer>12x</integer>\n</array></plist>",
       "line 3, column 2: <integer> holds \"12x\""},
      {"<plist>\n<dict>\n<key>Name</key>\n</dict></plist>",
       "line 3, column 1: a <key> without a value"},
      {"<plist><wrong/></plist>", "line 1, column 8: <wrong> is not a property-list element"},
      {"<plist>\n<string>\xc3\xa9\xc3\xa9</string> <string/></plist>",
       "line 2, column 21: a second value inside <plist>"},
      {nested(65), "nested deeper than 64"},
      {nestedBinary(70), "nested deeper than 64"},
      {QByteArray("bplist00") + QByteArray(40, '\0'), "a damaged binary property list"},
      {QByteArray(halvane::kMaxPlistFileSize + 1, ' '), "larger than 16 MiB"},
  };
  for (const auto& c : cases) {
    const halvane::ReadResult<PlistValue> parsed = halvane::parsePlistExplained(c.bytes);
    EXPECT_EQ(parsed.fault, halvane::FileFault::Malformed) << c.bytes.left(80).constData();
    EXPECT_TRUE(parsed.error.contains(c.reason))
        << qPrintable(parsed.error) << " does not hold " << qPrintable(c.reason);
  }
  // Just inside the limits parses.
  EXPECT_TRUE(halvane::parsePlist(nested(64)).isArray());
  EXPECT_TRUE(halvane::parsePlist(nestedBinary(64)).isArray());
}

// A link stays a link when written: its target gets the new contents, with its permission bits,
// and nothing is put beside the link. (Special files are refused: SettingsStore's tests.)
TEST(PlistFile, WritesGoThroughLinks) {
  QTemporaryDir dir, elsewhere;
  PlistValue tree = PlistValue::dictionary();
  tree.set("k", "v");

  const QString target = elsewhere.filePath("real.plist");
  writeBytes(target, "old");
  ASSERT_EQ(chmod(QFile::encodeName(target).constData(), 0640), 0);
  const QString viaLink = dir.filePath("linked.plist");
  ASSERT_TRUE(QFile::link(target, viaLink));
  QString why;
  ASSERT_TRUE(halvane::writePlistFileAtomically(viaLink, tree, &why)) << qPrintable(why);
  EXPECT_EQ(QFileInfo(viaLink).symLinkTarget(), target);
  EXPECT_EQ(halvane::readPlistFile(target), tree);
  struct stat st {};
  ASSERT_EQ(stat(QFile::encodeName(target).constData(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
            QStringList{"linked.plist"});
}

}  // namespace
