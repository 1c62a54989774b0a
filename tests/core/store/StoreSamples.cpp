#include "StoreSamples.h"

#include <array>
#include <tuple>

namespace tallyrock::test {

void fillLeague(Store& store, int players, int rounds) {
    store.league.PlayerCount = static_cast<int16_t>(players);
    for (int p = 1; p <= players; ++p) {
        PlayerRecord& pl = store.player(p);
        pl.clearRecord();
        pl.PlayerName = "Player, Number " + std::to_string(p);
        pl.PlayerTee = static_cast<int16_t>(1 + p % 3);
        pl.RoundCount = static_cast<int16_t>(rounds);
        for (int r = 1; r <= rounds; ++r) {
            RoundRecord& rd = pl.round[static_cast<std::size_t>(r)];
            // Values with a short decimal form, so that the file's seven digits hold them exactly.
            rd.RoundDiff = static_cast<float>((p * 10 + r) / 10.0 - 3.0);
            rd.RoundMonth = static_cast<int16_t>(1 + (p + r) % 12);
            rd.RoundDay = static_cast<int16_t>(1 + (p * 3 + r) % 31);
            rd.RoundYear = static_cast<int16_t>((p + r * 7) % 100);
            rd.RoundIndex = static_cast<float>(p + r) / 4.0f;
            rd.RoundCourseHcp = static_cast<float>((p + r) % 37);
            rd.RoundCourse = static_cast<int16_t>(1 + (p + r) % 200);
            for (int h = 1; h <= 18; ++h)
                rd.HoleScore[static_cast<std::size_t>(h)] = static_cast<int16_t>(2 + (p + r + h) % 7);
            rd.HoleScore[OutSlot] = static_cast<int16_t>(30 + p % 20);
            rd.HoleScore[InSlot] = static_cast<int16_t>(31 + r % 20);
        }
    }
}

void fillCourse(CourseTable& courses, int c, const std::string& name) {
    auto& f = courses.CourseField[static_cast<std::size_t>(c)];
    f[field::Name] = name;
    f[field::OutPar] = "36";
    f[field::InPar] = "36";
    f[field::TotalPar] = " 72";
    for (int h = 1; h <= 18; ++h)
        f[static_cast<std::size_t>(field::holePar(h))] = " 4";
    for (int t = 1; t <= 3; ++t) {
        f[static_cast<std::size_t>(field::rating(t))] = std::array{" 70.5", " 71.2", " 72.8"}[t - 1];
        f[static_cast<std::size_t>(field::slope(t))] = std::array{" 120", " 125", " 131"}[t - 1];
    }
    f[field::Initials] = name.substr(0, 2);
    f[field::Unused] = "kept";
}

void fillTeams(Store& store) {
    TeamTables& teams = store.teams;
    teams.TeamCount = 2;
    teams.team[1].TeamName = "Eagles, North";
    teams.team[2].TeamName = "Birdies";
    teams.team[1].TeamEntryCount = 2;
    teams.team[1].entry[1] = {"Week 1, 05-02", 12.5f, 3};
    teams.team[1].entry[2] = {"Week 2", -1.5f, 0.5f};
    teams.team[2].TeamEntryCount = 0;
    teams.PlayerTeam[1] = 1;
    teams.PlayerTeam[2] = 2;
    teams.PlayerTeam[3] = 0;
    teams.PlayerTeam[4] = 1;
}

::testing::AssertionResult samePlayer(const PlayerRecord& expected, const PlayerRecord& actual) {
    if (expected.PlayerName != actual.PlayerName)
        return ::testing::AssertionFailure()
               << "name '" << actual.PlayerName << "', expected '" << expected.PlayerName << "'";
    if (expected.PlayerTee != actual.PlayerTee || expected.RoundCount != actual.RoundCount)
        return ::testing::AssertionFailure() << "tee or round count differs for " << expected.PlayerName;
    auto values = [](const RoundRecord& r) {
        return std::tie(r.RoundDiff, r.RoundMonth, r.RoundDay, r.RoundYear, r.RoundIndex, r.RoundCourseHcp,
                        r.RoundCourse, r.HoleScore);
    };
    for (std::size_t r = 1; r <= MaxRounds; ++r)
        if (values(expected.round[r]) != values(actual.round[r]))
            return ::testing::AssertionFailure() << "round " << r << " differs for " << expected.PlayerName;
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult isMessage(const Failure& failure, const std::string& title,
                                     const std::string& text, Icon icon) {
    if (!failure) return ::testing::AssertionFailure() << "no failure, expected \"" << text << "\"";
    if (failure->title != title || failure->text != text || failure->icon != icon)
        return ::testing::AssertionFailure() << "failure \"" << failure->title << "\": \"" << failure->text
                                             << "\", icon " << static_cast<int>(failure->icon);
    return ::testing::AssertionSuccess();
}

} // namespace tallyrock::test
