#include "PieChart.h"

#include "ChartPage.h"
#include "store/NumberText.h"

#include <cmath>

namespace tallyrock {

namespace {
enum Category { Eagles = 1, Birdies, Pars, Bogies, DoubleBogies, Other };

int categoryOf(float score, float par) {
    if (score == par) return Pars;
    if (score == par - 2) return Eagles;
    if (score == par - 1) return Birdies;
    if (score == par + 1) return Bogies;
    if (score == par + 2) return DoubleBogies;
    return Other;
}
} // namespace

ScoreCounts countScores(const Store& store, int p) {
    ScoreCounts counts;
    const PlayerRecord& player = store.player(p);
    for (int r = player.RoundCount; r >= 1; --r) {
        const RoundRecord& round = player.round[r];
        for (int h = 1; h <= 18; ++h) {
            float s = round.HoleScore[h];
            if (s == 0) continue; // not played or only the nine totals entered
            ++counts.scoresCounted;
            float q = toSingle(store.courses.numeric(round.RoundCourse, field::holePar(h)));
            counts.parSum += q;
            counts.scoreSum += s;
            ++counts.counter[categoryOf(s, q)];
        }
    }
    return counts;
}

PieSlices pieSlices(const ScoreCounts& counts) {
    PieSlices slices;
    for (std::size_t k = 1; k <= PieCategories; ++k) {
        if (counts.counter[k] == 0) continue;
        auto i = static_cast<std::size_t>(++slices.count);
        slices.names[i] = PieCategoryName[k];
        slices.values[i] = static_cast<float>(counts.counter[k]);
    }
    return slices;
}

float NormalizeAngle(float& a) {
    if (a >= FullTurn) a = a - FullTurn;
    if (a < 0) a = a + FullTurn;
    // The slice edge is asked for with the negated angle, and zero has no negative.
    if (a < 0.001f) a = 0.001f;
    return a;
}

std::string pieLegendText(const std::string& name, float share) {
    return name + " " + formatPattern(share * 100.0f, "##0.0");
}

void DrawPie(Canvas& canvas, const PieSlices& slices) {
    canvas.clear();
    canvas.setColor(BlackColor);
    const float halfTurn = 3.141593f;
    float total = 0;
    for (int i = 1; i <= slices.count; ++i)
        total += slices.values[i];

    std::array<std::string, PieCategories + 1> legend;
    float lastEnd = 0;
    for (int i = 1; i <= slices.count; ++i) {
        auto k = static_cast<std::size_t>(i);
        float share = slices.values[k] / total;
        legend[k] = pieLegendText(slices.names[k], share);
        float sweep = share * FullTurn;
        float start = 0, end = 0;
        if (i == 1) {
            // The first slice is centred on 12 o'clock.
            start = halfTurn / 2 - sweep / 2;
            end = sweep / 2 + halfTurn / 2;
        } else {
            start = lastEnd;
            end = start + sweep;
        }
        canvas.setFillColor(paletteColor(i + 8));
        NormalizeAngle(start);
        lastEnd = NormalizeAngle(end);
        canvas.pie(canvas.width() / 4.5, canvas.height() / 2, canvas.width() / 5, start, end);
    }
    DrawPieLegend(canvas, slices.count, legend);
}

void DrawPieLegend(Canvas& canvas, int count, const std::array<std::string, PieCategories + 1>& legend) {
    const double w = canvas.width(), h = canvas.height();
    double t = std::nearbyint(canvas.textHeight(legend[1]));
    double y = h / 2 - (t * 1.5 * count) / 2;
    for (int i = 1; i <= count && i <= PieCategories; ++i) {
        canvas.setFillColor(paletteColor(i + 8));
        canvas.box(w / 2, y, w / 16, t);
        canvas.text(w / 2 + w / 14, y, legend[i] + "%");
        y += t * 1.5;
    }
}

PieCaptions pieCaptions(const PlayerRecord& player, const ScoreCounts& counts) {
    PieCaptions captions{player.PlayerName, "Avg. Par per hole =", "Avg. Score per hole =",
                         "# of scores recorded = " + plainNumber(counts.scoresCounted)};
    if (counts.scoresCounted != 0) {
        float n = counts.scoresCounted;
        captions.averagePar = "avg. par per hole = " + formatPattern(counts.parSum / n, "0.0");
        captions.averageScore = "avg. score per hole = " + formatPattern(counts.scoreSum / n, "0.0");
    }
    return captions;
}

void printPieChart(ReportPrinter& printer, const Canvas& picture, const PieCaptions& captions,
                   const std::string& fontName, const Date& today) {
    startChartPage(printer, "Scoring averages", picture, 2.4);
    const double W = printer.pageWidth(), H = printer.pageHeight();
    printer.setCurrentX(0.1 * W);
    printer.setCurrentY(0.55 * H);
    printer.print(" ");
    printer.setFontName(fontName);
    printer.setFontSize(18);
    printer.print(captions.name + CaptionGap);
    printer.print("  ");
    printer.print(captions.averagePar + CaptionGap);
    printer.print(" ");
    printer.print(captions.averageScore + CaptionGap);
    printer.print(" ");
    printer.print(captions.scoresCounted + CaptionGap);
    finishChartPage(printer, today);
}

} // namespace tallyrock
