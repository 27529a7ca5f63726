#include <QCoreApplication>

#include <benchmark/benchmark.h>

// The main of benchmarks that need Qt's event loop machinery (timers, sockets, D-Bus, processes)
// but no window.
int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
