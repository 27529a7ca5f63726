// From KeyboardEventPoster::postKeyboardEvent (XTest) to the KeyPress that the focused X client
// reads, over 10,000 presses; the median and the 99th percentile are reported as counters.
#include "bench/support/Percentile.h"
#include "platform/input/keycodes/MacKeyCodes.h"
#include "platform/input/posters/XTestKeyboardEventPoster.h"
#include "tests/support/XClient.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace {

using halvane::XTestKeyboardEventPoster;
using halvane::test::XClient;
using Clock = std::chrono::steady_clock;

using halvane::bench::percentile;

void BM_XTestPressToClient(benchmark::State& state) {
  std::unique_ptr<XClient> client = XClient::connect();
  if (!client) {
    state.SkipWithError("no X display: run through scripts/with-session");
    return;
  }
  client->focus(client->createWindow());
  QString why;
  std::unique_ptr<XTestKeyboardEventPoster> poster = XTestKeyboardEventPoster::connect(&why);
  if (!poster) {
    state.SkipWithError(why.toStdString().c_str());
    return;
  }
  std::vector<double> micros;
  micros.reserve(size_t(state.max_iterations));
  for (auto _ : state) {
    const Clock::time_point start = Clock::now();
    poster->postKeyboardEvent(halvane::kVK_ANSI_A, true);
    const std::optional<XClient::Key> press = client->nextKey(1000);
    const std::chrono::duration<double> elapsed = Clock::now() - start;
    if (!press || !press->press) {
      state.SkipWithError("a key press did not arrive");
      break;
    }
    state.SetIterationTime(elapsed.count());
    micros.push_back(elapsed.count() * 1e6);
    poster->postKeyboardEvent(halvane::kVK_ANSI_A, false);
    client->nextKey(1000);  // the release, not timed
  }
  if (micros.empty()) return;
  state.counters["median_us"] = percentile(micros, 0.5);
  state.counters["p99_us"] = percentile(micros, 0.99);
}
BENCHMARK(BM_XTestPressToClient)->Iterations(10000)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
