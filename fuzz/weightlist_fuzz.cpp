// SPDX-License-Identifier: GPL-3.0-or-later
// Weighting lists (".qkw"): 49 lines, each empty or a weight 0..1000000. A refused file leaves
// the list as it was; a taken one is written back as the same list.
#include "core/generator/weightlist.h"
#include "fuzzsupport.h"

using namespace vendrilo;

namespace {

bool sameList(const WeightList& a, const WeightList& b)
{
    for (int k = 1; k <= WeightList::kNumbers; ++k)
        if (a.ticked(k) != b.ticked(k) || a.weight(k) != b.weight(k))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path =
        fuzz::writeScratchFile(QStringLiteral("list.qkw"), fuzz::bytesOf(data, size));
    WeightList list;
    list.set(7, false, 3);
    const WeightList before = list;
    if (!loadWeightList(list, path)) {
        fuzz::require(sameList(list, before), "a refused file leaves the list as it was");
        return 0;
    }
    for (int k = 1; k <= WeightList::kNumbers; ++k) {
        const auto w = list.weight(k);
        fuzz::require(w && *w >= 0 && *w <= WeightList::kMaxWeight, "a weight lies in range");
    }
    const NumberPool pool = list.pool();
    for (int k = 1; k <= WeightList::kNumbers; ++k)
        fuzz::require((pool.count(k) > 0) == list.ticked(k), "the pool holds the ticked numbers");

    WeightList copy = list;
    WeightList back;
    fuzz::require(back.takeFileLines(copy.fileLines()).ok(), "a written list is taken again");
    fuzz::require(sameList(back, list), "a written list reads back the same");
    return 0;
}
