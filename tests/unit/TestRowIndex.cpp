#include <gtest/gtest.h>

#include "core/db/row_index.h"

using namespace scx;

// Keys are rebuilt from rows; here row r's key is keys[r]. Growth from the smallest size, repeated
// keys (the later row wins) and misses.
TEST(RowIndex, FindsTheLastRowOfEachKeyThroughGrowth) {
    std::vector<std::string> keys;
    for (int i = 0; i < 5000; ++i) keys.push_back("key" + std::to_string(i % 3000));
    auto keyOf = [&](int row) { return keys[row]; };
    RowIndex index;
    EXPECT_EQ(index.Find("key1", keyOf), -1);
    for (int i = 0; i < static_cast<int>(keys.size()); ++i) index.Insert(keys[i], i, keyOf);
    for (int k = 0; k < 3000; ++k) {
        int want = k < 2000 ? 3000 + k : k;
        ASSERT_EQ(index.Find("key" + std::to_string(k), keyOf), want) << k;
    }
    EXPECT_EQ(index.Find("key3000", keyOf), -1);
    EXPECT_EQ(index.Find("", keyOf), -1);
}
