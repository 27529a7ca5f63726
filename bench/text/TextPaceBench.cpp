// Characters per second typed without loss, through the typist of each desktop this machine can
// run: XTest into an X client on the benchmark's X display, and the virtual keyboard into a
// Wayland application on headless sway. 1,000 characters per text (the longest a Text step
// holds), a few of them outside the layout; the goal is 1,000 characters within 2 s. Each
// figure counts only texts that arrived whole: a text with a character lost fails the run.
#include "platform/input/keyboardlayout/XkbKeyboardLayoutServices.h"
#include "platform/input/posters/VirtualKeyboardTextTypist.h"
#include "platform/input/posters/WaylandVirtualKeyboardEventPoster.h"
#include "platform/input/posters/XTestKeyboardEventPoster.h"
#include "platform/input/posters/XTestTextTypist.h"
#include "platform/input/probe/ReadSession.h"
#include "tests/support/HeadlessSway.h"
#include "tests/support/XClient.h"

#include <benchmark/benchmark.h>

#include <QThread>

#include <chrono>

namespace {

using namespace halvane;
using Clock = std::chrono::steady_clock;

// 1,000 characters: words of the US layout, with now and then one it lacks.
QString thousandCharacters() {
  QString text;
  const QString words = QStringLiteral("The quick brown fox jumps over the lazy dog, 42 times! ");
  while (text.size() < 1000) {
    text += words;
    text += QChar(0x2713);
  }
  text.truncate(1000);
  return text;
}

// Types text, waiting characterGap() between characters as the helper's pacing does.
void typeText(TextTypist& typist, const QString& text) {
  const auto gap = std::chrono::duration<double>(typist.characterGap());
  typist.beginText();
  for (char32_t c : text.toUcs4()) {
    typist.typeCharacter(c);
    if (gap.count() > 0) QThread::usleep(std::uint64_t(gap.count() * 1e6));
  }
  typist.endText();
}

void BM_TextPaceX11(benchmark::State& state) {
  std::unique_ptr<test::XClient> client = test::XClient::connect();
  if (!client) {
    state.SkipWithError("no X display: run through scripts/with-session");
    return;
  }
  client->focus(client->createWindow());
  client->sync();
  QString why;
  std::unique_ptr<XTestKeyboardEventPoster> poster = XTestKeyboardEventPoster::connect(&why);
  if (!poster) {
    state.SkipWithError(why.toStdString().c_str());
    return;
  }
  SessionProbe probe;
  probe.x11Display = qEnvironmentVariable("DISPLAY");
  XTestTextTypist typist(*poster, *poster, XkbKeyboardLayoutServices::forSystem(probe));
  const QString text = thousandCharacters();
  const std::uint8_t shift = 42 + 8;  // KEY_LEFTSHIFT
  double seconds = 0;
  for (auto _ : state) {
    const Clock::time_point start = Clock::now();
    typeText(typist, text);
    int presses = 0;
    while (presses < text.size()) {
      const std::optional<test::XClient::Key> key = client->nextKey(2000);
      if (!key) break;
      if (key->press && key->keycode != shift) ++presses;
    }
    const std::chrono::duration<double> elapsed = Clock::now() - start;
    if (presses != text.size()) {
      state.SkipWithError("characters were lost");
      return;
    }
    state.SetIterationTime(elapsed.count());
    seconds += elapsed.count();
  }
  state.counters["chars_per_s"] = double(text.size()) * double(state.iterations()) / seconds;
}
BENCHMARK(BM_TextPaceX11)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_TextPaceSway(benchmark::State& state) {
  test::HeadlessSway sway;
  if (!sway.failure().isEmpty()) {
    state.SkipWithError(sway.failure().toStdString().c_str());
    return;
  }
  QProcess receiver;
  receiver.setProcessEnvironment(sway.clientEnvironment());
  receiver.start(QStringLiteral(INPUT_PROBE), {QStringLiteral("org.example.Text")});
  QByteArray output;
  auto read = [&] {
    receiver.waitForReadyRead(50);
    output += receiver.readAllStandardOutput();
  };
  const Clock::time_point shown = Clock::now();
  while (!output.contains("shown 1024 768") && Clock::now() - shown < std::chrono::seconds(10))
    read();
  QProcessEnvironment environment;
  environment.insert(QStringLiteral("WAYLAND_DISPLAY"), sway.waylandDisplay());
  environment.insert(QStringLiteral("SWAYSOCK"), sway.swaySocket());
  const SessionProbe probe = readSession(environment);
  QString why;
  auto keyboard = WaylandVirtualKeyboardEventPoster::create(probe.wayland, &why);
  if (!output.contains("shown") || !keyboard) {
    state.SkipWithError("no Wayland application or virtual keyboard on headless sway");
    test::stopProcess(receiver);
    return;
  }
  VirtualKeyboardTextTypist typist(*keyboard, *keyboard,
                                   XkbKeyboardLayoutServices::forSystem(probe));
  const QString text = thousandCharacters();
  double seconds = 0;
  for (auto _ : state) {
    output.clear();
    const Clock::time_point start = Clock::now();
    typeText(typist, text);
    qsizetype received = 0;
    Clock::time_point last = Clock::now();
    while (received < text.size() && Clock::now() - last < std::chrono::seconds(2)) {
      const qsizetype before = received;
      read();
      received = output.count("\ntext ") + (output.startsWith("text ") ? 1 : 0);
      if (received != before) last = Clock::now();
    }
    const std::chrono::duration<double> elapsed = Clock::now() - start;
    if (received != text.size()) {
      state.SkipWithError("characters were lost");
      break;
    }
    state.SetIterationTime(elapsed.count());
    seconds += elapsed.count();
  }
  if (seconds > 0)
    state.counters["chars_per_s"] = double(text.size()) * double(state.iterations()) / seconds;
  test::stopProcess(receiver);
}
BENCHMARK(BM_TextPaceSway)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
