// Runs every file of the corpus folders given on the command line through the fuzz target,
// so the corpus is exercised by the ordinary test suite without a fuzzing engine.
#include <QDirIterator>
#include <QFile>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char* argv[]) {
  int files = 0;
  for (int i = 1; i < argc; ++i) {
    QDirIterator it(QString::fromLocal8Bit(argv[i]), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
      QFile file(it.next());
      if (!file.open(QIODevice::ReadOnly)) continue;
      const QByteArray bytes = file.readAll();
      LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                             std::size_t(bytes.size()));
      ++files;
    }
  }
  std::printf("%d corpus files run\n", files);
  return files > 0 ? 0 : 1;  // an empty corpus means the test is not testing anything
}
