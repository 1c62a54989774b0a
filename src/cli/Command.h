#pragma once
// A tallyrock-cli command: its CLI11 subcommand and what it does once parsed.

#include "CliContext.h"
#include "ReportKinds.h"

#include <CLI/CLI.hpp>
#include <functional>
#include <vector>

namespace tallyrock::cli {

struct Command {
    CLI::App* sub = nullptr;
    std::function<void()> run;
};

// The commands of a run, and the reports `print` offers: each command file adds its own.
struct Commands : std::vector<Command> {
    std::vector<ReportKind> reports;
};

// Adds a report kind to `print`, or replaces the one of the same name.
void addReportKind(Commands& commands, ReportKind kind);

// Each file of commands adds its own.
void addStoreCommands(CLI::App& app, CliContext& ctx, Commands& commands);
void addRosterCommands(CLI::App& app, CliContext& ctx, Commands& commands);
void addReportCommands(CLI::App& app, CliContext& ctx, Commands& commands);
void addRoundCommands(CLI::App& app, CliContext& ctx, Commands& commands);
// After addReportCommands: adds the team summary to `print`.
void addTeamCommands(CLI::App& app, CliContext& ctx, Commands& commands);
// After addReportCommands: adds the charts and the handicap cards to `print`.
void addChartCommands(CLI::App& app, CliContext& ctx, Commands& commands);
// After addReportCommands: adds the results of a date to `print`, and `export`.
void addExportCommands(CLI::App& app, CliContext& ctx, Commands& commands);

// undo [--list]: the changes that can be undone.
void addUndoCommands(CLI::App& app, CliContext& ctx, Commands& commands);
// After addReportCommands: `explain`, and the worksheets of `print`.
void addExplainCommands(CLI::App& app, CliContext& ctx, Commands& commands);

// Stroke indexes, nine ratings and playing conditions of the courses.
void addWhsCommands(CLI::App& app, CliContext& ctx, Commands& commands);

// The LEAGUE argument every command on a league starts with.
inline void addLeagueArgument(CLI::App* sub, std::string& league) {
    sub->add_option("LEAGUE", league, "League name as listed")->required();
}

// Refuses with the first of the messages, if any.
void reportAll(const std::vector<Message>& messages);

// "4,,3" as {"4", "", "3"}: the par and hole lists, where an empty item is an
// empty box. (CLI11's delimiter drops empty items; the other lists use it.)
std::vector<std::string> splitList(const std::string& text);

} // namespace tallyrock::cli
