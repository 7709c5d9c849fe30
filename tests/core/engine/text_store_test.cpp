#include "core/engine/text_store.h"

#include <string>

#include <gtest/gtest.h>

namespace notavi {
namespace {

TEST(TextStore, TextsStayWhereTheyAreAcrossBlocksAndMoves)
{
    TextStore store;
    const std::string_view first = store.append("Am 07.12.2026 ", "Kegeln");
    const std::string big(300 * 1024, 'x'); // larger than a block
    const std::string_view large = store.append(big);
    const std::string_view after = store.append("danach");
    EXPECT_EQ(store.append(""), "");

    TextStore moved = std::move(store);
    const std::string_view fresh = store.append("neu"); // NOLINT(bugprone-use-after-move): starts afresh
    const std::string_view more = moved.append("mehr");
    EXPECT_EQ(first, "Am 07.12.2026 Kegeln");
    EXPECT_EQ(large, big);
    EXPECT_EQ(after, "danach");
    EXPECT_EQ(fresh, "neu");
    EXPECT_EQ(more, "mehr");
}

} // namespace
} // namespace notavi
