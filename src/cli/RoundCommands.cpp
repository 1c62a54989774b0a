// Recording, editing, deleting and importing rounds; the course handicap calculator.
#include "Command.h"

#include "handicap/CourseHandicapCalculator.h"
#include "handicap/RoundImport.h"
#include "store/LeagueFile.h"
#include "store/NumberText.h"

#include <iostream>
#include <memory>

namespace tallyrock::cli {

namespace {

struct RoundArgs {
    std::string league, holes;
    RoundFields fields;
    int slot = 0;
};

void addScoreOptions(CLI::App* sub, RoundArgs& args) {
    addLeagueArgument(sub, args.league);
    sub->add_option("--player", args.fields.player, "Player name, exactly as entered")->required();
    sub->add_option("--tee", args.fields.tee,
                    "Tee played: 1 red, 2 white, 3 blue (default: the player's tee)");
    sub->add_option("--holes", args.holes,
                    "Scores of holes 1 to 18, comma separated; 0 for a hole not played");
    sub->add_option("--out", args.fields.out, "Front nine total, when no hole scores are given");
    sub->add_option("--in", args.fields.in, "Back nine total, when no hole scores are given");
}

// The hole scores of --holes into the fields; refuses a list that is not 18 long.
void takeHoles(RoundArgs& args) {
    if (args.holes.empty()) return;
    std::vector<std::string> holes = splitList(args.holes);
    if (holes.size() != 18) refuse("--holes needs 18 values, one for each hole");
    for (std::size_t h = 1; h <= 18; ++h)
        args.fields.holes[h] = holes[h - 1];
}

// Records the checked round and prints the calculation panel, then saves.
void recordAndSave(CliContext& ctx, const RoundInput& input, int editSlot) {
    RoundRecorder recorder(ctx.store);
    RecordResult result = recordRound(ctx.store, recorder, input, editSlot);
    if (result.outcome == RecordOutcome::NoScore) refuse("no score after stroke control");
    if (result.message) refuse(*result.message);
    for (const std::string& line : recorder.panel())
        std::cout << line << "\n";
    std::cout.flush();
    CliContext::check(recorder.FinishEntry());
}

void addRecordCommand(CLI::App& app, CliContext& ctx, Commands& commands) {
    auto args = std::make_shared<RoundArgs>();
    CLI::App* sub = app.add_subcommand("record", "Record a new round for a player, as score entry does");
    addScoreOptions(sub, *args);
    sub->add_option("--course", args->fields.course, "Course name (letter case ignored)")->required();
    sub->add_option("--date", args->fields.date, "Date of the round, MM/DD/YY, MM/DD/YYYY or YYYY-MM-DD")
        ->required();
    commands.push_back({sub, [&ctx, args] {
                            ctx.openLeague(args->league);
                            takeHoles(*args);
                            RoundInput input;
                            if (std::string reason = checkNewRound(ctx.store, args->fields, input);
                                !reason.empty())
                                refuse(reason);
                            recordAndSave(ctx, input, 0);
                        }});
}

void addEditCommand(CLI::App& app, CliContext& ctx, Commands& commands) {
    auto args = std::make_shared<RoundArgs>();
    CLI::App* sub =
        app.add_subcommand("edit-round", "Record a stored round again; its date and course are kept");
    addScoreOptions(sub, *args);
    sub->add_option("--slot", args->slot, "Round slot, 1 the oldest")->required();
    commands.push_back({sub, [&ctx, args] {
                            ctx.openLeague(args->league);
                            takeHoles(*args);
                            RoundInput input;
                            if (std::string reason =
                                    checkEditedRound(ctx.store, args->fields, args->slot, input);
                                !reason.empty())
                                refuse(reason);
                            recordAndSave(ctx, input, args->slot);
                        }});
}

void addDeleteCommand(CLI::App& app, CliContext& ctx, Commands& commands) {
    auto args = std::make_shared<RoundArgs>();
    CLI::App* sub = app.add_subcommand("delete-round",
                                       "Delete a stored round; the player's newest round is recalculated");
    addLeagueArgument(sub, args->league);
    sub->add_option("--player", args->fields.player, "Player name, exactly as entered")->required();
    sub->add_option("--slot", args->slot, "Round slot, 1 the oldest")->required();
    commands.push_back({sub, [&ctx, args] {
                            ctx.openLeague(args->league);
                            int player = 0;
                            if (std::string reason =
                                    checkPlayerSlot(ctx.store, args->fields.player, args->slot, player);
                                !reason.empty())
                                refuse(reason);
                            ctx.store.CurrentPlayer = static_cast<int16_t>(player);
                            ctx.store.EditSlot = static_cast<int16_t>(args->slot);
                            RoundRecorder recorder(ctx.store);
                            // The window shows the player's default tee; it decides the limit.
                            CliContext::check(recorder.deleteRound(ctx.store.player(player).PlayerTee));
                            for (const std::string& line : recorder.panel())
                                std::cout << line << "\n";
                        }});
}

void addImportCommand(CLI::App& app, CliContext& ctx, Commands& commands) {
    auto league = std::make_shared<std::string>();
    auto file = std::make_shared<std::string>();
    CLI::App* sub = app.add_subcommand("import", "Record a spreadsheet's rounds (CSV with a header row)");
    addLeagueArgument(sub, *league);
    sub->add_option("FILE", *file,
                    "CSV file of at most 16 MB: date, player, course, [tee], [out], [in], [h1 ... h18]")
        ->required();
    commands.push_back({sub, [&ctx, league, file] {
                            ctx.openLeague(*league);
                            ImportFile csv = readImportFile(*file);
                            if (!csv.error.empty()) refuse(csv.error);
                            ImportResult result = importRounds(ctx.store, csv.text);
                            if (!result.errors.empty()) {
                                std::string all;
                                for (const std::string& e : result.errors)
                                    all += (all.empty() ? "" : "\n") + e;
                                refuse(all);
                            }
                            CliContext::check(SaveLeagueFile(ctx.store));
                            for (const std::string& line : result.panel)
                                std::cout << line << "\n";
                            std::cout << result.recorded << " rounds recorded\n";
                        }});
}

void addCalculatorCommand(CLI::App& app, CliContext&, Commands& commands) {
    auto index = std::make_shared<std::string>();
    auto slope = std::make_shared<std::string>();
    CLI::App* sub =
        app.add_subcommand("course-handicap", "Course handicap from a handicap index and a slope");
    sub->add_option("INDEX", *index, "Handicap index")->required();
    sub->add_option("SLOPE", *slope, "Slope rating")->required();
    commands.push_back(
        {sub, [index, slope] {
             // The window reads words as 0; the tool refuses them, and nan and inf.
             for (const auto& [name, text] : {std::pair{"INDEX", index}, std::pair{"SLOPE", slope}})
                 if (!text->empty() && !completeNumber(*text))
                     refuse(std::string(name) + ": '" + *text + "' is not a number");
             CalculatorResult result = calculateCourseHandicap(*index, *slope);
             if (result.beep) refuse(result.text);
             std::cout << result.text << "\n";
         }});
}

} // namespace

void addRoundCommands(CLI::App& app, CliContext& ctx, Commands& commands) {
    for (auto add :
         {addRecordCommand, addEditCommand, addDeleteCommand, addImportCommand, addCalculatorCommand})
        add(app, ctx, commands);
}

} // namespace tallyrock::cli
