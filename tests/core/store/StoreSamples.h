#pragma once
// Filled tables for the store tests, and ways to compare them and the files
// they leave on disk.

#include "core/TestFiles.h"
#include "store/Message.h"
#include "store/Store.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace tallyrock::test {

// Players "Player, Number p" with `rounds` rounds each; every value differs by
// player, round and hole, and diffs include negatives and fractions.
void fillLeague(Store& store, int players, int rounds);
// Course c named `name`: par 4 on every hole, ratings 70.5/71.2/72.8, slopes
// 120/125/131, initials from the name, and field 30 holding "kept".
void fillCourse(CourseTable& courses, int c, const std::string& name);
// Two teams, the first with two entries and the second with none; players
// 1..4 in teams 1, 2, 0, 1.
void fillTeams(Store& store);

::testing::AssertionResult samePlayer(const PlayerRecord& expected, const PlayerRecord& actual);
// The failure is there and carries this title, text and icon.
::testing::AssertionResult isMessage(const Failure& failure, const std::string& title,
                                     const std::string& text, Icon icon = Icon::None);

} // namespace tallyrock::test
