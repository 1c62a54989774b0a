#pragma once
// The handicap trend graph: a player's differentials and indexes over a fixed
// grid, drawn on a canvas, and its printed page.

#include "services/Canvas.h"
#include "services/Clock.h"
#include "services/ReportPrinter.h"
#include "store/Message.h"
#include "store/Store.h"

#include <string>

namespace tallyrock {

// The drawing surface, twips.
inline constexpr double TrendWidth = 9255;
inline constexpr double TrendHeight = 4365;
inline constexpr double TrendScale = 70; // twips per handicap stroke

// The fixed mapping of round position i (1..20) and value v.
double trendX(int i);
double trendY(float v, double scale = TrendScale);

// The grid, its labels, then both series (DrawTrendLines).
void DrawTrendAxes(Canvas& canvas, const PlayerRecord& player);
// The differentials in light red, then the indexes in black on top.
void DrawTrendLines(Canvas& canvas, const PlayerRecord& player, double scale);
// Everything the window draws when it opens: the axes and series, the
// round-direction caption and the vertical "HANDICAP".
void drawTrendChart(Canvas& canvas, const PlayerRecord& player);

struct TrendCaptions {
    std::string note;   // printed below the others when not empty
    std::string name;   // the player's name
    std::string index;  // "Current Hcp. Index = 12.3"
    std::string rounds; // "7 rounds played"
};
// `whsNote`: the note that the index is the program's own World Handicap System work.
TrendCaptions trendCaptions(const PlayerRecord& player, bool whsNote = false);

// Asked before a chart is printed.
Message chartPrintQuestion();

// The printed page: the picture, both legends, the captions and the date.
void printTrendChart(ReportPrinter& printer, const Canvas& picture, const TrendCaptions& captions,
                     const std::string& fontName, const Date& today);

} // namespace tallyrock
