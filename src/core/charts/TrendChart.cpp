#include "TrendChart.h"

#include "ChartPage.h"
#include "handicap/WhsEngine.h"
#include "store/NumberText.h"

namespace tallyrock {

double trendX(int i) {
    return 700 + 380.0 * i;
}

double trendY(float v, double scale) {
    return 3000 - scale * static_cast<double>(v);
}

void DrawTrendAxes(Canvas& canvas, const PlayerRecord& player) {
    canvas.setColor(BlackColor);
    canvas.setLineWidth(2);
    canvas.line(660, 150, 660, 3720);
    canvas.line(660, 3720, 8800, 3720);

    for (int v = -5; v <= 40; v += 5) {
        // One-digit labels are moved right so the labels end in one column.
        double x = v == -5 ? 380 : (v == 0 || v == 5) ? 430 : 340;
        canvas.text(x, 2910 - 70.0 * v, plainNumber(v));
    }
    canvas.setLineWidth(1);
    canvas.setDotted(true);
    for (int k = 5; k <= 50; k += 5)
        canvas.line(670, 3700 - 70.0 * k, 8800, 3700 - 70.0 * k);

    for (int i = 20; i >= 1; --i)
        canvas.text(380.0 * i + 600 + (i < 10 ? 45 : 0), 3800, plainNumber(i));

    canvas.setDotted(false);
    DrawTrendLines(canvas, player, TrendScale);
}

void DrawTrendLines(Canvas& canvas, const PlayerRecord& player, double scale) {
    auto series = [&](uint32_t colour, auto value) {
        canvas.setColor(colour);
        canvas.setLineWidth(2);
        double penX = 0, penY = 0;
        bool started = false;
        for (int i = 1; i <= player.RoundCount && i <= MaxRounds; ++i) {
            float v = value(player.round[i]);
            if (!hasHandicap(v)) continue; // no index yet: nothing to draw
            double x = trendX(i), y = trendY(v, scale);
            // The first point starts the pen where it is drawn, so it shows as a dot.
            if (!started) {
                started = true;
                penX = x;
                penY = y;
            }
            canvas.line(penX, penY, x, y);
            penX = x;
            penY = y;
        }
    };
    series(paletteColor(12), [](const RoundRecord& r) { return r.RoundDiff; });
    series(paletteColor(0), [](const RoundRecord& r) { return r.RoundIndex; });
}

void drawTrendChart(Canvas& canvas, const PlayerRecord& player) {
    DrawTrendAxes(canvas, player);
    canvas.setColor(BlackColor);
    canvas.setFontSize(6);
    canvas.text(0.12 * canvas.width(), 0.94 * canvas.height(),
                "<--  Earlier Rounds         More recent Rounds  -->");
    canvas.setFontSize(9);
    const std::string word = "HANDICAP";
    for (std::size_t k = 1; k <= word.size(); ++k)
        canvas.text(0.013 * canvas.width(), 200.0 * static_cast<double>(k) + 0.2 * canvas.height(),
                    word.substr(k - 1, 1));
}

TrendCaptions trendCaptions(const PlayerRecord& player, bool whsNote) {
    int n = player.RoundCount;
    return {whsNote ? std::string("Hcp. Index ") + WhsIndexNote : std::string(), player.PlayerName,
            "Current Hcp. Index = " + generalHandicap(player.round[n].RoundIndex),
            plainNumber(n) + " rounds played"};
}

Message chartPrintQuestion() {
    return {"Tallyrock", "Ready to send chart to Printer", Icon::None};
}

void printTrendChart(ReportPrinter& printer, const Canvas& picture, const TrendCaptions& captions,
                     const std::string& fontName, const Date& today) {
    startChartPage(printer, "Handicap trend", picture, 2.5);
    const double W = printer.pageWidth(), H = printer.pageHeight();

    // The legends: a thick line in the series colour, then its name.
    auto legendLine = [&](double x, uint32_t colour) {
        printer.setCurrentX(x);
        printer.setCurrentY(H / 1.9);
        printer.setLineWidth(8);
        printer.setTextColor(colour);
        printer.drawLine(x, H / 1.9, x + W / 50, H / 1.9);
        printer.setCurrentX(x + W / 50);
        printer.setFontName(fontName);
        printer.setFontSize(10);
        printer.setCurrentY(0.518 * H);
        printer.setTextColor(BlackColor);
    };
    printer.setBold(true);
    legendLine(0.2 * W, BlackColor);
    printer.print(" Hcp Index", false);
    legendLine(0.55 * W, paletteColor(12));
    printer.print(" Hcp Differential");

    printer.setCurrentX(0.1 * W);
    printer.setCurrentY(0.55 * H);
    printer.setFontName(fontName);
    printer.setFontSize(18);
    for (const std::string* caption : {&captions.name, &captions.index, &captions.rounds}) {
        printer.print(" ");
        printer.print(*caption + CaptionGap);
    }
    if (!captions.note.empty()) {
        printer.setFontSize(9);
        printer.print(" ");
        printer.print(captions.note);
    }
    finishChartPage(printer, today);
}

} // namespace tallyrock
