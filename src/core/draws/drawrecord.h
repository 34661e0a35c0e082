// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace vendrilo {

// One past draw as stored in the draw file: 32 bytes, little-endian, no padding.
//   0  date      double, days since 30.12.1899
//   8  numbers   six drawn numbers 1..49, in the order the writer chose
//  14  bonus     bonus number 1..49, 0 when unknown
//  15  superzahl 0..9
//  16  spiel77   seven digits
//  23  super6    six digits
//  29  spare     three bytes, zero
struct DrawRecord {
    static constexpr std::size_t kSize = 32;
    using Bytes = std::array<std::uint8_t, kSize>;

    double date = 0;
    std::array<std::uint8_t, 6> numbers{};
    std::uint8_t bonus = 0;
    std::uint8_t superzahl = 0;
    std::array<std::uint8_t, 7> spiel77{};
    std::array<std::uint8_t, 6> super6{};
    std::array<std::uint8_t, 3> spare{};

    // The eight number bytes (offsets 8..15): numbers, bonus, Superzahl.
    std::uint8_t numberByte(int i) const
    {
        return i < 6 ? numbers[i] : (i == 6 ? bonus : superzahl);
    }

    Bytes toBytes() const;
    static DrawRecord fromBytes(const std::uint8_t* bytes);

    bool operator==(const DrawRecord&) const = default;
};

// The older 16-byte record of "Zahlen.dat": the date and the eight number bytes.
struct LegacyDrawRecord {
    static constexpr std::size_t kSize = 16;

    double date = 0;
    std::array<std::uint8_t, 8> numberBytes{};

    static LegacyDrawRecord fromBytes(const std::uint8_t* bytes);
    DrawRecord toDrawRecord() const;
};

} // namespace vendrilo
