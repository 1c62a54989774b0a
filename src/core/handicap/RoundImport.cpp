#include "RoundImport.h"

#include "roster/CourseOps.h"
#include "roster/PlayerOps.h"
#include "store/FileNames.h"
#include "store/LineReader.h"
#include "store/NumberText.h"
#include "store/RuleOptions.h"

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <variant>

namespace tallyrock {

namespace {

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

bool allDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A whole number from 0 to `highest` written in digits only.
std::optional<int> wholeNumber(std::string_view text, int highest) {
    text = trimmed(text);
    while (text.size() > 1 && text.front() == '0')
        text.remove_prefix(1);
    if (!allDigits(text) || text.size() > 5) return std::nullopt;
    int value = std::stoi(std::string(text));
    if (value > highest) return std::nullopt;
    return value;
}

std::string inQuotes(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

int daysInMonth(int month, int year) {
    static constexpr int days[] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month];
}

std::string checkTee(const Store& store, const RoundFields& fields, int player, int& tee) {
    std::string_view text = trimmed(fields.tee);
    if (text.empty()) {
        tee = store.player(player).PlayerTee;
        if (!isTee(tee)) return "the player's default tee " + plainNumber(tee) + " is not 1, 2 or 3";
        return {};
    }
    auto value = wholeNumber(text, ProTee);
    if (!value || !isTee(*value)) return "tee " + inQuotes(fields.tee) + " is not 1, 2 or 3";
    tee = *value;
    return {};
}

std::string checkScores(const RoundFields& fields, RoundInput& input) {
    HoleScores scores{};
    bool anyHole = false;
    for (int h = 1; h <= 18; ++h) {
        const std::string& text = fields.holes[h];
        if (trimmed(text).empty()) continue;
        auto value = wholeNumber(text, 99);
        if (!value)
            return "hole " + plainNumber(h) + " " + inQuotes(text) + " is not a whole number from 0 to 99";
        scores[h] = static_cast<int16_t>(*value);
        anyHole = anyHole || *value != 0;
    }
    struct Total {
        const char* name;
        const std::string& text;
        int firstHole;
        std::optional<int> value;
    };
    std::array<Total, 2> totals{{{"out", fields.out, 1, std::nullopt}, {"in", fields.in, 10, std::nullopt}}};
    for (Total& t : totals) {
        if (trimmed(t.text).empty()) continue;
        t.value = wholeNumber(t.text, 999);
        if (!t.value)
            return std::string(t.name) + " " + inQuotes(t.text) + " is not a whole number from 0 to 999";
    }
    for (std::size_t k = 0; k < totals.size(); ++k) {
        const Total& t = totals[k];
        int sum = 0;
        for (int h = t.firstHole; h < t.firstHole + 9; ++h)
            sum += scores[h];
        if (anyHole && t.value && *t.value != sum)
            return std::string(t.name) + " " + plainNumber(*t.value) + " does not match holes " +
                   plainNumber(t.firstHole) + "-" + plainNumber(t.firstHole + 8) + ", which add up to " +
                   plainNumber(sum);
        scores[k == 0 ? OutSlot : InSlot] = static_cast<int16_t>(anyHole ? sum : t.value.value_or(0));
    }
    if (scores[OutSlot] == 0 && scores[InSlot] == 0) return "no score: out and in are both 0";
    input.scores = scores;
    input.fromHoles = anyHole;
    return {};
}

std::string checkCourseUsable(const Store& store, const RoundInput& input) {
    CalcValues values;
    setRoundRatingAndSlope(values, store, input.course, input.tee);
    std::string reason = unusableCourseReason(values, store, input.course, input.tee);
    if (reason.empty() && whsMethod(store.settings)) reason = whsCourseReason(store, input.course, input.tee);
    return reason;
}

} // namespace

bool parseRoundDate(std::string_view text, int16_t& month, int16_t& day, int16_t& year) {
    text = trimmed(text);
    // MM/DD/YY as typed, or YYYY-MM-DD as spreadsheets and the exports write it.
    const bool dashed = text.find('/') == std::string_view::npos;
    const char mark = dashed ? '-' : '/';
    std::size_t first = text.find(mark);
    std::size_t second = first == std::string_view::npos ? first : text.find(mark, first + 1);
    if (second == std::string_view::npos) return false;
    std::string_view a = text.substr(0, first), b = text.substr(first + 1, second - first - 1),
                     c = text.substr(second + 1);
    std::string_view m = dashed ? b : a, d = dashed ? c : b, y = dashed ? a : c;
    if (!allDigits(m) || !allDigits(d) || !allDigits(y) || m.size() > 2 || d.size() > 2) return false;
    if (y.size() != 4 && (dashed || y.size() != 2)) return false;
    int mm = std::stoi(std::string(m)), dd = std::stoi(std::string(d)), yy = std::stoi(std::string(y));
    int full = y.size() == 4 ? yy : fullYear(yy);
    if (full < 1985 || full > 2084 || mm < 1 || mm > 12 || dd < 1 || dd > daysInMonth(mm, full)) return false;
    month = static_cast<int16_t>(mm);
    day = static_cast<int16_t>(dd);
    year = static_cast<int16_t>(full % 100);
    return true;
}

std::string checkNewRound(const Store& store, const RoundFields& fields, RoundInput& input) {
    int player = findPlayer(store.league, fields.player);
    if (player == 0) return "no player named " + inQuotes(fields.player);
    int course = findCourse(store.courses, fields.course);
    if (course == 0) return "no course named " + inQuotes(fields.course);
    RoundInput checked;
    checked.player = player;
    checked.course = course;
    if (!parseRoundDate(fields.date, checked.month, checked.day, checked.year))
        return "date " + inQuotes(fields.date) +
               " is not MM/DD/YY, MM/DD/YYYY or YYYY-MM-DD from 1985 to 2084";
    if (std::string reason = checkTee(store, fields, player, checked.tee); !reason.empty()) return reason;
    if (std::string reason = checkScores(fields, checked); !reason.empty()) return reason;
    if (std::string reason = checkCourseUsable(store, checked); !reason.empty()) return reason;
    input = checked;
    return {};
}

std::string checkPlayerSlot(const Store& store, const std::string& playerName, int slot, int& player) {
    player = findPlayer(store.league, playerName);
    if (player == 0) return "no player named " + inQuotes(playerName);
    if (slot < 1 || slot > std::min<int>(store.player(player).RoundCount, MaxRounds))
        return "player " + inQuotes(playerName) + " has no round in slot " + plainNumber(slot);
    return {};
}

std::string checkEditedRound(const Store& store, const RoundFields& fields, int slot, RoundInput& input) {
    RoundInput checked;
    if (std::string reason = checkPlayerSlot(store, fields.player, slot, checked.player); !reason.empty())
        return reason;
    const RoundRecord& stored = store.player(checked.player).round[slot];
    checked.course = stored.RoundCourse;
    checked.month = stored.RoundMonth;
    checked.day = stored.RoundDay;
    checked.year = stored.RoundYear;
    if (std::string reason = checkTee(store, fields, checked.player, checked.tee); !reason.empty())
        return reason;
    if (std::string reason = checkScores(fields, checked); !reason.empty()) return reason;
    if (std::string reason = checkCourseUsable(store, checked); !reason.empty()) return reason;
    input = checked;
    return {};
}

RecordResult recordRound(Store& store, RoundRecorder& recorder, const RoundInput& input, int editSlot) {
    store.EditSlot = static_cast<int16_t>(editSlot);
    store.CurrentPlayer = static_cast<int16_t>(input.player);
    store.CurrentCourse = static_cast<int16_t>(input.course);
    store.EntryMonth = input.month;
    store.EntryDay = input.day;
    store.EntryYear = input.year;
    return recorder.recordTyped(input.scores, input.fromHoles, input.tee);
}

namespace {

// Column kinds besides the holes, which are their hole numbers 1..18. The
// values the rounds export adds after the scores are worked out again when
// the round is recorded, so their columns are read past.
constexpr int DateColumn = -1, PlayerColumn = -2, CourseColumn = -3, TeeColumn = -4, OutColumn = -5,
              InColumn = -6, DifferentialColumn = -7, IndexColumn = -8, CourseHandicapColumn = -9;

// Column kind by header name, letter case and blanks around it ignored.
std::optional<int> columnKind(std::string_view header) {
    std::string name = upperCase(trimmed(header));
    static const std::map<std::string, int> named{{"DATE", DateColumn},
                                                  {"PLAYER", PlayerColumn},
                                                  {"COURSE", CourseColumn},
                                                  {"TEE", TeeColumn},
                                                  {"OUT", OutColumn},
                                                  {"IN", InColumn},
                                                  {"DIFFERENTIAL", DifferentialColumn},
                                                  {"INDEX", IndexColumn},
                                                  {"COURSE_HANDICAP", CourseHandicapColumn}};
    if (auto it = named.find(name); it != named.end()) return it->second;
    if (name.size() >= 2 && name.size() <= 3 && name[0] == 'H' && allDigits(name.substr(1)) &&
        name[1] != '0') {
        int hole = std::stoi(name.substr(1));
        if (hole >= 1 && hole <= 18) return hole;
    }
    return std::nullopt;
}

bool blankRecord(const CsvRecord& record) {
    return std::all_of(record.fields.begin(), record.fields.end(),
                       [](const std::string& f) { return f.empty(); });
}

std::string lineText(int line) {
    return "line " + plainNumber(line) + ": ";
}

// The column kinds the header names, or the reason it cannot be read.
std::variant<std::vector<int>, std::string> headerKinds(const CsvRecord& header) {
    std::vector<int> kinds;
    for (const std::string& name : header.fields) {
        auto kind = columnKind(name);
        if (!kind) return lineText(header.line) + "unknown column " + inQuotes(name);
        if (std::find(kinds.begin(), kinds.end(), *kind) != kinds.end())
            return lineText(header.line) + "column " + inQuotes(name) + " appears twice";
        kinds.push_back(*kind);
    }
    for (auto [kind, name] :
         {std::pair{DateColumn, "date"}, {PlayerColumn, "player"}, {CourseColumn, "course"}}) {
        if (std::find(kinds.begin(), kinds.end(), kind) == kinds.end())
            return lineText(header.line) + "the column " + inQuotes(name) + " is missing";
    }
    return kinds;
}

// A row's fields by the kinds of their columns.
RoundFields roundFields(const std::vector<int>& kinds, const CsvRecord& record) {
    RoundFields fields;
    for (std::size_t k = 0; k < kinds.size(); ++k) {
        const std::string& value = record.fields[k];
        switch (kinds[k]) {
        case DateColumn:
            fields.date = value;
            break;
        case PlayerColumn:
            fields.player = value;
            break;
        case CourseColumn:
            fields.course = value;
            break;
        case TeeColumn:
            fields.tee = value;
            break;
        case OutColumn:
            fields.out = value;
            break;
        case InColumn:
            fields.in = value;
            break;
        case DifferentialColumn:
        case IndexColumn:
        case CourseHandicapColumn:
            break;
        default:
            fields.holes[kinds[k]] = value;
            break;
        }
    }
    return fields;
}

struct ImportRow {
    int line;
    RoundInput input;
};

// Records the checked rows in turn. Stroke control can still empty a round's
// score; then nothing of the file is kept.
void recordRows(Store& store, const std::vector<ImportRow>& rows, ImportResult& result) {
    const LeagueTables before = store.league;
    RoundRecorder recorder(store);
    for (const ImportRow& row : rows) {
        RecordResult recorded = recordRound(store, recorder, row.input, 0);
        if (recorded.outcome != RecordOutcome::Recorded) {
            store.league = before;
            result.errors.push_back(lineText(row.line) + (recorded.message
                                                              ? recorded.message->text
                                                              : "no score after stroke control"));
            return;
        }
        if (whsMethod(store.settings)) {
            result.panel.push_back(store.player(row.input.player).PlayerName);
            result.panel.insert(result.panel.end(), recorder.panel().begin(), recorder.panel().end());
        }
    }
    result.recorded = static_cast<int>(rows.size());
}

} // namespace

ImportResult importRounds(Store& store, std::string_view csvText) {
    ImportResult result;
    CsvParse csv = parseCsv(csvText);
    if (!csv.error.empty()) {
        result.errors.push_back(lineText(csv.errorLine) + csv.error);
        return result;
    }
    auto header = std::find_if(csv.records.begin(), csv.records.end(),
                               [](const CsvRecord& r) { return !blankRecord(r); });
    if (header == csv.records.end()) {
        result.errors.push_back(lineText(1) + "the header row naming the columns is missing");
        return result;
    }
    auto kindsOrReason = headerKinds(*header);
    if (auto* reason = std::get_if<std::string>(&kindsOrReason)) {
        result.errors.push_back(*reason);
        return result;
    }
    const auto& kinds = std::get<std::vector<int>>(kindsOrReason);

    std::vector<ImportRow> rows;
    for (auto record = header + 1; record != csv.records.end(); ++record) {
        if (blankRecord(*record)) continue;
        if (record->fields.size() != kinds.size()) {
            result.errors.push_back(lineText(record->line) +
                                    plainNumber(static_cast<long long>(record->fields.size())) +
                                    " fields where the header names " +
                                    plainNumber(static_cast<long long>(kinds.size())) + " columns");
            continue;
        }
        ImportRow row{record->line, {}};
        if (std::string reason = checkNewRound(store, roundFields(kinds, *record), row.input);
            !reason.empty())
            result.errors.push_back(lineText(record->line) + reason);
        else
            rows.push_back(row);
    }
    if (result.errors.empty()) recordRows(store, rows, result);
    return result;
}

ImportFile readImportFile(const std::filesystem::path& path) {
    BoundedFile file = readBoundedFile(path, MaxImportFileBytes);
    const std::string name = path.string();
    switch (file.result) {
    case FileRead::Read:
        return {std::move(file.text), {}};
    case FileRead::NotRegular:
        return {{}, "cannot import " + name + ": it is not a regular file"};
    case FileRead::TooLarge:
        return {{},
                "cannot import " + name + ": it is larger than " +
                    plainNumber(static_cast<long long>(MaxImportFileBytes >> 20)) + " MB"};
    case FileRead::Unreadable:
        break;
    }
    return {{}, "cannot read " + name};
}

} // namespace tallyrock
