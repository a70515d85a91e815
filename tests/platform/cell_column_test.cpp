// The compact cells of a grid column: the width of the codes as the column
// fills, values no cell holds any more making room again, growth and shrink,
// and copying rows from another column.
#include "platform/cell_column.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace vernalt::test {
namespace {

constexpr std::uint64_t Empty = 0xFFFC000000000000ull;

// Every row r holds value(r).
template <class F> bool holds(const CellColumn& c, F value) {
    for (std::size_t r = 0; r < c.rows(); ++r)
        if (c.get(r) != std::uint64_t(value(r)))
            return false;
    return true;
}

TEST(CellColumn, CodesWidenOnlyWhenTheDistinctValuesNeedIt) {
    const struct {
        const char* name;
        std::size_t distinct; // values 1 .. distinct over 100,000 rows, in turn
        int width;
    } cases[] = {
        {"no value: nothing held", 0, 0},
        {"one value", 1, 1},
        {"255 values and the empty one fill a byte", 255, 1},
        {"256 values need two bytes", 256, 2},
        {"65,535 values and the empty one fill two bytes", 65535, 2},
        {"65,536 values are held as themselves", 65536, 8},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CellColumn column(Empty);
        column.resize(100'000);
        for (std::size_t r = 0; r < column.rows() && c.distinct > 0; ++r)
            column.set(r, 1 + r % c.distinct);
        EXPECT_EQ(column.width(), c.width);
        EXPECT_TRUE(
            holds(column, [&](std::size_t r) { return c.distinct ? 1 + r % c.distinct : Empty; }));
    }
}

TEST(CellColumn, ValuesNoCellHoldsMakeRoomForNewOnes) {
    CellColumn column(Empty);
    column.resize(10);
    for (std::size_t r = 0; r < 10; ++r)
        column.set(r, 7);
    // One cell takes a thousand values in turn: never more than two held at once.
    for (std::uint64_t v = 1000; v < 2000; ++v)
        column.set(3, v);
    EXPECT_EQ(column.width(), 1);
    EXPECT_TRUE(holds(column, [](std::size_t r) { return r == 3 ? 1999 : 7; }));
}

TEST(CellColumn, GrowingAddsEmptyCellsAtEveryWidthAndClearGivesAllBack) {
    for (const std::uint64_t distinct : {1ull, 300ull, 70'000ull}) {
        SCOPED_TRACE(distinct);
        CellColumn column(Empty);
        column.resize(70'000);
        for (std::size_t r = 0; r < 70'000; ++r)
            column.set(r, r % distinct);
        column.resize(5);
        column.resize(8);
        EXPECT_TRUE(holds(column, [&](std::size_t r) { return r < 5 ? r % distinct : Empty; }));
        column.set(7, 0); // a value that equals zero bits is no empty cell
        EXPECT_EQ(column.get(7), 0u);
        column.clear();
        EXPECT_EQ(column.width(), 0);
        EXPECT_EQ(column.rows(), 8u);
        EXPECT_TRUE(holds(column, [](std::size_t) { return Empty; }));
    }
}

TEST(CellColumn, CopiedRowsTakeTheTranslatedValuesOfTheirSourceRows) {
    // The copy lands on rows of which the first hundred held other values:
    // overwriting them makes room, and the codes of the values change on the way.
    // 90,000 values: the source holds 72,000 of them, as themselves.
    for (const std::uint64_t distinct : {3ull, 200ull, 1000ull, 90'000ull}) {
        SCOPED_TRACE(distinct);
        CellColumn from(Empty), to(Empty);
        from.resize(100'000);
        for (std::size_t r = 0; r < 100'000; ++r)
            if (r % 5)
                from.set(r, r % distinct);
        std::vector<std::uint32_t> rows;
        for (int r = 99'999; r > 0; r -= 2) // every other row, backwards
            rows.push_back(std::uint32_t(r));
        to.resize(rows.size() + 1);
        for (std::size_t r = 0; r <= 100; ++r)
            to.set(r, 1'000'000 + r);
        to.copyRows(from, rows.data(), rows.size(), 1,
                    [](std::uint64_t v) { return v == Empty ? v : v + 1; });
        EXPECT_TRUE(holds(to, [&](std::size_t r) {
            if (r == 0)
                return std::uint64_t(1'000'000);
            const std::uint32_t s = rows[r - 1];
            return s % 5 ? s % distinct + 1 : Empty;
        }));
    }
}

} // namespace
} // namespace vernalt::test
