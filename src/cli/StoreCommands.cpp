// Leagues, courses, players and the handicap rules.
#include "Command.h"

#include "handicap/HandicapCalculation.h"
#include "handicap/Rules.h"
#include "handicap/WhsEngine.h"
#include "roster/CourseOps.h"
#include "roster/LeagueOps.h"
#include "store/FileNames.h"
#include "store/NumberText.h"

#include <iostream>
#include <memory>
#include <optional>

namespace tallyrock::cli {

std::vector<std::string> splitList(const std::string& text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        std::size_t comma = text.find(',', start);
        parts.push_back(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return parts;
}

namespace {

bool isWholeNumber(const std::string& text) {
    if (text.empty() || text.size() > 4) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

void addLeagueCommands(CLI::App& app, CliContext& ctx, Commands& commands) {
    auto name = std::make_shared<std::string>();
    CLI::App* create =
        app.add_subcommand("create-league", "Create an empty league and add it to the league list");
    create->add_option("NAME", *name, "League name (no extension)")->required();
    commands.push_back({create, [&ctx, name] {
                            LeagueResult result = createLeague(ctx.store, *name);
                            reportAll(result.messages);
                        }});

    auto delName = std::make_shared<std::string>();
    CLI::App* del = app.add_subcommand("delete-league", "Delete a league file and its team point file");
    del->add_option("NAME", *delName, "League name as listed")->required();
    commands.push_back({del, [&ctx, delName] {
                            LeagueResult result = deleteLeague(ctx.store, *delName);
                            reportAll(result.messages);
                        }});

    CLI::App* list = app.add_subcommand("leagues", "List the leagues, one per line");
    commands.push_back({list, [&ctx] {
                            const Settings& s = ctx.store.settings;
                            for (int i = 1; i <= s.LeagueCount && i <= MaxLeagues; ++i)
                                std::cout << s.LeagueList[i] << "\n";
                        }});
}

struct CourseArgs {
    std::string name, pars, initials;
    std::vector<std::string> ratings, slopes; // red, white, blue
};

void addCourseCommands(CLI::App& app, CliContext& ctx, Commands& commands) {
    auto args = std::make_shared<CourseArgs>();
    CLI::App* add = app.add_subcommand("add-course", "Add a course (the first deleted slot is reused)");
    add->add_option("--name", args->name, "Course name")->required();
    add->add_option("--pars", args->pars, "Par of holes 1 to 18, comma separated")->required();
    add->add_option("--ratings", args->ratings,
                    "Course ratings of the red, white and blue tees, 20.0 to 99.9 (default 65.0)")
        ->delimiter(',');
    add->add_option("--slopes", args->slopes,
                    "Slopes of the red, white and blue tees, 55 to 155 (default 113)")
        ->delimiter(',');
    add->add_option("--initials", args->initials, "Short name shown in lists, at most 3 characters");
    commands.push_back(
        {add, [&ctx, args] {
             ctx.loadCourses();
             auto pars = splitList(args->pars);
             if (pars.size() != 18) refuse("--pars needs 18 values, one for each hole");
             for (const auto& p : pars)
                 if (!p.empty() && !isWholeNumber(p)) refuse("--pars: '" + p + "' is not a whole number");
             ctx.store.CourseFormMode = CourseWindowMode::Add;
             CourseForm form = openCourseForm(ctx.store);
             form.name = args->name;
             for (int h = 1; h <= 18; ++h)
                 form.parText[h] = parBoxText(pars[h - 1]);
             // Three values within what the window's spin buttons reach, or a refusal naming
             // the option.
             auto triple = [](const std::vector<std::string>& parts, const char* option, auto typed,
                              const std::string& bounds, std::array<double, 4>& into) {
                 if (parts.empty() || parts == std::vector<std::string>{""}) return;
                 if (parts.size() != 3) refuse(std::string(option) + " needs 3 values: red, white, blue");
                 for (int t = 1; t <= 3; ++t) {
                     const std::string& part = parts[t - 1];
                     std::optional<double> value = typed(part);
                     if (!value) refuse(std::string(option) + ": '" + part + "' is not " + bounds);
                     into[t] = *value;
                 }
             };
             triple(args->ratings, "--ratings", typedRating,
                    "a rating from " + ratingPanelText(LowestRating) + " to " +
                        ratingPanelText(HighestRating),
                    form.rating);
             triple(args->slopes, "--slopes", typedSlope,
                    "a slope from " + plainNumber(LowestSlope) + " to " + plainNumber(HighestSlope),
                    form.slope);
             form.initials = leftChars(args->initials, 3);
             CliContext::check(saveCourseForm(ctx.store, form));
         }});

    CLI::App* list = app.add_subcommand("courses", "List the course slots: number, name and initials");
    commands.push_back({list, [&ctx] {
                            ctx.loadCourses();
                            const CourseTable& c = ctx.store.courses;
                            for (int i = 1; i <= c.CourseCount; ++i)
                                std::cout << i << "\t" << c.name(i) << "\t"
                                          << c.CourseField[i][field::Initials] << "\n";
                        }});
}

struct RulesArgs {
    std::optional<int> method, roundsOption, limitOption, strokeOption, nineHole, dateRemind;
    std::optional<std::string> percent, rounds, mensMax, womensMax, abovePar, maxPerHole, factor;
    std::optional<std::string> allowance;
    std::vector<std::string> expectedNine; // A,B
};

// Settings never chosen show what the calculation uses, as the rules window does.
void printRules(const Settings& s) {
    std::cout << "HcpMethod " << s.HcpMethod << "\nRoundsOption " << s.RoundsOption << "\nRoundsToUse "
              << effectiveRoundsToUse(s) << "\nPercentRounds " << s.PercentRounds << "\nHcpLimitOption "
              << s.HcpLimitOption << "\nMensHcpMax " << generalNumber(s.MensHcpMax) << "\nWomensHcpMax "
              << generalNumber(s.WomensHcpMax) << "\nStrokeOption " << s.StrokeOption << "\nStrokesAbovePar "
              << s.StrokesAbovePar << "\nMaxStrokesPerHole " << s.MaxStrokesPerHole << "\nNineHoleOption "
              << effectiveNineHoleOption(s) << "\nDateRemind " << s.DateRemind << "\nIndexFactor "
              << generalNumber(s.IndexFactor) << "\n";
    if (whsMethod(s))
        std::cout << "WhsAllowance " << s.WhsAllowance << "\nWhsExpectedNine "
                  << formatPattern(s.WhsNineFactor / 100.0, "0.00") << ","
                  << formatPattern(s.WhsNineBase / 10.0, "0.0") << "\n";
}

// The rules window's form as it stands, with what the options change typed in.
RulesForm rulesForm(const RulesArgs& a, const Settings& s) {
    // The window corrects a number out of range; what is no number at all is refused.
    const std::pair<const char*, const std::optional<std::string>&> texts[] = {
        {"--percent", a.percent},      {"--rounds", a.rounds},      {"--mens-max", a.mensMax},
        {"--womens-max", a.womensMax}, {"--above-par", a.abovePar}, {"--max-per-hole", a.maxPerHole},
        {"--factor", a.factor},        {"--allowance", a.allowance}};
    for (const auto& [option, text] : texts)
        if (text && !completeNumber(*text)) refuse(std::string(option) + ": '" + *text + "' is not a number");
    RulesForm form = rulesFormValues(s);
    if (a.method) form.method = *a.method;
    if (a.roundsOption) form.roundsOption = *a.roundsOption;
    if (a.percent) form.percentText = *a.percent;
    if (a.rounds) form.roundsText = *a.rounds;
    if (a.limitOption) form.limitOption = *a.limitOption;
    if (a.mensMax) form.mensText = *a.mensMax;
    if (a.womensMax) form.womensText = *a.womensMax;
    if (a.strokeOption) form.strokeOption = *a.strokeOption;
    if (a.abovePar) form.aboveParText = *a.abovePar;
    if (a.maxPerHole) form.maxStrokeText = *a.maxPerHole;
    if (a.nineHole) form.nineHole = *a.nineHole;
    if (a.dateRemind) form.dateRemind = *a.dateRemind == 1;
    if (a.factor) form.factorText = *a.factor;
    if (a.allowance) form.allowanceText = *a.allowance;
    if (!a.expectedNine.empty()) {
        const std::vector<std::string>& ab = a.expectedNine;
        if (ab.size() != 2 || !completeNumber(ab[0]) || !completeNumber(ab[1]))
            refuse("--expected-nine needs A,B, for example 0.52,1.2");
        form.nineFactorText = ab[0];
        form.nineBaseText = ab[1];
    }
    return form;
}

void addRulesCommand(CLI::App& app, CliContext& ctx, Commands& commands) {
    auto a = std::make_shared<RulesArgs>();
    CLI::App* rules = app.add_subcommand(
        "rules", "Show the handicap rules, or change them as the rules window accepts them");
    rules
        ->add_option("--method", a->method,
                     "1 standard, 2 handicap to par, 3 casual, 4 World Handicap System (2024)")
        ->check(CLI::Range(1, 4));
    rules->add_option("--allowance", a->allowance,
                      "World Handicap System: playing handicap allowance in percent (1..100, default 100)");
    rules
        ->add_option("--expected-nine", a->expectedNine,
                     "World Handicap System: expected nine-hole differential A x index + B, as A,B "
                     "(default 0.52,1.2)")
        ->delimiter(',');
    rules
        ->add_option("--rounds-option", a->roundsOption,
                     "1 standard, 2 all until 9, 3 best percentage, 4 last N")
        ->check(CLI::Range(1, 4));
    rules->add_option("--percent", a->percent,
                      "Percentage of rounds for the best-percentage option (10..100)");
    rules->add_option("--rounds", a->rounds, "N for the last-N option (1..20)");
    rules->add_option("--limit-option", a->limitOption, "1 no limit, 2 standard limits, 3 custom")
        ->check(CLI::Range(1, 3));
    rules->add_option("--mens-max", a->mensMax, "Custom handicap limit for men (at most 40)");
    rules->add_option("--womens-max", a->womensMax, "Custom handicap limit for women (at most 45)");
    rules
        ->add_option("--stroke-option", a->strokeOption,
                     "1 none, 2 standard, 3 strokes above par, 4 maximum per hole")
        ->check(CLI::Range(1, 4));
    rules->add_option("--above-par", a->abovePar, "Strokes above par counted on a hole (2..7)");
    rules->add_option("--max-per-hole", a->maxPerHole, "Most strokes counted on a hole (6..12)");
    rules
        ->add_option("--nine-hole", a->nineHole,
                     "1 double nine-hole scores, 2 halve the rating, 3 ratings as entered")
        ->check(CLI::Range(1, 3));
    rules->add_option("--date-remind", a->dateRemind, "1: confirm the date and course of new rounds")
        ->check(CLI::Range(0, 1));
    rules->add_option("--factor", a->factor, "Handicap multiplier (0.5..1.1, default .96)");
    commands.push_back({rules, [&ctx, a, rules] {
                            auto chosen = rules->get_options([](const CLI::Option* option) {
                                return option->get_name() != "--help" && option->count() > 0;
                            });
                            if (chosen.empty()) {
                                printRules(ctx.store.settings);
                                return;
                            }
                            CliContext::check(acceptRules(ctx.store, rulesForm(*a, ctx.store.settings)));
                        }});
}

} // namespace

void addStoreCommands(CLI::App& app, CliContext& ctx, Commands& commands) {
    for (auto add : {addLeagueCommands, addCourseCommands, addRulesCommand})
        add(app, ctx, commands);
}

} // namespace tallyrock::cli
