// The team summary as a report of `print`: print LEAGUE teams [--names] [--last].
#include "Command.h"
#include "ReportKinds.h"

#include "teams/TeamSummary.h"

#include <memory>

namespace tallyrock::cli {

void addTeamCommands(CLI::App& app, CliContext&, Commands& commands) {
    CLI::App* print = app.get_subcommand("print");
    auto options = std::make_shared<TeamSummaryOptions>();
    print->add_flag("--names", options->names, "teams: list the member names of each team");
    print->add_flag("--last", options->lastOnly, "teams: print each team's last event only");
    addReportKind(commands,
                  {"teams", "teams [--names] [--last]  the team summary", [options](ReportRequest& r) {
                       if (!r.args.empty()) refuse("The team summary takes no arguments.");
                       // As the menu item: nothing to print while no player belongs to a team.
                       if (r.ctx.store.teams.TeamsInUse != 1)
                           refuse("No player of this league belongs to a team.");
                       printTeamSummary(r.printer, r.ctx.store, *options, r.ctx.today);
                   }});
}

} // namespace tallyrock::cli
