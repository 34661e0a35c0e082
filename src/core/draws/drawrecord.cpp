// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/draws/drawrecord.h"

#include <bit>
#include <cstring>

namespace vendrilo {

namespace {

void putDouble(std::uint8_t* out, double value)
{
    const auto bits = std::bit_cast<std::uint64_t>(value);
    for (int i = 0; i < 8; ++i)
        out[i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

double getDouble(const std::uint8_t* in)
{
    std::uint64_t bits = 0;
    for (int i = 0; i < 8; ++i)
        bits |= static_cast<std::uint64_t>(in[i]) << (8 * i);
    return std::bit_cast<double>(bits);
}

} // namespace

DrawRecord::Bytes DrawRecord::toBytes() const
{
    Bytes b{};
    putDouble(b.data(), date);
    std::memcpy(b.data() + 8, numbers.data(), 6);
    b[14] = bonus;
    b[15] = superzahl;
    std::memcpy(b.data() + 16, spiel77.data(), 7);
    std::memcpy(b.data() + 23, super6.data(), 6);
    std::memcpy(b.data() + 29, spare.data(), 3);
    return b;
}

DrawRecord DrawRecord::fromBytes(const std::uint8_t* b)
{
    DrawRecord r;
    r.date = getDouble(b);
    std::memcpy(r.numbers.data(), b + 8, 6);
    r.bonus = b[14];
    r.superzahl = b[15];
    std::memcpy(r.spiel77.data(), b + 16, 7);
    std::memcpy(r.super6.data(), b + 23, 6);
    std::memcpy(r.spare.data(), b + 29, 3);
    return r;
}

LegacyDrawRecord LegacyDrawRecord::fromBytes(const std::uint8_t* b)
{
    LegacyDrawRecord r;
    r.date = getDouble(b);
    std::memcpy(r.numberBytes.data(), b + 8, 8);
    return r;
}

DrawRecord LegacyDrawRecord::toDrawRecord() const
{
    DrawRecord r;
    r.date = date;
    std::memcpy(r.numbers.data(), numberBytes.data(), 6);
    r.bonus = numberBytes[6];
    r.superzahl = numberBytes[7];
    return r;
}

} // namespace vendrilo
