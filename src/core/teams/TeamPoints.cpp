#include "TeamPoints.h"

#include "TeamOps.h"
#include "store/FileNames.h"
#include "store/NumberText.h"
#include "store/SafeText.h"
#include "store/TeamFile.h"
#include "store/UndoLog.h"

#include <set>

namespace tallyrock {

void openTeamPoints(Store& store) {
    LoadTeamFile(store);
    store.teams.CurrentTeam = 1;
}

std::string memberText(const Store& store, int t) {
    std::string text;
    for (const std::string& name : teamMemberNames(store, t))
        text += name + " , ";
    if (!text.empty()) text.resize(text.size() - 2);
    return text;
}

std::string alignmentSpaces(float value) {
    std::string text;
    if (value < 1000) text += ' ';
    if (value < 100) text += ' ';
    if (value < 10) text += ' ';
    return text;
}

std::string oneDecimal(float value) {
    return formatPattern(value, "###0.0");
}

std::string alignedNumber(float value) {
    return alignmentSpaces(value) + oneDecimal(value);
}

std::string entryNumbers(const TeamEntry& entry) {
    return alignedNumber(entry.TeamEntryManual) + "   " + alignedNumber(entry.TeamEntryPoints);
}

std::string pointsEntryLine(const TeamEntry& entry) {
    std::string line = entry.TeamEntryText;
    if (charCount(line) < 61) line = fitChars(line, 61);
    return line + entryNumbers(entry);
}

std::vector<std::string> pointsEntryLines(const TeamTables& teams, int t) {
    const TeamRecord& team = teamRecord(teams, t);
    std::vector<std::string> lines;
    for (int e = 1; e <= team.TeamEntryCount && e <= MaxEntries; ++e)
        lines.push_back(pointsEntryLine(team.entry[e]));
    return lines;
}

float runningTotal(const TeamTables& teams, int t) {
    const TeamRecord& team = teamRecord(teams, t);
    float sum = 0;
    for (int e = 1; e <= team.TeamEntryCount && e <= MaxEntries; ++e)
        sum += team.entry[e].TeamEntryPoints;
    return sum;
}

std::string runningTotalText(const TeamTables& teams, int t) {
    return generalNumber(runningTotal(teams, t));
}

std::string commentStart(const std::string& dateText) {
    return dateText + " ";
}

Message entriesFull() {
    return {"Tallyrock",
            joinLines({"A team holds at most 150 entries.", "Remove old entries before adding more."}),
            Icon::Exclamation};
}

AddEntryResult addTeamEntry(Store& store, const std::string& comment, const std::string& manualText,
                            const std::string& pointsText) {
    if (comment.empty() && pointsText.empty()) return AddEntryResult::Empty;
    if (checkComment(comment)) return AddEntryResult::Refused;
    TeamRecord& team = teamRecord(store.teams, store.teams.CurrentTeam);
    if (team.TeamEntryCount >= MaxEntries) return AddEntryResult::Full;
    noteChange(store, teamFileName(store.league.LeagueFilePath), "Enter Team Points");
    team.TeamEntryCount = static_cast<int16_t>(team.TeamEntryCount + 1);
    TeamEntry& entry = team.entry[team.TeamEntryCount];
    entry.TeamEntryText = comment;
    entry.TeamEntryManual = toSingle(leadingNumber(manualText));
    entry.TeamEntryPoints = toSingle(leadingNumber(pointsText));
    return AddEntryResult::Added;
}

Failure checkComment(std::string_view comment) {
    return checkText(comment, "A comment");
}

void removeTeamEntries(Store& store, const std::vector<int>& entries) {
    TeamRecord& team = teamRecord(store.teams, store.teams.CurrentTeam);
    if (!entries.empty()) noteChange(store, teamFileName(store.league.LeagueFilePath), "Remove Team Points");
    const std::set<int> removed(entries.begin(), entries.end());
    int kept = 0;
    for (int e = 1; e <= team.TeamEntryCount && e <= MaxEntries; ++e) {
        if (removed.count(e)) continue;
        ++kept;
        if (kept != e) team.entry[kept] = team.entry[e];
    }
    team.TeamEntryCount = static_cast<int16_t>(kept);
}

bool pointsPending(const std::string& manualText, const std::string& pointsText) {
    return !manualText.empty() || !pointsText.empty();
}

Message pendingPointsQuestion() {
    return {"Team Point Records",
            "Points were entered but not added to the list.   Do you want to add them to this team's Record "
            "before switching to another team or exiting?",
            Icon::Question};
}

} // namespace tallyrock
