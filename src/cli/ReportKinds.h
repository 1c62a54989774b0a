#pragma once
// The printed reports of `tallyrock-cli print`: what a report kind is and what
// it is given (short, long and chart are in the report commands; teams, charts,
// cards, the night's results and the worksheets in their own files).

#include "CliContext.h"
#include "services/ReportPrinter.h"

#include <functional>
#include <string>
#include <vector>

namespace tallyrock::cli {

// The rounds-view options shared by `listing` and the listings of `print`.
struct ListingOptions {
    std::string view;   // "recent", "date" or "player"; empty: recent, or player with --player
    std::string player; // the player of the player view
    int back = 0;       // presses of "earlier"
};

struct ReportRequest {
    CliContext& ctx;                      // the league is open
    const std::vector<std::string>& args; // the report's own arguments after its name
    const ListingOptions& listing;
    ReportPrinter& printer;
};

struct ReportKind {
    std::string name;  // as typed after LEAGUE
    std::string usage; // one line for the help: "chart COURSE TEE  the course handicap chart"
    std::function<void(ReportRequest&)> print;
};

} // namespace tallyrock::cli
