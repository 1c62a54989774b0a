#include "RoundRecorder.h"

#include "store/LeagueFile.h"
#include "store/NumberText.h"
#include "store/UndoLog.h"

#include <algorithm>

namespace tallyrock {

Message unusableCourseMessage(const std::string& reason) {
    return {"Tallyrock",
            joinLines({"This round cannot be recorded:", reason + ".",
                       "No handicap differential can be computed without it."}),
            Icon::Exclamation};
}

Message deleteRoundQuestion() {
    return {"VEXA",
            joinLines({"Are You sure you want to Delete this round?", "",
                       "After the round is deleted, the Hcp", "index will be recalculated for the last round",
                       "entered for this player using their default tee."}),
            Icon::Question};
}

Message pausingMessage() {
    return {" ", " Pausing...", Icon::None};
}

Message unsavedRoundsQuestion(int count) {
    std::string text =
        count == 1 ? "1 round recorded this evening is not saved yet. Save it now?"
                   : plainNumber(count) + " rounds recorded this evening are not saved yet. Save them now?";
    return {"Tallyrock", text, Icon::Question};
}

namespace {
Message noSuchRound() {
    return {"Tallyrock", "That round is not stored for this player.", Icon::Exclamation};
}
// A round count no league file holds would move rounds outside the table.
void keepCountInTable(PlayerRecord& player) {
    player.RoundCount = std::clamp<int16_t>(player.RoundCount, 0, MaxRounds);
}
Message noPlayer() {
    return {"Tallyrock", "No player of the league is chosen for this round.", Icon::Exclamation};
}
} // namespace

void DropOldestRound(PlayerRecord& player) {
    for (std::size_t r = 1; r < MaxRounds; ++r)
        player.round[r] = player.round[r + 1];
}

void RoundRecorder::FindNextMarkedPlayer() {
    m_store.CurrentPlayer = 0;
    int count = std::min<int>(m_store.league.PlayerCount, MaxPlayers);
    for (int p = 1; p <= count; ++p) {
        if (m_store.player(p).PlayerMark != 0) {
            m_store.CurrentPlayer = static_cast<int16_t>(p);
            return;
        }
    }
}

bool RoundRecorder::AdvanceToNextPlayer() {
    int p = m_store.CurrentPlayer;
    if (p >= 1 && p <= MaxPlayers) m_store.player(p).PlayerMark = 0;
    FindNextMarkedPlayer();
    return m_store.CurrentPlayer != 0;
}

Failure RoundRecorder::FinishEntry() {
    m_store.CourseFormMode = CourseWindowMode::None;
    return SaveLeagueFile(m_store);
}

bool RoundRecorder::strokeControlOn() const {
    return !whsMethod(m_store.settings) && m_store.settings.StrokeOption > stored(StrokeControl::None);
}

HoleScores RoundRecorder::EQadjust(const HoleScores& holes) const {
    return tallyrock::EQadjust(m_store, holes);
}

void RoundRecorder::calculate(int p, int tee) {
    ComputeRoundDifferential(m_values, m_store, p);
    m_store.player(p).round[m_values.RoundSlot].RoundDiff = m_values.RoundDifferential;
    ComputeHandicapIndex(m_values, m_store, p, tee, m_panel);
    storeCourseHandicap(m_values, m_store, p);
}

void RoundRecorder::calculateWhs(int p, std::vector<WhsRoundInput> rounds, int from, bool olderDropped) {
    const PlayerRecord& player = m_store.player(p);
    for (std::size_t k = 0; k < rounds.size(); ++k) {
        rounds[k].slot = static_cast<int>(k) + 1;
        rounds[k].rewrite = rounds[k].slot >= from;
    }
    WhsPlayerWork work = workWhs(m_store, rounds, player.PlayerTee, olderDropped);
    storeWhsWork(m_store, p, work);
    m_panel = whsPanel(work, from);
    int later = static_cast<int>(rounds.size()) - from;
    if (later > 0)
        m_panel.push_back(plainNumber(later) + (later == 1 ? " later round" : " later rounds") +
                          " worked again from the new index before them");
}

RecordResult RoundRecorder::record(const HoleScores& scores, int tee) {
    if (scores[OutSlot] == 0 && scores[InSlot] == 0) return {RecordOutcome::NoScore, std::nullopt};
    int p = m_store.CurrentPlayer;
    int course = m_store.CurrentCourse;
    if (p < 1 || p > m_store.league.PlayerCount || p > MaxPlayers)
        return {RecordOutcome::Refused, noPlayer()};
    PlayerRecord& player = m_store.player(p);
    keepCountInTable(player);
    int editSlot = m_store.EditSlot;
    if (editSlot >= 1 && editSlot > player.RoundCount) return {RecordOutcome::Refused, noSuchRound()};

    setRoundRatingAndSlope(m_values, m_store, course, tee);
    std::string reason = unusableCourseReason(m_values, m_store, course, tee);
    if (!reason.empty()) return {RecordOutcome::Refused, unusableCourseMessage(reason)};
    const bool whs = whsMethod(m_store.settings);
    if (whs) {
        reason = whsCourseReason(m_store, course, tee);
        if (!reason.empty()) return {RecordOutcome::Refused, whsCourseMessage(reason)};
    }
    // The held rounds with the tees they were played from, read before any slot changes.
    std::vector<WhsRoundInput> held = whs ? heldWhsRounds(m_store, p) : std::vector<WhsRoundInput>{};
    const bool olderDropped = player.RoundCount >= MaxRounds;

    if (editSlot >= 1) {
        noteChange(m_store, m_store.league.LeagueFilePath, "Correct Round of " + player.PlayerName);
        m_values.RoundSlot = static_cast<int16_t>(editSlot);
    } else {
        noteRoundRecorded(m_store, player.PlayerName);
        if (player.RoundCount < MaxRounds)
            ++player.RoundCount;
        else
            DropOldestRound(player);
        m_values.RoundSlot = player.RoundCount;
    }

    RoundRecord& rd = player.round[m_values.RoundSlot];
    rd.RoundMonth = m_store.EntryMonth;
    rd.RoundDay = m_store.EntryDay;
    rd.RoundYear = m_store.EntryYear;
    rd.RoundCourse = static_cast<int16_t>(course);
    for (int h = 1; h <= HoleSlots; ++h)
        rd.HoleScore[h] = scores[h];

    if (!whs) {
        calculate(p, tee);
        return {};
    }
    WhsRoundInput round;
    round.month = rd.RoundMonth;
    round.day = rd.RoundDay;
    round.year = rd.RoundYear;
    round.course = course;
    round.tee = tee;
    round.holes = rd.HoleScore;
    if (editSlot >= 1) {
        held[editSlot - 1] = round;
    } else {
        if (held.size() >= static_cast<std::size_t>(MaxRounds)) held.erase(held.begin());
        held.push_back(round);
    }
    calculateWhs(p, held, m_values.RoundSlot, olderDropped);
    return {};
}

RecordResult RoundRecorder::recordTyped(const HoleScores& typed, bool sumTotals, int tee) {
    HoleScores scores = strokeControlOn() ? EQadjust(typed) : typed;
    if (sumTotals) {
        int out = 0, in = 0;
        for (std::size_t h = 1; h <= 9; ++h)
            out += scores[h];
        for (std::size_t h = 10; h <= 18; ++h)
            in += scores[h];
        scores[OutSlot] = static_cast<int16_t>(out);
        scores[InSlot] = static_cast<int16_t>(in);
    }
    return record(scores, tee);
}

Failure RoundRecorder::deleteRound(int shownTee) {
    int p = m_store.CurrentPlayer;
    if (p < 1 || p > MaxPlayers) return std::nullopt;
    PlayerRecord& player = m_store.player(p);
    keepCountInTable(player);
    int slot = m_store.EditSlot;
    if (slot < 1 || slot > player.RoundCount) return std::nullopt;
    noteChange(m_store, m_store.league.LeagueFilePath, "Delete Round of " + player.PlayerName);

    const bool whs = whsMethod(m_store.settings);
    std::vector<WhsRoundInput> held = whs ? heldWhsRounds(m_store, p) : std::vector<WhsRoundInput>{};
    const bool olderDropped = player.RoundCount >= MaxRounds;
    --player.RoundCount;
    for (int r = slot; r <= player.RoundCount; ++r)
        player.round[r] = player.round[r + 1];

    int n = player.RoundCount;
    if (whs) {
        // The rounds after the deleted one are worked again from the index before them;
        // the slot let go holds nothing, as in a league that never had the round.
        player.round[n + 1] = RoundRecord{};
        held.erase(held.begin() + (slot - 1));
        m_panel.clear();
        if (slot <= n) calculateWhs(p, held, slot, olderDropped);
    } else if (n >= 1) {
        // The newest round again, from the default tee, with the rating and slope
        // recording uses; a course that cannot give a differential keeps its values.
        m_store.CurrentCourse = player.round[n].RoundCourse;
        int tee = player.PlayerTee;
        setRoundRatingAndSlope(m_values, m_store, m_store.CurrentCourse, tee);
        if (unusableCourseReason(m_values, m_store, m_store.CurrentCourse, tee).empty()) {
            m_values.RoundSlot = static_cast<int16_t>(n);
            calculate(p, shownTee);
        }
    }
    if (!whs) m_panel.clear(); // the World Handicap System's panel tells what was worked again
    m_store.CurrentPlayer = 0;
    return FinishEntry();
}

} // namespace tallyrock
