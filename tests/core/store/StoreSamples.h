#pragma once
// Filled tables for the store tests, and ways to compare them and the files they leave on disk.

#include "core/TestFiles.h"
#include "store/Message.h"
#include "store/Store.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace tallyrock::test {

// "Player, Number p" with `rounds` rounds; values differ by player, round, hole; negative, fractional diffs.
void fillLeague(Store& store, int players, int rounds);
// Course c named `name`: par 4, ratings 70.5/71.2/72.8, slopes 120/125/131, initials, field 30 "kept".
void fillCourse(CourseTable& courses, int c, const std::string& name);
// Two teams, the first with two entries and the second with none; players 1..4 in teams 1, 2, 0, 1.
void fillTeams(Store& store);

::testing::AssertionResult samePlayer(const PlayerRecord& expected, const PlayerRecord& actual);
// The failure is there and carries this title, text and icon.
::testing::AssertionResult isMessage(const Failure& failure, const std::string& title,
                                     const std::string& text, Icon icon = Icon::None);

} // namespace tallyrock::test
