#pragma once
// The arithmetic of the World Handicap System (2024), each rule a small
// function. Indexes and differentials are whole numbers of tenths, course
// ratings whole numbers of hundredths, so every rounding is an explicit half-up
// step on exact integers: 10.15 never becomes 10.1 through binary floating point.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tallyrock::whs {

inline constexpr int MaxIndexTenths = 540; // 54.0, the highest index
inline constexpr int HolesForIndex = 54;   // holes posted before there is an index
inline constexpr int MostDifferentials = 20;
inline constexpr int DefaultAllowance = 100; // percent
inline constexpr int DefaultNineFactor = 52; // hundredths: 0.52 x index ...
inline constexpr int DefaultNineBase = 12;   // tenths: ... + 1.2

// num / den rounded to the nearest whole number, a half upward (toward the
// higher value: -1.5 gives -1); den > 0.
long long divHalfUp(long long num, long long den);

// An exact fraction with its half-up rounding.
struct Fraction {
    long long num = 0;
    long long den = 1;
    long long rounded() const { return divHalfUp(num, den); }
    double value() const { return static_cast<double>(num) / static_cast<double>(den); }
};

// Text of tenths: 193 -> "19.3", -15 -> "-1.5", 0 -> "0.0".
std::string tenthsText(long long tenths);
// A course rating or other value in hundredths as text, shortest: 7110 -> "71.1".
std::string hundredthsText(long long hundredths);
// Tenths of a decimal value given in tenths or coarser (a stored Single).
int toTenths(double value);
// Hundredths of a decimal value given in hundredths or coarser.
int toHundredths(double value);

// Course handicap: index x slope / 113 + (rating - par), as a fraction of
// whole strokes; rounded, it is the course handicap of everything but the
// playing handicap.
Fraction courseHandicap(int indexTenths, int slope, int ratingHundredths, int par);
// Half an index, rounded to a tenth (8.7 gives 4.4).
int halfIndexTenths(int indexTenths);
// Nine holes: half the index rounded to a tenth, then the nine's slope, rating and par.
Fraction nineHoleCourseHandicap(int indexTenths, int nineSlope, int nineRatingHundredths, int ninePar);
// Playing handicap: the unrounded course handicap times the allowance, rounded once.
long long playingHandicap(const Fraction& courseHcp, int allowancePercent);

// Stroke indexes of holes 1..18 (index 0 unused); 0 where none is given.
using StrokeIndexes = std::array<int, 19>;
// Per hole 1..18 (index 0 unused).
using HoleValues = std::array<int, 19>;

// A permutation of 1..18.
bool validStrokeIndexes(const StrokeIndexes& si);

// Strokes received on each hole: one on the holes of stroke index 1..CH, a
// second on 1..CH-18 and so on; a plus handicap gives strokes back from stroke
// index 18 downward.
HoleValues strokesReceived(int courseHcp, const StrokeIndexes& si);
// A nine-hole round: the nine's holes ranked by their stroke index take the
// strokes of the nine-hole course handicap; the other nine's holes get none.
HoleValues nineHoleStrokes(int courseHcp, const StrokeIndexes& si, bool frontNine);

// Net double bogey: par + 2 + strokes received; par + 5 without an index yet.
int holeMaximum(int par, int strokes, bool hasIndex);

// Score differential in tenths of a stroke, unrounded:
// 113 / slope x (adjusted gross - rating - PCC).
Fraction scoreDifferential(int adjustedGross, int ratingHundredths, int slope, int pcc);
// Expected nine-hole differential, in tenths: factor x index + base, with the
// factor in hundredths and the base in tenths (0.52 x index + 1.2 by default).
Fraction expectedNineDifferential(int indexTenths, int factorHundredths, int baseTenths);
// A nine-hole round's 18-hole differential in tenths, unrounded:
// 113 / nine slope x (nine adjusted gross - nine rating - PCC / 2) + the expected nine.
Fraction nineHoleDifferential(int adjustedGross, int nineRatingHundredths, int nineSlope, int pcc,
                              const Fraction& expectedNine);

// The exceptional score reduction a differential triggers, in tenths: -10 at
// 7.0 to 9.9 below the index before the round, -20 at 10.0 or more, else 0.
int exceptionalScoreReduction(int differentialTenths, int indexBeforeTenths);

// The index from the most recent differentials (3..20 of them): how many of
// the lowest are averaged and what is added.
struct IndexTableRow {
    int used = 0;
    int adjustmentTenths = 0;
};
std::optional<IndexTableRow> indexTable(int differentials);

struct IndexFromDifferentials {
    int count = 0;           // differentials considered
    IndexTableRow row;       // lowest used and adjustment
    std::vector<int> lowest; // the lowest `row.used`, ascending
    Fraction average;        // of the lowest, in tenths
    int averageTenths = 0;   // rounded
    int indexTenths = 0;     // rounded average + adjustment
};
// Nothing for fewer than 3 differentials.
std::optional<IndexFromDifferentials> indexFromDifferentials(std::vector<int> differentials);

// Soft cap: a rise of more than 3.0 above the low index is halved beyond 3.0;
// hard cap: at most 5.0 above it. No limit downward.
struct CappedIndex {
    int indexTenths = 0;
    bool softCap = false;
    bool hardCap = false;
};
CappedIndex applyCaps(int indexTenths, int lowIndexTenths);

// Days since 1 January 1970 of a calendar date.
long long dayNumber(int year, int month, int day);

} // namespace tallyrock::whs
