#include "scoremodel.h"

#include <algorithm>
#include <limits>
#include <numeric>

namespace zandiro::hardening {
namespace {

using Dice = std::array<std::int32_t, 6>;

// How many dice show each face 1 to 6; blank dice count for none.
std::array<int, 7> counts(const Dice& dice) {
    std::array<int, 7> n{};
    for (int d = 1; d <= 5; ++d) {
        if (dice[d] >= 1 && dice[d] <= 6) {
            ++n[dice[d]];
        }
    }
    return n;
}

bool runOf(const std::array<int, 7>& n, int first, int length) {
    for (int f = first; f < first + length; ++f) {
        if (n[f] == 0) {
            return false;
        }
    }
    return true;
}

std::int64_t zandiroAfter(std::int32_t before) {
    constexpr std::int32_t ceiling = std::numeric_limits<std::int32_t>::max() - 100;
    return before == 0 ? 50 : (before < ceiling ? before + 100 : before);
}

} // namespace

ScoreOutcome scoreFor(std::string_view name, int index, const Dice& dice,
                      std::int32_t zandiroBefore) {
    const std::array<int, 7> n = counts(dice);
    const std::int64_t sum = std::accumulate(dice.begin() + 1, dice.end(), std::int64_t{0});
    const int most = *std::max_element(n.begin() + 1, n.end());
    const bool three = std::count(n.begin() + 1, n.end(), 3) == 1;
    const bool pair = std::count(n.begin() + 1, n.end(), 2) == 1;
    if (name == "numbers") {
        return {std::int64_t{index} * n[index]};
    }
    if (name == "thrkind" || name == "frkind") {
        return {most >= (name == "thrkind" ? 3 : 4) ? sum : 0};
    }
    if (name == "fullh") {
        return {three && pair ? 25 : 0};
    }
    if (name == "sstr") {
        return {runOf(n, 1, 4) || runOf(n, 2, 4) || runOf(n, 3, 4) ? 30 : 0};
    }
    if (name == "lstr") {
        return {runOf(n, 1, 5) || runOf(n, 2, 5) ? 40 : 0};
    }
    if (name == "fvkind") {
        return most == 5 ? ScoreOutcome{zandiroAfter(zandiroBefore), false}
                         : ScoreOutcome{zandiroBefore, true};
    }
    return {sum};
}

std::int64_t scoreOf(const Zandiro& z, std::string_view name, int index) {
    if (name == "numbers") {
        return z.upper[index];
    }
    const std::pair<std::string_view, std::int32_t> scores[] = {
        {"thrkind", z.thrkindscore}, {"frkind", z.frkindscore}, {"fullh", z.fullhscore},
        {"sstr", z.sstrscore},       {"lstr", z.lstrscore},     {"fvkind", z.fvkindscore},
        {"chance", z.chancescore},
    };
    for (const auto& [label, score] : scores) {
        if (label == name) {
            return score;
        }
    }
    return -1;
}

} // namespace zandiro::hardening
