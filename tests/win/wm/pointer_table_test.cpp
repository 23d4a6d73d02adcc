#include "platform/win/pointer_table.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <vector>

namespace {

const void* Key(std::uintptr_t n) { return reinterpret_cast<const void*>(n); }

// Against an ordered map as the model, through enough inserts and erases to
// grow the table several times and to make long probe runs that erasing
// must close up again.
TEST(PointerTable, AgreesWithAMapThroughRandomInsertsAndErases) {
  CPointerTable<int> table;
  std::map<const void*, int> model;
  std::uint64_t state = 12345;
  auto next = [&state]() {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    return state >> 33U;
  };
  for (int round = 0; round < 20000; ++round) {
    // Few distinct keys, aligned as allocations are, so runs collide.
    const void* key = Key((next() % 300 + 1) * 16);
    if (next() % 3 == 0) {
      EXPECT_EQ(table.Erase(key), model.erase(key) == 1);
    } else {
      const int value = static_cast<int>(next() % 1000);
      table[key] = value;
      model[key] = value;
    }
    ASSERT_EQ(table.Size(), model.size());
  }
  for (std::uintptr_t n = 1; n <= 300; ++n) {
    const auto it = model.find(Key(n * 16));
    const int* found = table.Find(Key(n * 16));
    ASSERT_EQ(found != nullptr, it != model.end()) << n;
    if (found != nullptr) {
      EXPECT_EQ(*found, it->second);
    }
  }
}

TEST(PointerTable, EverythingErasedLeavesNothingFound) {
  CPointerTable<bool> table;
  std::vector<const void*> keys;
  for (std::uintptr_t n = 1; n <= 1000; ++n) keys.push_back(Key(n * 8));
  for (const void* k : keys) table[k] = true;
  EXPECT_EQ(table.Size(), 1000U);
  for (const void* k : keys) EXPECT_TRUE(table.Erase(k));
  EXPECT_EQ(table.Size(), 0U);
  for (const void* k : keys) EXPECT_FALSE(table.Contains(k));
  EXPECT_FALSE(table.Erase(keys.front()));
}

TEST(PointerTable, NullIsNeverAKey) {
  CPointerTable<int> table;
  EXPECT_EQ(table.Find(nullptr), nullptr);
  table[nullptr] = 7;
  EXPECT_EQ(table.Size(), 0U);
  EXPECT_FALSE(table.Contains(nullptr));
  EXPECT_FALSE(table.Erase(nullptr));
  table[Key(64)] = 3;
  EXPECT_EQ(table[nullptr], 0);  // a fresh scratch value, not the 7
  EXPECT_EQ(*table.Find(Key(64)), 3);
}

}  // namespace
