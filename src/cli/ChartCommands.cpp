// The charts and handicap cards as reports of `print`: trend, pie, compare and cards.
#include "Command.h"
#include "ReportKinds.h"

#include "charts/CompareChart.h"
#include "charts/HandicapCards.h"
#include "charts/PieChart.h"
#include "charts/TrendChart.h"
#include "handicap/WhsEngine.h"
#include "roster/PlayerOps.h"
#include "services/PictureCanvas.h"

#include <memory>
#include <optional>

namespace tallyrock::cli {

namespace {

int playerNamed(ReportRequest& r, const std::string& name) {
    int p = findPlayer(r.ctx.store.league, name);
    if (p == 0) refuse("There is no player '" + name + "' in this league.");
    r.ctx.store.CurrentPlayer = static_cast<int16_t>(p);
    return p;
}

// The player named by the report's one argument; it becomes CurrentPlayer, as the chooser makes it.
int chartPlayer(ReportRequest& r, const std::string& report) {
    if (r.args.size() != 1) refuse("The " + report + " needs one PLAYER: print LEAGUE " + report + " PLAYER");
    return playerNamed(r, r.args[0]);
}

void printTrend(ReportRequest& r) {
    Store& store = r.ctx.store;
    int p = chartPlayer(r, "trend");
    PictureCanvas canvas(TrendWidth, TrendHeight);
    drawTrendChart(canvas, store.player(p));
    printTrendChart(r.printer, canvas, trendCaptions(store.player(p), whsMethod(store.settings)),
                    store.settings.FontName, r.ctx.today);
}

void printPie(ReportRequest& r) {
    Store& store = r.ctx.store;
    int p = chartPlayer(r, "pie");
    PictureCanvas canvas(PieWidth, PieHeight);
    ScoreCounts counts = countScores(store, p);
    DrawPie(canvas, pieSlices(counts));
    printPieChart(r.printer, canvas, pieCaptions(store.player(p), counts), store.settings.FontName,
                  r.ctx.today);
}

void printCompare(ReportRequest& r) {
    if (!r.args.empty()) refuse("The comparison list takes no arguments.");
    printCompareList(r.printer, compareLines(r.ctx.store.league, whsMethod(r.ctx.store.settings)),
                     r.ctx.store.settings.FontName, r.ctx.today);
}

} // namespace

void addChartCommands(CLI::App& app, CliContext&, Commands& commands) {
    CLI::App* print = app.get_subcommand("print");
    auto comment = std::make_shared<std::optional<std::string>>();
    print->add_option("--comment", *comment,
                      "cards: the date or comment line of every card (default: today)");

    addReportKind(commands,
                  {"trend", "trend PLAYER  the handicap differential and index trend graph", printTrend});
    addReportKind(commands, {"pie", "pie PLAYER  the pie chart of hole scores against par", printPie});
    addReportKind(commands,
                  {"compare", "compare  the current handicaps of the league, lowest first", printCompare});
    addReportKind(commands,
                  {"cards",
                   "cards PLAYER [PLAYER...] [--comment TEXT]  pocket handicap cards, ten to a sheet",
                   [comment](ReportRequest& r) {
                       Store& store = r.ctx.store;
                       std::vector<int> players;
                       for (const std::string& name : r.args)
                           players.push_back(playerNamed(r, name));
                       openCardForm(store.settings); // a scaling of 0 is taken as 1, as the window takes it
                       PictureCanvas picture(CardPictureWidth, CardPictureHeight);
                       drawCardPicture(picture);
                       std::string line = comment->value_or(dashedDate(r.ctx.today));
                       if (Failure refused = PrintHandicapCards(store, r.printer, players, line, picture))
                           refuse(*refused);
                   }});
}

} // namespace tallyrock::cli
