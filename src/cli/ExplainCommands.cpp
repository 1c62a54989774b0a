// The handicap worksheet: `explain LEAGUE PLAYER` as text, JSON, PDF or a
// text file, and every player's worksheet as the `worksheets` report of `print`.
#include "Command.h"
#include "PdfPrinting.h"
#include "ReportKinds.h"

#include "handicap/HandicapCalculation.h"
#include "handicap/RoundImport.h"
#include "roster/PlayerOps.h"
#include "store/NumberText.h"
#include "views/Worksheet.h"

#include <nlohmann/json.hpp>

#include <iostream>
#include <memory>

namespace tallyrock::cli {

namespace {

using json = nlohmann::ordered_json;

// MM/DD/YY or MM/DD/YYYY; today when not given.
Date asOfDate(const CliContext& ctx, const std::string& text) {
    if (text.empty()) return ctx.today;
    int16_t month = 0, day = 0, year = 0;
    if (!parseRoundDate(text, month, day, year)) refuse("--as-of: '" + text + "' is not a date MM/DD/YY");
    return Date{month, day, fullYear(year)};
}

int playerNamed(const CliContext& ctx, const std::string& name) {
    int p = findPlayer(ctx.store.league, name);
    if (p == 0) refuse("There is no player '" + name + "' in this league.");
    return p;
}

// A value kept to a tenth, as the worksheet shows it: 15.3, never 15.300000190734863.
double shown(float value) {
    return leadingNumber(formatPattern(value, "0.0"));
}

// A stored index or course handicap; null where there is none ("NH").
json handicapJson(float stored) {
    return hasHandicap(stored) ? json(shown(stored)) : json(nullptr);
}
json tenthsJson(std::optional<int> tenths) {
    return tenths ? json(*tenths / 10.0) : json(nullptr);
}
json wholeJson(std::optional<int> value) {
    return value ? json(*value) : json(nullptr);
}
json roundJson(const WorksheetRound& r) {
    json caps = json::array();
    for (const WorksheetRound::AtMaximum& c : r.atMaximum)
        caps.push_back({{"hole", c.hole}, {"maximum", c.maximum}});
    return {{"slot", r.slot},
            {"date", isoDate(r.month, r.day, r.year)},
            {"course", r.courseInitials},
            {"tee", r.tee},
            {"tee_name", teeName(r.tee)},
            {"tee_found", r.teeFound},
            {"out", r.out},
            {"in", r.in},
            {"gross", r.gross},
            {"holes", r.holes},
            {"at_maximum", caps},
            {"rating", shown(r.rating)},
            {"slope", shown(r.slope)},
            {"differential", shown(r.differential)},
            {"used", r.used},
            {"index_after", handicapJson(r.indexAfter)}};
}

std::vector<int> holeValues(const whs::HoleValues& values) {
    return std::vector<int>(values.begin() + 1, values.begin() + 19);
}

// Every step of the World Handicap System's work, added to the rounds and the object.
void addWhs(json& object, const WhsPlayerWork& work) {
    for (json& round : object["rounds"])
        for (const WhsRoundWork& w : work.rounds) {
            if (w.slot != round["slot"]) continue;
            round["rating"] = w.ratingHundredths / 100.0; // a nine's rating may have hundredths
            round["course_handicap"] = wholeJson(w.courseHandicap);
            round["strokes"] = holeValues(w.strokes);
            round["maximums"] = holeValues(w.maximums);
            round["pcc"] = w.pcc;
            round["differential_unrounded"] = w.differentialExact.value() / 10.0;
            round["esr"] = w.esr / 10.0;
            round["adjusted_differential"] = w.adjustedDifferential / 10.0;
            round["index_after"] = tenthsJson(w.indexAfter);
            round["steps"] = w.lines;
        }
    object["low_index"] = tenthsJson(work.lowIndex);
    object["soft_cap"] = work.softCap;
    object["hard_cap"] = work.hardCap;
    object["course_handicap"] = wholeJson(work.courseHandicap);
    object["playing_handicap"] = wholeJson(work.playingHandicap);
    object["note"] = WhsIndexNote;
}

json worksheetJson(const Worksheet& sheet) {
    json rounds = json::array(), history = json::array(), handicaps = json::array();
    for (const WorksheetRound& r : sheet.rounds)
        rounds.push_back(roundJson(r));
    for (const WorksheetHistory& h : sheet.history)
        history.push_back({{"date", isoDate(h.month, h.day, h.year)}, {"index", handicapJson(h.index)}});
    for (const WorksheetCourseHandicap& c : sheet.courseHandicaps)
        handicaps.push_back({{"course", c.name},
                             {"initials", c.initials},
                             {"tee", c.tee},
                             {"tee_name", teeName(c.tee)},
                             {"slope", shown(c.slope)},
                             {"course_handicap", static_cast<int>(c.courseHandicap)}});
    json object = {{"player", sheet.player},
                   {"as_of", isoDate(sheet.asOf.month, sheet.asOf.day, sheet.asOf.year)},
                   {"method", sheet.method},
                   {"index", sheet.index ? json(shown(*sheet.index)) : json(nullptr)},
                   {"rule", sheet.rule},
                   {"steps", sheet.steps},
                   {"rounds", rounds},
                   {"history", history},
                   {"course_handicaps", handicaps},
                   {"panel", sheet.panel},
                   {"rounds_missing", sheet.roundsMissing}};
    if (sheet.whs) addWhs(object, *sheet.whs);
    return object;
}

struct ExplainArgs {
    std::string league, player, asOf, pdf, text;
    bool json = false;
};

struct PrintAsOf {
    std::string asOf;
};

} // namespace

void addExplainCommands(CLI::App& app, CliContext& ctx, Commands& commands) {
    auto a = std::make_shared<ExplainArgs>();
    CLI::App* sub = app.add_subcommand("explain", "A player's handicap worksheet: how the index was reached");
    addLeagueArgument(sub, a->league);
    sub->add_option("PLAYER", a->player, "Player name, exactly as entered")->required();
    sub->add_option("--as-of", a->asOf, "The index as of this date, MM/DD/YY (default: today)");
    CLI::Option_group* output =
        sub->add_option_group("output", "Where the worksheet goes (default: its lines)");
    output->add_flag("--json", a->json, "One JSON object (fields in the manual page)");
    output->add_option("--pdf", a->pdf, "Print it to this PDF file");
    output->add_option("--text", a->text, "Write its lines to this file");
    output->require_option(0, 1);
    commands.push_back({sub, [&ctx, a] {
                            ctx.openLeague(a->league);
                            const int p = playerNamed(ctx, a->player);
                            const Date asOf = asOfDate(ctx, a->asOf);
                            if (!a->pdf.empty()) {
                                printToPdf(ctx, a->pdf, [&](ReportPrinter& printer) {
                                    printWorksheets(printer, ctx.store, {p}, asOf, ctx.today);
                                });
                                return;
                            }
                            const Worksheet sheet = buildWorksheet(ctx.store, p, asOf);
                            if (a->json) {
                                std::cout << worksheetJson(sheet).dump(2) << "\n";
                                return;
                            }
                            std::string lines;
                            for (const std::string& line : worksheetLines(sheet))
                                lines += line + "\n";
                            if (a->text.empty()) {
                                std::cout << lines;
                                return;
                            }
                            if (!ctx.store.writer->writeFile(a->text, lines))
                                refuse("Unable to write " + a->text);
                        }});

    CLI::App* print = app.get_subcommand("print");
    auto printAsOf = std::make_shared<PrintAsOf>();
    print->add_option("--as-of", printAsOf->asOf, "worksheets: as of this date, MM/DD/YY (default: today)");
    addReportKind(
        commands,
        {"worksheets", "worksheets [PLAYER...] [--as-of MM/DD/YY]  handicap worksheets, one player to a page",
         [printAsOf](ReportRequest& r) {
             std::vector<int> players;
             for (const std::string& name : r.args)
                 players.push_back(playerNamed(r.ctx, name));
             if (r.args.empty())
                 for (int p = 1; p <= std::min<int>(r.ctx.store.league.PlayerCount, MaxPlayers); ++p)
                     players.push_back(p);
             if (players.empty()) refuse("This league has no players.");
             printWorksheets(r.printer, r.ctx.store, players, asOfDate(r.ctx, printAsOf->asOf), r.ctx.today);
         }});
}

} // namespace tallyrock::cli
