#include "RoundsView.h"

#include "handicap/WhsEngine.h"
#include "store/FileNames.h"
#include "store/NumberText.h"

#include <algorithm>

namespace tallyrock {

namespace {

// One space in front of a text shorter than the width; never more.
std::string padTo(const std::string& text, std::size_t width) {
    return charCount(text) < width ? " " + text : text;
}

std::string twoDigits(int value) {
    std::string text = plainNumber(value);
    return text.size() == 1 ? "0" + text : text;
}

// Index and course handicap: one leading space for values that show a single
// digit before the point.
bool oneDigitAbove(double value) {
    return value > -0.1 && value < 10;
}

int playerCount(const Store& store) {
    return std::clamp<int>(store.league.PlayerCount, 0, MaxPlayers);
}
int roundCount(const PlayerRecord& player) {
    return std::clamp<int>(player.RoundCount, 0, MaxRounds);
}

void spacesWhileShorter(std::string& line, int most, std::size_t length) {
    for (int i = 0; i < most; ++i)
        if (charCount(line) < length) line += ' ';
}

} // namespace

std::string nameUnderline() {
    return std::string(30, '_');
}
std::string roundUnderline() {
    return std::string(156, '_');
}

int32_t dateKey(const RoundRecord& round) {
    return fullYear(round.RoundYear) * 10000 + round.RoundMonth * 100 + round.RoundDay;
}

std::string roundLine(const Store& store, int p, int r, ViewMode mode) {
    const PlayerRecord& player = store.player(p);
    const RoundRecord& round = player.round[r];
    std::string line = twoDigits(round.RoundMonth) + "/" + twoDigits(round.RoundDay) + "/" +
                       twoDigits(round.RoundYear) + "   ";
    if (round.RoundCourse >= 1 && round.RoundCourse <= MaxCourses)
        line += store.courses.CourseField[round.RoundCourse][field::Initials];
    spacesWhileShorter(line, 3, 14);
    int out = round.HoleScore[OutSlot], in = round.HoleScore[InSlot];
    line += "   " + padTo(plainNumber(out), 2);
    line += "   " + padTo(plainNumber(in), 2);
    line += "  " + padTo(plainNumber(out + in), 3);
    line += "    ";
    if (!hasHandicap(round.RoundIndex))
        line += std::string("  ") + NoHandicapText;
    else if (oneDigitAbove(round.RoundIndex))
        line += ' ';
    if (hasHandicap(round.RoundIndex)) line += formatPattern(round.RoundIndex, "#0.0");
    spacesWhileShorter(line, 3, 37);
    line += "    ";
    for (int h = 1; h <= 18; ++h) {
        int score = round.HoleScore[h];
        line += (score == 0 ? std::string(" -") : padTo(plainNumber(score), 2)) + " ";
    }
    line += "  ";
    if (oneDigitAbove(round.RoundCourseHcp)) line += ' ';
    line += handicapText(round.RoundCourseHcp, "0") + "     ";
    switch (mode) {
    case ViewMode::Recent:
        line += padTo(plainNumber(player.PlayerMark), 2);
        break;
    case ViewMode::ByDate:
        line += padTo(plainNumber(player.RoundCount), 2);
        break;
    case ViewMode::Player:
        if (r == player.RoundCount) line += padTo(plainNumber(player.RoundCount), 2);
        break;
    }
    return line;
}

void RoundsView::clear() {
    m_lines.names = {NameHeading, nameUnderline()};
    m_lines.rounds = {RoundHeading, roundUnderline()};
    m_lines.note.clear();
}

void RoundsView::addRoundLine(const Store& store, int p, int r) {
    if (whsMethod(store.settings)) m_lines.note = std::string("Handicap indexes ") + WhsIndexNote + ".";
    m_lines.names.push_back(store.player(p).PlayerName);
    m_lines.rounds.push_back(roundLine(store, p, r, m_mode));
}

void RoundsView::show(Store& store) {
    switch (m_mode) {
    case ViewMode::Recent:
        for (int p = 1; p <= playerCount(store); ++p)
            store.player(p).PlayerMark = store.player(p).RoundCount;
        fillRecent(store);
        break;
    case ViewMode::ByDate:
        buildDateList(store);
        break;
    case ViewMode::Player:
        break;
    }
}

void RoundsView::fillRecent(const Store& store) {
    clear();
    for (int p = 1; p <= playerCount(store); ++p) {
        const PlayerRecord& player = store.player(p);
        if (player.PlayerMark >= 1 && player.PlayerMark <= MaxRounds && !player.PlayerName.empty())
            addRoundLine(store, p, player.PlayerMark);
    }
}

void RoundsView::buildDateList(const Store& store) {
    m_dateKeys.clear();
    for (int p = 1; p <= playerCount(store); ++p)
        for (int r = 1; r <= roundCount(store.player(p)); ++r)
            m_dateKeys.push_back(dateKey(store.player(p).round[r]));
    std::sort(m_dateKeys.begin(), m_dateKeys.end());
    m_dateKeys.erase(std::unique(m_dateKeys.begin(), m_dateKeys.end()), m_dateKeys.end());
    m_dateIndex = dateCount();
    fillDate(store);
}

void RoundsView::fillDate(const Store& store) {
    clear();
    if (m_dateIndex < 1 || m_dateIndex > dateCount()) return;
    int32_t shown = m_dateKeys[m_dateIndex - 1];
    for (int p = 1; p <= playerCount(store); ++p)
        for (int r = 1; r <= roundCount(store.player(p)); ++r)
            if (dateKey(store.player(p).round[r]) == shown) addRoundLine(store, p, r);
}

void RoundsView::fillPlayer(const Store& store, int player) {
    m_player = player;
    clear();
    if (player < 1 || player > MaxPlayers) return;
    for (int r = roundCount(store.player(player)); r >= 1; --r)
        addRoundLine(store, player, r);
}

std::optional<std::string> RoundsView::spinDown(Store& store) {
    if (m_mode == ViewMode::Recent) {
        for (int p = 1; p <= MaxPlayers; ++p)
            if (store.player(p).PlayerMark > 0) --store.player(p).PlayerMark;
        fillRecent(store);
        return EarlierRoundsText;
    }
    if (m_mode == ViewMode::ByDate && m_dateIndex >= 2) {
        --m_dateIndex;
        fillDate(store);
        return EarlierDatesText;
    }
    return std::nullopt;
}

std::optional<std::string> RoundsView::spinUp(Store& store) {
    if (m_mode == ViewMode::Recent) {
        bool moved = false;
        for (int p = 1; p <= MaxPlayers; ++p) {
            PlayerRecord& player = store.player(p);
            if (player.PlayerMark < player.RoundCount) {
                ++player.PlayerMark;
                moved = true;
            }
        }
        fillRecent(store);
        if (moved) return LaterRoundsText;
        return std::nullopt;
    }
    if (m_mode == ViewMode::ByDate && m_dateIndex < dateCount()) {
        ++m_dateIndex;
        fillDate(store);
        return LaterDatesText;
    }
    return std::nullopt;
}

} // namespace tallyrock
