#include "Elo.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace {

constexpr double kZ = 1.959964; // 95%

double eloOf(double score) {
    if (score >= 1) return std::numeric_limits<double>::infinity();
    if (score <= 0) return -std::numeric_limits<double>::infinity();
    return -400.0 * std::log10(1.0 / score - 1.0);
}

std::string signedElo(double elo) {
    if (std::isinf(elo)) return elo > 0 ? "+inf" : "-inf";
    char text[32];
    std::snprintf(text, sizeof text, "%+.0f", elo);
    return text;
}

} // namespace

EloEstimate estimateElo(int wins, int losses, int draws) {
    double n = wins + losses + draws;
    if (n == 0)
        return {0.5, 0, -std::numeric_limits<double>::infinity(),
                std::numeric_limits<double>::infinity()};
    double s = (wins + 0.5 * draws) / n;
    double z2 = kZ * kZ;
    double centre = (s + z2 / (2 * n)) / (1 + z2 / n);
    double half = kZ * std::sqrt(s * (1 - s) / n + z2 / (4 * n * n)) / (1 + z2 / n);
    return {s, eloOf(s), eloOf(centre - half), eloOf(centre + half)};
}

std::string describe(int wins, int losses, int draws) {
    EloEstimate e = estimateElo(wins, losses, draws);
    char text[160];
    std::snprintf(text, sizeof text, "W-L-D %d-%d-%d, score %.1f%%, Elo %s [%s, %s]", wins, losses,
                  draws, 100 * e.score, signedElo(e.elo).c_str(), signedElo(e.low).c_str(),
                  signedElo(e.high).c_str());
    return text;
}
