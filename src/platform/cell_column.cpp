#include "platform/cell_column.h"

namespace vernalt {

namespace {

constexpr std::size_t kMinSlots = 512;

// The number of values a code of `width` bytes can tell apart.
std::size_t capacity(int width) {
    return width == 1 ? 256 : 65536;
}

} // namespace

std::size_t CellColumn::slotOf(std::uint64_t value) const {
    // Fibonacci hashing: the top bits of the product, as many as the table needs.
    const std::uint64_t h = value * 0x9E3779B97F4A7C15ull;
    return std::size_t(h >> 40) & (slots_.size() - 1);
}

void CellColumn::rehash(std::size_t slots) {
    slots_.assign(slots, 0);
    const std::size_t mask = slots - 1;
    for (std::size_t c = 0; c < values_.size(); ++c) {
        std::size_t i = slotOf(values_[c]);
        while (slots_[i] != 0)
            i = (i + 1) & mask;
        slots_[i] = std::uint32_t(c + 1);
    }
}

std::uint32_t CellColumn::codeAt(std::size_t row) const {
    if (width_ == 1)
        return codes_[row];
    std::uint16_t c;
    std::memcpy(&c, codes_.data() + 2 * row, 2);
    return c;
}

void CellColumn::putCode(std::size_t row, std::uint32_t code) {
    if (width_ == 1) {
        codes_[row] = std::uint8_t(code);
    } else {
        const auto c = std::uint16_t(code);
        std::memcpy(codes_.data() + 2 * row, &c, 2);
    }
}

std::uint32_t CellColumn::code(std::uint64_t value) {
    const std::size_t mask = slots_.size() - 1;
    std::size_t i = slotOf(value);
    while (slots_[i] != 0) {
        const std::uint32_t c = slots_[i] - 1;
        if (values_[c] == value)
            return c;
        i = (i + 1) & mask;
    }
    if (values_.size() == capacity(width_)) {
        // Full: first drop the values no cell holds any more (there can be
        // some only once a cell was overwritten); when most are still held,
        // the codes get wider.
        if (overwritten_)
            compact();
        if (values_.size() > capacity(width_) / 2)
            widen(width_ == 1 ? 2 : 8);
        return width_ == 8 ? 0 : code(value);
    }
    const auto c = std::uint32_t(values_.size());
    values_.push_back(value);
    slots_[i] = c + 1;
    if (2 * values_.size() > slots_.size())
        rehash(2 * slots_.size());
    return c;
}

void CellColumn::set(std::size_t row, std::uint64_t value) {
    if (width_ == 8) {
        std::memcpy(codes_.data() + 8 * row, &value, 8);
        return;
    }
    if (width_ == 0) {
        if (value == empty_)
            return;
        width_ = 1;
        codes_.assign(rows_, 0);
        values_.assign(1, empty_);
        rehash(kMinSlots);
        lastValue_ = empty_;
        lastCode_ = 0;
        ++generation_;
    }
    if (value != lastValue_) {
        const std::uint32_t c = code(value);
        if (width_ == 8) { // the column just took to holding the values themselves
            std::memcpy(codes_.data() + 8 * row, &value, 8);
            return;
        }
        lastValue_ = value;
        lastCode_ = c;
    }
    if (!overwritten_ && codeAt(row) != 0)
        overwritten_ = true;
    putCode(row, lastCode_);
}

void CellColumn::compact() {
    std::vector<std::uint8_t> held(values_.size(), 0);
    held[0] = 1; // the empty value keeps code 0
    for (std::size_t r = 0; r < rows_; ++r)
        held[codeAt(r)] = 1;
    std::vector<std::uint32_t> remap(values_.size(), 0);
    std::vector<std::uint64_t> kept;
    kept.reserve(values_.size());
    for (std::size_t c = 0; c < values_.size(); ++c)
        if (held[c]) {
            remap[c] = std::uint32_t(kept.size());
            kept.push_back(values_[c]);
        }
    for (std::size_t r = 0; r < rows_; ++r)
        putCode(r, remap[codeAt(r)]);
    values_.swap(kept);
    std::size_t slots = kMinSlots;
    while (slots < 2 * values_.size())
        slots *= 2;
    rehash(slots);
    lastValue_ = empty_;
    lastCode_ = 0;
    overwritten_ = false;
    ++generation_;
}

void CellColumn::widen(int width) {
    std::vector<std::uint8_t> wider(rows_ * std::size_t(width));
    for (std::size_t r = 0; r < rows_; ++r) {
        const std::uint32_t c = codeAt(r);
        if (width == 2) {
            const auto c16 = std::uint16_t(c);
            std::memcpy(wider.data() + 2 * r, &c16, 2);
        } else {
            std::memcpy(wider.data() + 8 * r, &values_[c], 8);
        }
    }
    codes_.swap(wider);
    width_ = width;
    if (width == 8) {
        std::vector<std::uint64_t>().swap(values_);
        std::vector<std::uint32_t>().swap(slots_);
    }
    lastValue_ = empty_;
    lastCode_ = 0;
    ++generation_;
}

void CellColumn::reorder(std::size_t first, const std::uint32_t* from, std::size_t count) {
    if (width_ == 0 || count == 0)
        return;
    const auto w = std::size_t(width_);
    std::uint8_t* slice = codes_.data() + first * w;
    const std::vector<std::uint8_t> was(slice, slice + count * w);
    for (std::size_t i = 0; i < count; ++i)
        std::memcpy(slice + i * w, was.data() + std::size_t(from[i]) * w, w);
}

void CellColumn::resize(std::size_t rows) {
    if (rows < rows_)
        overwritten_ = true; // the dropped cells' values may be held no more
    if (width_ == 8) {
        codes_.resize(rows * 8);
        for (std::size_t r = rows_; r < rows; ++r)
            std::memcpy(codes_.data() + 8 * r, &empty_, 8);
    } else if (width_ != 0) {
        codes_.resize(rows * std::size_t(width_), 0);
    }
    if (codes_.capacity() > 2 * codes_.size() + 1024)
        codes_.shrink_to_fit();
    rows_ = rows;
}

void CellColumn::clear() {
    std::vector<std::uint8_t>().swap(codes_);
    std::vector<std::uint64_t>().swap(values_);
    std::vector<std::uint32_t>().swap(slots_);
    width_ = 0;
    lastValue_ = empty_;
    lastCode_ = 0;
    overwritten_ = false;
    ++generation_;
}

} // namespace vernalt
