#include "shared/plist/PlistFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <csignal>

using halvane::PlistValue;

namespace {

const QString kData = QStringLiteral(HALVANE_SOURCE_DIR "/tests/shared/data/");

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

// Runs a write in a child process whose file size limit makes every write fail.
bool writeFailsUnderSizeLimit(const QString& path, const PlistValue& tree) {
  const pid_t pid = fork();
  if (pid == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{64, 64};
    setrlimit(RLIMIT_FSIZE, &limit);
    _exit(halvane::writePlistFileAtomically(path, tree) ? 0 : 1);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 1;
}

TEST(PlistFile, FailedWriteLeavesTheOldFileIntact) {
  QTemporaryDir dir;
  const QString path = dir.filePath("settings.plist");
  writeBytes(path, "previous content");
  const PlistValue big = halvane::readPlistFile(QStringLiteral(HALVANE_SOURCE_DIR "/shared/defaults.plist"));
  ASSERT_TRUE(big.isDictionary());

  EXPECT_TRUE(writeFailsUnderSizeLimit(path, big));
  EXPECT_EQ(bytesOf(path), "previous content");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"settings.plist"})
      << "no temporary file may be left behind";
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
  EXPECT_TRUE(halvane::parsePlist(binaryPlist(QByteArray("\x53" "a\0c", 4), "\x08", 1)).isNone());
  EXPECT_TRUE(halvane::parsePlist(binaryPlist(QByteArray("\x61\x00\x00", 3), "\x08", 1)).isNone());
  // A dictionary whose key is a number.
  EXPECT_TRUE(halvane::parsePlist(binaryPlist(QByteArray("\xd1\x01\x01\x10\x05", 5),
                                              QByteArray("\x08\x0b", 2), 2)).isNone());
  // An array that contains itself.
  EXPECT_TRUE(halvane::parsePlist(binaryPlist(QByteArray("\xa1\x00", 2), "\x08", 1)).isNone());
  // A reference past the last object.
  EXPECT_TRUE(halvane::parsePlist(binaryPlist(QByteArray("\xa1\x05", 2), "\x08", 1)).isNone());
  // A string longer than the file.
  EXPECT_TRUE(halvane::parsePlist(binaryPlist(QByteArray("\x5f\x10\x7f" "abc", 6), "\x08", 1)).isNone());
  // Two arrays, each listing the other twice, expanded 64 levels deep: refused, not expanded.
  EXPECT_TRUE(halvane::parsePlist(binaryPlist(QByteArray("\xa2\x01\x01\xa2\x00\x00", 6),
                                              QByteArray("\x08\x0b", 2), 2)).isNone());
  // The same shapes made sound are read.
  const PlistValue ok = halvane::parsePlist(binaryPlist(QByteArray("\xa1\x01\x53" "abc", 6),
                                                        QByteArray("\x08\x0a", 2), 2));
  ASSERT_TRUE(ok.isArray());
  EXPECT_EQ(ok.at(0).toString(), "abc");
}

TEST(PlistFile, XmlDetails) {
  const PlistValue v = halvane::parsePlist(
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
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

  for (const char* bad : {"<plist><dict><key>a</key></dict></plist>",          // key without value
                          "<plist><dict><string>a</string></dict></plist>",    // value without key
                          "<plist><integer>12x</integer></plist>",
                          "<plist><unknown/></plist>",
                          "<plist><string>a</string><string>b</string></plist>",
                          "<plist><dict></plist>",
                          "<plist><true>yes</true></plist>"})
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
               {"999999999999999999", 999999999999999999LL},     // 18 digits
               {"-999999999999999999", -999999999999999999LL},
               {"9223372036854775807", 9223372036854775807LL},   // 19 digits
               {"-9223372036854775808", qint64(0x8000000000000000ULL)},
               {"9223372036854775808", qint64(0x8000000000000000ULL)}};
  for (const auto& c : cases) {
    const PlistValue v =
        halvane::parsePlist(QByteArray("<plist><integer>") + c.text + "</integer></plist>");
    EXPECT_EQ(v, PlistValue(c.value)) << c.text;
  }
  for (const char* bad : {"", "-", "--1", "1-", "1 2", "\xd9\xa3"})
    EXPECT_TRUE(halvane::parsePlist(QByteArray("<plist><integer>") + bad + "</integer></plist>")
                    .isNone())
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

}  // namespace
