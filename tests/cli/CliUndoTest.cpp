// `undo --list` and `undo`: a removed player comes back with rounds and team, byte for byte.
#include "cli/CliRunner.h"
#include "core/TestFiles.h"

#include <gtest/gtest.h>

using namespace tallyrock::test;

namespace {

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        out.push_back(text.substr(start, end - start));
    return out;
}

} // namespace

TEST(CliUndo, ARemovedPlayerWithRoundsAndTeamComesBackByteForByte) {
    TempDir dir;
    auto run = [&](const std::vector<std::string>& args) {
        CliResult r = runCli(dir.path(), args);
        EXPECT_EQ(r.status, 0) << r.err;
        return r;
    };
    run({"create-league", "Club"});
    run({"add-course", "--name", "Pine Hills", "--pars", "4,4,3,5,4,4,3,5,4,4,4,3,5,4,4,3,5,4"});
    for (const char* name : {"Ann Lee", "Mary O'Hara", "Cyd Moss"}) {
        run({"add-player", "Club", name});
        for (const char* date : {"06/05/26", "06/12/26"})
            run({"record", "Club", "--player", name, "--course", "Pine Hills", "--date", date, "--out", "45",
                 "--in", "43"});
    }
    // Ann and Cyd in Eagles with two entries, Mary in Hawks.
    writeFile(dir / "Club.tea", crlf({" 2 ", "Eagles", "Hawks", " 1 ", " 2 ", " 1 ", " 2 ", "Week 1", " 12 ",
                                      " 3.5 ", "Week 2", " 15 ", " 4 ", " 0 "}));
    // An export and a printout in the data folder are no change to undo: the list below does not hold them.
    run({"export", "Club", "rounds", "rounds.csv"});
    run({"print", "Club", "short", "--text", "short.txt"});
    auto before = dataFiles(dir.path());
    run({"remove-player", "Club", "Mary O'Hara"});
    auto removed = dataFiles(dir.path());
    ASSERT_NE(removed.at("Club.LGE"), before.at("Club.LGE"));
    ASSERT_NE(removed.at("Club.tea"), before.at("Club.tea"));

    std::vector<std::string> list = lines(run({"undo", "--list"}).out);
    ASSERT_EQ(list.size(), 12u); // the league, the course, three players with two rounds each, the removal
    EXPECT_TRUE(list[0].starts_with("1  ")) << list[0];
    EXPECT_TRUE(list[0].ends_with("  tallyrock-cli  Remove Player Mary O'Hara")) << list[0];
    EXPECT_TRUE(list[1].ends_with("  Record Round for Cyd Moss")) << list[1];
    EXPECT_TRUE(list[11].starts_with("12  ") && list[11].ends_with("  Create League Club")) << list[11];

    EXPECT_EQ(run({"undo"}).out, "Undone: Remove Player Mary O'Hara\n");
    EXPECT_EQ(dataFiles(dir.path()), before);
    EXPECT_TRUE(lines(run({"undo", "--list"}).out).at(0).ends_with("  Undo Remove Player Mary O'Hara"));
    EXPECT_EQ(run({"undo"}).out, "Undone: Undo Remove Player Mary O'Hara\n");
    EXPECT_EQ(dataFiles(dir.path()), removed);
}

// Exit status 1, with no file changed: nothing to undo, or a file changed since by hand.
TEST(CliUndo, RefusesWhenThereIsNothingOrAFileChangedSince) {
    TempDir dir;
    CliResult none = runCli(dir.path(), {"undo"});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.err, "There is nothing to undo.\n");
    EXPECT_EQ(runCli(dir.path(), {"undo", "--list"}).out, "");

    ASSERT_EQ(runCli(dir.path(), {"create-league", "Club"}).status, 0);
    ASSERT_EQ(runCli(dir.path(), {"add-player", "Club", "Ann Lee"}).status, 0);
    writeFile(dir / "Club.LGE", readFile(dir / "Club.LGE") + " 1 \r\n");
    auto before = folderSnapshot(dir.path());
    CliResult changed = runCli(dir.path(), {"undo"});
    EXPECT_EQ(changed.status, 1);
    EXPECT_EQ(changed.err, "Club.LGE has been changed since \"Add Player Ann Lee\",\n"
                           "so undoing it would lose that later change. No file was changed.\n");
    EXPECT_EQ(folderSnapshot(dir.path()), before);
}
