#include "WhsRules.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace tallyrock::whs {

namespace {

long long floorDiv(long long num, long long den) {
    long long q = num / den;
    if ((num % den != 0) && ((num < 0) != (den < 0))) --q;
    return q;
}

// Strokes for a handicap spread over `holes` holes ranked 1..holes (1 the hardest).
int strokesByRank(int courseHcp, int rank, int holes) {
    if (courseHcp >= 0) return courseHcp / holes + (rank <= courseHcp % holes ? 1 : 0);
    int back = -courseHcp;
    return -(back / holes + (rank > holes - back % holes ? 1 : 0));
}

} // namespace

long long divHalfUp(long long num, long long den) {
    return floorDiv(2 * num + den, 2 * den);
}

std::string tenthsText(long long tenths) {
    long long whole = std::llabs(tenths) / 10, tenth = std::llabs(tenths) % 10;
    return (tenths < 0 ? "-" : "") + std::to_string(whole) + "." + std::to_string(tenth);
}

std::string hundredthsText(long long hundredths) {
    if (hundredths % 10 == 0) return tenthsText(hundredths / 10);
    long long whole = std::llabs(hundredths) / 100, part = std::llabs(hundredths) % 100;
    return (hundredths < 0 ? "-" : "") + std::to_string(whole) + "." + (part < 10 ? "0" : "") +
           std::to_string(part);
}

int toTenths(double value) {
    return static_cast<int>(std::llround(value * 10.0));
}

int toHundredths(double value) {
    return static_cast<int>(std::llround(value * 100.0));
}

Fraction courseHandicap(int indexTenths, int slope, int ratingHundredths, int par) {
    // index / 10 x slope / 113 + (rating / 100 - par), over 11300.
    return {10LL * indexTenths * slope + 113LL * (ratingHundredths - 100LL * par), 11300};
}

int halfIndexTenths(int indexTenths) {
    return static_cast<int>(divHalfUp(indexTenths, 2));
}

Fraction nineHoleCourseHandicap(int indexTenths, int nineSlope, int nineRatingHundredths, int ninePar) {
    return courseHandicap(halfIndexTenths(indexTenths), nineSlope, nineRatingHundredths, ninePar);
}

long long playingHandicap(const Fraction& courseHcp, int allowancePercent) {
    return divHalfUp(courseHcp.num * allowancePercent, courseHcp.den * 100);
}

bool validStrokeIndexes(const StrokeIndexes& si) {
    std::array<bool, 19> seen{};
    for (int h = 1; h <= 18; ++h) {
        int v = si[h];
        if (v < 1 || v > 18 || seen[v]) return false;
        seen[v] = true;
    }
    return true;
}

HoleValues strokesReceived(int courseHcp, const StrokeIndexes& si) {
    HoleValues strokes{};
    for (std::size_t h = 1; h <= 18; ++h)
        strokes[h] = strokesByRank(courseHcp, si[h], 18);
    return strokes;
}

HoleValues nineHoleStrokes(int courseHcp, const StrokeIndexes& si, bool frontNine) {
    std::array<std::size_t, 9> holes{};
    std::iota(holes.begin(), holes.end(), frontNine ? 1u : 10u);
    std::stable_sort(holes.begin(), holes.end(),
                     [&si](std::size_t a, std::size_t b) { return si[a] < si[b]; });
    HoleValues strokes{};
    for (int rank = 1; rank <= 9; ++rank)
        strokes[holes[rank - 1]] = strokesByRank(courseHcp, rank, 9);
    return strokes;
}

int holeMaximum(int par, int strokes, bool hasIndex) {
    return hasIndex ? par + 2 + strokes : par + 5;
}

Fraction scoreDifferential(int adjustedGross, int ratingHundredths, int slope, int pcc) {
    // 113 / slope x (gross - rating / 100 - pcc), in tenths.
    return {113LL * (100LL * adjustedGross - ratingHundredths - 100LL * pcc), 10LL * slope};
}

Fraction expectedNineDifferential(int indexTenths, int factorHundredths, int baseTenths) {
    return {static_cast<long long>(factorHundredths) * indexTenths + 100LL * baseTenths, 100};
}

Fraction nineHoleDifferential(int adjustedGross, int nineRatingHundredths, int nineSlope, int pcc,
                              const Fraction& expectedNine) {
    // Half the PCC: 50 hundredths a stroke.
    Fraction nine{113LL * (100LL * adjustedGross - nineRatingHundredths - 50LL * pcc), 10LL * nineSlope};
    return {nine.num * expectedNine.den + expectedNine.num * nine.den, nine.den * expectedNine.den};
}

int exceptionalScoreReduction(int differentialTenths, int indexBeforeTenths) {
    int below = indexBeforeTenths - differentialTenths;
    if (below >= 100) return -20;
    if (below >= 70) return -10;
    return 0;
}

std::optional<IndexTableRow> indexTable(int differentials) {
    static constexpr std::array<IndexTableRow, 21> table{
        {{0, 0}, {0, 0}, {0, 0}, {1, -20}, {1, -10}, {1, 0}, {2, -10}, {2, 0}, {2, 0}, {3, 0}, {3, 0},
         {3, 0}, {4, 0}, {4, 0}, {4, 0},   {5, 0},   {5, 0}, {6, 0},   {6, 0}, {7, 0}, {8, 0}}};
    if (differentials < 3 || differentials > MostDifferentials) return std::nullopt;
    return table[differentials];
}

std::optional<IndexFromDifferentials> indexFromDifferentials(std::vector<int> differentials) {
    if (differentials.size() > static_cast<std::size_t>(MostDifferentials))
        differentials.erase(differentials.begin(),
                            differentials.end() - static_cast<std::ptrdiff_t>(MostDifferentials));
    auto row = indexTable(static_cast<int>(differentials.size()));
    if (!row) return std::nullopt;
    IndexFromDifferentials r;
    r.count = static_cast<int>(differentials.size());
    r.row = *row;
    std::sort(differentials.begin(), differentials.end());
    r.lowest.assign(differentials.begin(), differentials.begin() + row->used);
    r.average = {std::accumulate(r.lowest.begin(), r.lowest.end(), 0LL), row->used};
    r.averageTenths = static_cast<int>(r.average.rounded());
    r.indexTenths = r.averageTenths + row->adjustmentTenths;
    return r;
}

CappedIndex applyCaps(int indexTenths, int lowIndexTenths) {
    CappedIndex c{indexTenths, false, false};
    int rise = indexTenths - lowIndexTenths;
    if (rise > 30) {
        c.softCap = true;
        c.indexTenths = lowIndexTenths + 30 + static_cast<int>(divHalfUp(rise - 30, 2));
    }
    if (c.indexTenths - lowIndexTenths > 50) {
        c.hardCap = true;
        c.indexTenths = lowIndexTenths + 50;
    }
    return c;
}

long long dayNumber(int year, int month, int day) {
    // Days from civil (proleptic Gregorian).
    year -= month <= 2 ? 1 : 0;
    long long era = (year >= 0 ? year : year - 399) / 400;
    long long yoe = year - era * 400;
    long long doy = (153LL * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

} // namespace tallyrock::whs
