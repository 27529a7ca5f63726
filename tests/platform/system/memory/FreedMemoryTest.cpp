// Freed blocks below a live one stay resident, as start-up's leftovers do, until they are given
// back; the process's resident size says whether they left.
#include "platform/system/memory/FreedMemory.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace halvane {
namespace {

long residentKiB() {
  std::ifstream rollup("/proc/self/smaps_rollup");
  std::string field;
  long value = 0;
  while (rollup >> field) {
    if (field == "Rss:" && rollup >> value) return value;
  }
  return -1;
}

TEST(FreedMemory, FreedHeapBelowALiveBlockLeavesTheProcess) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP()
      << "AddressSanitizer's allocator holds the heap; the C library's trim cannot reach it";
#endif
  // 16 MiB in blocks small enough for the heap (not mmap), touched so that they are resident.
  constexpr int kBlocks = 4096;
  constexpr std::size_t kBlockSize = 4000;
  std::vector<char*> blocks;
  int sum = 0;
  for (int i = 0; i < kBlocks; ++i) {
    char* block = static_cast<char*>(std::malloc(kBlockSize));
    std::memset(block, 1, kBlockSize);
    blocks.push_back(block);
  }
  char* live = static_cast<char*>(std::malloc(kBlockSize));  // above them: the top stays
  std::memset(live, 1, kBlockSize);
  for (char* block : blocks) {
    sum += block[kBlockSize - 1];
    std::free(block);
  }
  EXPECT_EQ(sum, kBlocks);
  const long before = residentKiB();
  returnFreedMemory();
  const long after = residentKiB();
  EXPECT_GT(before - after, 8 * 1024) << "resident " << before << " KiB, then " << after;
  std::free(live);
}

}  // namespace
}  // namespace halvane
