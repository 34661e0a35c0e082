// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheeloracle.h"

namespace vendrilo::test {

int oracleRowsMeeting(const std::vector<std::array<int, 6>>& rows, const std::vector<int>& draw,
                      int hits)
{
    int meeting = 0;
    for (const auto& row : rows) {
        int common = 0;
        for (const int a : row)
            for (const int b : draw)
                common += a == b;
        meeting += common >= hits;
    }
    return meeting;
}

OracleVerdict oracleCheck(const std::vector<int>& numbers,
                          const std::vector<std::array<int, 6>>& rows, int hits, int of)
{
    OracleVerdict verdict;
    const int n = static_cast<int>(numbers.size());
    std::vector<int> index(static_cast<std::size_t>(of));
    for (int i = 0; i < of; ++i)
        index[static_cast<std::size_t>(i)] = i;
    while (true) {
        std::vector<int> draw;
        for (const int i : index)
            draw.push_back(numbers[static_cast<std::size_t>(i)]);
        ++verdict.draws;
        if (oracleRowsMeeting(rows, draw, hits) == 0) {
            if (verdict.uncovered++ == 0)
                verdict.firstUncovered = draw;
        }
        // The next choice in lexicographic order of indexes.
        int i = of - 1;
        while (i >= 0 && index[static_cast<std::size_t>(i)] == n - of + i)
            --i;
        if (i < 0)
            break;
        ++index[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < of; ++j)
            index[static_cast<std::size_t>(j)] = index[static_cast<std::size_t>(j - 1)] + 1;
    }
    return verdict;
}

} // namespace vendrilo::test
