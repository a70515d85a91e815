// The cells of one grid column, held compactly: each cell is an 8-byte value
// (see GridModel), and a column whose cells take few distinct values keeps those
// values once, in a small table, and for each row only a 1- or 2-byte code into
// it. The width of the codes is chosen as the column fills: a column of empty
// cells holds nothing, one of up to 256 distinct values (the empty cell one of
// them) 1 byte a row, up to 65,536 values 2 bytes, and past that the values
// themselves (8 bytes a row).
// A data sheet of a million records mostly needs one or two bytes a cell.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace vernalt {

class CellColumn {
  public:
    // `empty` is the value of a cell never set; new rows hold it.
    explicit CellColumn(std::uint64_t empty = 0) : empty_(empty) {}

    std::size_t rows() const { return rows_; }
    // Bytes a row (0 while every cell is empty, then 1, 2 or 8).
    int width() const { return width_; }

    std::uint64_t get(std::size_t row) const {
        switch (width_) {
        case 0:
            return empty_;
        case 1:
            return values_[codes_[row]];
        case 2: {
            std::uint16_t c;
            std::memcpy(&c, codes_.data() + 2 * row, 2);
            return values_[c];
        }
        default: {
            std::uint64_t v;
            std::memcpy(&v, codes_.data() + 8 * row, 8);
            return v;
        }
        }
    }
    void set(std::size_t row, std::uint64_t value);

    // Growing adds empty cells; shrinking drops the last rows.
    void resize(std::size_t rows);
    // Every cell empty again; the memory is given back.
    void clear();

    // Rows to, to + 1, ... of this column take the values of rows from[0],
    // from[1], ... of `source`, each passed through translate(value) (a text
    // of another grid gets its place in this one). Cheaper than get() and set()
    // cell by cell: each distinct value of the source is translated and looked
    // up here once.
    template <class Translate>
    void copyRows(const CellColumn& source, const std::uint32_t* from, std::size_t count,
                  std::size_t to, Translate&& translate) {
        if (source.width_ == 8 || source.width_ == 0) {
            for (std::size_t i = 0; i < count; ++i)
                set(to + i, translate(source.get(from[i])));
            return;
        }
        std::vector<std::uint32_t> map(source.values_.size(), kUnknown);
        std::uint32_t generation = generation_;
        for (std::size_t i = 0; i < count; ++i) {
            const std::uint32_t s = source.codeAt(from[i]);
            if (generation != generation_) { // this column's codes changed: map again
                std::fill(map.begin(), map.end(), kUnknown);
                generation = generation_;
            }
            std::uint32_t c = map[s];
            if (c == kUnknown) {
                const std::uint64_t value = translate(source.values_[s]);
                if (width_ == 0 && value == empty_)
                    continue;
                set(to + i, value); // codes the value, widening the column if need be
                if (width_ == 8 || generation != generation_)
                    continue;
                map[s] = codeAt(to + i);
                continue;
            }
            if (!overwritten_ && codeAt(to + i) != 0)
                overwritten_ = true;
            putCode(to + i, c);
        }
    }

    // Rows first + i take the values rows first + from[i] held, for i below
    // `count`; `from` names each of those rows once.
    void reorder(std::size_t first, const std::uint32_t* from, std::size_t count);

    // Calls f(value) for every value a cell may hold: the table's values, or
    // every cell's when the column holds the values themselves. A value that no
    // cell holds any more may be among them.
    template <class F> void forEachValue(F&& f) const {
        if (width_ == 8) {
            for (std::size_t r = 0; r < rows_; ++r)
                f(get(r));
        } else {
            for (std::uint64_t v : values_)
                f(v);
        }
    }

  private:
    static constexpr std::uint32_t kUnknown = 0xFFFFFFFFu;
    std::uint32_t code(std::uint64_t value); // the code of a value, added when new
    void putCode(std::size_t row, std::uint32_t code);
    std::uint32_t codeAt(std::size_t row) const;
    void rehash(std::size_t slots);
    void compact();        // drops the values no cell holds
    void widen(int width); // 1 -> 2 or 2 -> 8
    std::size_t slotOf(std::uint64_t value) const;

    std::uint64_t empty_;
    std::size_t rows_ = 0;
    int width_ = 0;
    std::vector<std::uint8_t> codes_;   // rows_ * width_ bytes
    std::vector<std::uint64_t> values_; // by code; values_[0] is the empty value
    std::vector<std::uint32_t> slots_;  // open addressing: code + 1, 0 for a free slot
    std::uint64_t lastValue_ = 0;       // the value last coded and its code
    std::uint32_t lastCode_ = 0;
    std::uint32_t generation_ = 0; // changes whenever the codes of the values change
    bool overwritten_ = false;     // a cell that held a value got another one
};

} // namespace vernalt
