// Trace lines: their JSON form and how they reach the file.
#include "platform/system/log/FakeSystemLog.h"
#include "platform/system/log/TracedSystemLog.h"
#include "platform/system/trace/Trace.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace halvane {
namespace {

QList<QByteArray> linesOf(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  QList<QByteArray> lines = f.readAll().split('\n');
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  return lines;
}

TEST(Trace, LinesAreJsonObjectsWithOpFirst) {
  EXPECT_EQ(TraceEvent("keyboardEvent").add("keyCode", 56).add("down", true).line(),
            "{\"op\":\"keyboardEvent\",\"keyCode\":56,\"down\":true}\n");
  EXPECT_EQ(TraceEvent("sleep").add("seconds", 0.25).line(),
            "{\"op\":\"sleep\",\"seconds\":0.25}\n");
  EXPECT_EQ(TraceEvent("alpha").add("value", double(0.2f)).line(),
            "{\"op\":\"alpha\",\"value\":0.20000000298023224}\n");

  const QByteArray line =
      TraceEvent("overlayName").add("name", QString::fromUtf8("Pro \"file\"\n⌘")).line();
  const QJsonObject parsed = QJsonDocument::fromJson(line).object();
  EXPECT_EQ(parsed["name"].toString(), QString::fromUtf8("Pro \"file\"\n⌘"));
}

TEST(Trace, NumbersAndLongValuesStayValidJson) {
  const QString longName(300, QChar(u'x'));  // past the room a line has on the stack
  const struct {
    TraceEvent event;
    QByteArray expected;
  } cases[] = {
      {TraceEvent("n").add("v", std::numeric_limits<qint64>::min()),
       "{\"op\":\"n\",\"v\":-9223372036854775808}\n"},
      {TraceEvent("n").add("v", 4294967295u), "{\"op\":\"n\",\"v\":4294967295}\n"},
      {TraceEvent("n").add("v", 1e21), "{\"op\":\"n\",\"v\":1e+21}\n"},
      {TraceEvent("n").add("v", -0.001), "{\"op\":\"n\",\"v\":-0.001}\n"},
      {TraceEvent("n").add("v", 30.0), "{\"op\":\"n\",\"v\":30}\n"},
      {TraceEvent("n").add("v", std::nan("")).add("w", HUGE_VAL),
       "{\"op\":\"n\",\"v\":null,\"w\":null}\n"},
      {TraceEvent("n").add("name", longName).add("after", 1),
       "{\"op\":\"n\",\"name\":\"" + longName.toLatin1() + "\",\"after\":1}\n"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.event.line(), c.expected);
    QJsonParseError error;
    QJsonDocument::fromJson(c.event.line(), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << c.event.line().toStdString();
  }
}

TEST(Trace, AppendsOneFlushedLinePerEvent) {
  QTemporaryDir dir;
  const QString path = dir.filePath("trace.jsonl");
  {
    QFile existing(path);
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("{\"op\":\"earlier\"}\n");
  }
  Trace trace(path);
  ASSERT_TRUE(trace.enabled());
  FakeSystemLog inner;
  TracedSystemLog log(inner, trace);
  log.log("No Prefs File!");
  // Readable at once, before the trace is closed.
  const QList<QByteArray> lines = linesOf(path);
  ASSERT_EQ(lines.size(), 2);
  EXPECT_EQ(lines[1], "{\"op\":\"log\",\"message\":\"No Prefs File!\"}");
  EXPECT_EQ(inner.lines, QStringList{"No Prefs File!"}) << "the trace only observes";
}

TEST(Trace, WithoutAPathNothingIsWritten) {
  Trace trace{QString()};
  EXPECT_FALSE(trace.enabled());
  trace.write(TraceEvent("x"));  // must simply do nothing
}

}  // namespace
}  // namespace halvane
