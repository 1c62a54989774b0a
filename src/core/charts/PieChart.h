#pragma once
// The score distribution pie chart: how a player's hole scores fall against
// par, as slices with a legend of percentages, and its printed page.

#include "services/Canvas.h"
#include "services/Clock.h"
#include "services/ReportPrinter.h"
#include "store/Store.h"

#include <array>
#include <string>

namespace tallyrock {

// The drawing surface, twips.
inline constexpr double PieWidth = 6315;
inline constexpr double PieHeight = 3555;

inline constexpr int PieCategories = 6;
// In slice order.
inline const std::array<std::string, PieCategories + 1> PieCategoryName{
    "", "Eagles", "Birdies", "Pars", "Bogies", "Double Bogies", "Other"};

struct ScoreCounts {
    std::array<int, PieCategories + 1> counter{}; // 1..6 in the order of the names
    int16_t scoresCounted = 0;
    float parSum = 0, scoreSum = 0;
};
// Every entered hole score (1..18) of the player's stored rounds against the par of its course.
ScoreCounts countScores(const Store& store, int p);

// The non-empty categories, 1-based in slice order.
struct PieSlices {
    int count = 0;
    std::array<std::string, PieCategories + 1> names;
    std::array<float, PieCategories + 1> values{};
};
PieSlices pieSlices(const ScoreCounts& counts);

inline constexpr float FullTurn = 6.283186f;
// Brings an angle into the turn, strictly above zero; changes `a` and returns it.
float NormalizeAngle(float& a);

// Slice i (1-based) in palette colour i + 8, the first centred on 12 o'clock;
// then the legend.
void DrawPie(Canvas& canvas, const PieSlices& slices);
// "Pars 41.7": the category and its share in percent, "##0.0".
std::string pieLegendText(const std::string& name, float share);
// Legend texts 1..count, each after a box of its slice's colour, centred vertically.
void DrawPieLegend(Canvas& canvas, int count, const std::array<std::string, PieCategories + 1>& legend);

struct PieCaptions {
    std::string name;
    std::string averagePar;    // "avg. par per hole = 4.1", or the panel's own text when nothing was counted
    std::string averageScore;  // "avg. score per hole = 5.2", likewise
    std::string scoresCounted; // "# of scores recorded = 36"
};
PieCaptions pieCaptions(const PlayerRecord& player, const ScoreCounts& counts);

// The printed page: the picture, the captions and the date.
void printPieChart(ReportPrinter& printer, const Canvas& picture, const PieCaptions& captions,
                   const std::string& fontName, const Date& today);

} // namespace tallyrock
