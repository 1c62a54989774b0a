// What the World Handicap System needs of the courses: stroke indexes, the
// nines' ratings and slopes, and the playing conditions of a day.
#include "Command.h"

#include "handicap/HandicapCalculation.h"
#include "handicap/RoundImport.h"
#include "roster/CourseOps.h"
#include "roster/WhsCourseOps.h"
#include "store/NumberText.h"

#include <memory>

namespace tallyrock::cli {

namespace {

struct CourseTeeArgs {
    std::string course;
    int tee = 0;
};

void addCourseTeeOptions(CLI::App* sub, CourseTeeArgs& args) {
    sub->add_option("--course", args.course, "Course name (letter case ignored)")->required();
    sub->add_option("--tee", args.tee, "Tee: 1 red, 2 white, 3 blue")->required()->check(CLI::Range(1, 3));
}

int courseNamed(CliContext& ctx, const std::string& name) {
    ctx.loadCourses();
    int course = findCourse(ctx.store.courses, name);
    if (course == 0) refuse("no course named \"" + name + "\"");
    return course;
}

// "RATING,SLOPE" of a nine.
std::pair<double, double> nineValues(const std::vector<std::string>& parts, const char* option) {
    std::optional<double> rating = parts.size() == 2 ? completeNumber(parts[0]) : std::nullopt;
    std::optional<double> slope = parts.size() == 2 ? completeNumber(parts[1]) : std::nullopt;
    if (!rating || !slope) refuse(std::string(option) + " needs RATING,SLOPE, for example 35.3,121");
    return {*rating, *slope};
}

void addStrokeIndexCommand(CLI::App& app, CliContext& ctx, Commands& commands) {
    auto args = std::make_shared<CourseTeeArgs>();
    auto si = std::make_shared<std::vector<std::string>>();
    CLI::App* sub = app.add_subcommand("course-si", "Set the stroke index of each hole for a course's tee");
    addCourseTeeOptions(sub, *args);
    sub->add_option("--si", *si, "Stroke indexes of holes 1 to 18, comma separated: each of 1..18 once")
        ->required()
        ->delimiter(',');
    commands.push_back({sub, [&ctx, args, si] {
                            int course = courseNamed(ctx, args->course);
                            const std::vector<std::string>& parts = *si;
                            std::array<int16_t, 19> values{};
                            bool numbers = parts.size() == 18;
                            for (std::size_t h = 1; numbers && h <= 18; ++h) {
                                auto v = completeNumber(parts[h - 1]);
                                numbers = v && *v >= 1 && *v <= 18 && *v == static_cast<int>(*v);
                                if (numbers) values[h] = static_cast<int16_t>(*v);
                            }
                            if (!numbers) refuse(strokeIndexRefusal(teeName(args->tee)));
                            CliContext::check(setStrokeIndexes(ctx.store, course, args->tee, values));
                        }});
}

void addNinesCommand(CLI::App& app, CliContext& ctx, Commands& commands) {
    struct Args {
        CourseTeeArgs where;
        std::vector<std::string> front, back; // RATING,SLOPE
    };
    auto args = std::make_shared<Args>();
    CLI::App* sub =
        app.add_subcommand("course-nines", "Set the ratings and slopes of each nine for a course's tee");
    addCourseTeeOptions(sub, args->where);
    sub->add_option("--front", args->front, "Front nine RATING,SLOPE")->required()->delimiter(',');
    sub->add_option("--back", args->back, "Back nine RATING,SLOPE")->required()->delimiter(',');
    commands.push_back({sub, [&ctx, args] {
                            int course = courseNamed(ctx, args->where.course);
                            auto [frontRating, frontSlope] = nineValues(args->front, "--front");
                            auto [backRating, backSlope] = nineValues(args->back, "--back");
                            CliContext::check(setNineRatings(ctx.store, course, args->where.tee, frontRating,
                                                             frontSlope, backRating, backSlope));
                        }});
}

void addPccCommand(CLI::App& app, CliContext& ctx, Commands& commands) {
    struct Args {
        std::string course, date;
        int value = 0;
    };
    auto args = std::make_shared<Args>();
    CLI::App* sub = app.add_subcommand("pcc", "Set the playing conditions calculation of a course on a date");
    sub->add_option("--course", args->course, "Course name (letter case ignored)")->required();
    sub->add_option("--date", args->date, "Date, MM/DD/YY or MM/DD/YYYY")->required();
    sub->add_option("--value", args->value, "PCC from -1 to 3 (0 removes it)")->required();
    commands.push_back({sub, [&ctx, args] {
                            int course = courseNamed(ctx, args->course);
                            int16_t month = 0, day = 0, year = 0;
                            if (!parseRoundDate(args->date, month, day, year))
                                refuse("date \"" + args->date +
                                       "\" is not MM/DD/YY or MM/DD/YYYY from 1985 to 2084");
                            CliContext::check(setPcc(ctx.store, course, month, day, year, args->value));
                        }});
}

} // namespace

void addWhsCommands(CLI::App& app, CliContext& ctx, Commands& commands) {
    for (auto add : {addStrokeIndexCommand, addNinesCommand, addPccCommand})
        add(app, ctx, commands);
}

} // namespace tallyrock::cli
