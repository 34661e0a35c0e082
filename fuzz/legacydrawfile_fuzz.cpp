// SPDX-License-Identifier: GPL-3.0-or-later
// The older "Zahlen.dat" of 16-byte records, converted once into the draw file: every whole
// record keeps its date and eight number bytes.
#include "core/draws/drawfile.h"
#include "fuzzsupport.h"

#include <QFile>

#include <algorithm>
#include <cstring>

using namespace vendrilo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString home = fuzz::scratchDir().path();
    QFile::remove(drawfile::pathIn(home, drawfile::kFileName));
    fuzz::writeScratchFile(drawfile::kLegacyFileName, fuzz::bytesOf(data, size));
    const auto prepared = drawfile::convertLegacy(home);
    fuzz::require(prepared.ok(), "a small legacy file is converted");
    fuzz::require(prepared->what == drawfile::Preparation::ConvertedLegacy, "it is converted");
    const std::size_t whole = size / LegacyDrawRecord::kSize;
    fuzz::require(prepared->records == static_cast<int>(whole), "every whole record is taken");

    const auto records = drawfile::read(drawfile::pathIn(home, drawfile::kFileName));
    fuzz::require(records.ok() && records->size() == whole, "the new draw file holds them");
    for (std::size_t i = 0; i < whole; ++i) {
        const auto bytes = (*records)[i].toBytes();
        const std::uint8_t* legacy = data + i * LegacyDrawRecord::kSize;
        fuzz::require(std::memcmp(bytes.data(), legacy, LegacyDrawRecord::kSize) == 0,
                      "date and number bytes are kept");
        fuzz::require(std::all_of(bytes.begin() + 16, bytes.end(), [](auto b) { return b == 0; }),
                      "the rest of a converted record is zero");
    }
    return 0;
}
