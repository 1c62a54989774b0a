// Number text under a C locale with a decimal comma, as the desktop program
// runs for most European users: every data file reads and writes the same
// bytes as under the "C" locale, and every number text keeps its point.
#include "core/Samples.h"
#include "core/TestFiles.h"
#include "core/store/StoreSamples.h"
#include "store/CourseFile.h"
#include "store/LeagueFile.h"
#include "store/NumberText.h"
#include "store/SettingsFile.h"
#include "store/TeamFile.h"

#include <gtest/gtest.h>

#include <clocale>
#include <functional>

using namespace tallyrock;
using namespace tallyrock::test;
namespace fs = std::filesystem;

namespace {

// Switches the whole C locale of the process for the life of the object.
class ProcessLocale {
  public:
    explicit ProcessLocale(const char* name) : m_old(std::setlocale(LC_ALL, nullptr)) {
        m_active = std::setlocale(LC_ALL, name) != nullptr;
    }
    ~ProcessLocale() { std::setlocale(LC_ALL, m_old.c_str()); }
    ProcessLocale(const ProcessLocale&) = delete;
    ProcessLocale& operator=(const ProcessLocale&) = delete;
    bool active() const { return m_active; }

  private:
    std::string m_old;
    bool m_active = false;
};

Store mondayIn(const fs::path& dir) {
    Store store = storeIn(dir, "Monday.LGE");
    store.settingsDir = dir;
    return store;
}

// A store whose every file holds fractions, negatives and exponents.
Store filledStore(const fs::path& dir) {
    Store store = mondayIn(dir);
    fillLeague(store, 12, 20);
    store.player(3).round[4].RoundIndex = 1e7f;
    store.player(3).round[5].RoundDiff = 0.0001f;
    fillCourse(store.courses, 1, "Pine Creek Club");
    fillCourse(store.courses, 2, "Oak Hollow");
    store.courses.CourseCount = 2;
    Settings& s = store.settings;
    SetDefaults(s);
    s.LeagueCount = 2;
    s.LeagueList[1] = "Monday";
    s.LeagueList[2] = "Friday";
    s.IndexFactor = 0.85f;
    s.MensHcpMax = 36.4f;
    s.WomensHcpMax = 40.4f;
    s.CardHOffset = 0.5f;
    s.CardWDOffset = -1.25f;
    s.CardScaling = 1.125f;
    fillTeams(store);
    return store;
}

struct FileKind {
    const char* file;
    std::function<bool(Store&)> save, load;
};

const FileKind Kinds[] = {
    {"Monday.LGE", [](Store& s) { return !SaveLeagueFile(s); }, [](Store& s) { return !LoadLeagueFile(s); }},
    {"course.dat", [](Store& s) { return !SaveCourseFile(s); }, [](Store& s) { return !LoadCourseFile(s); }},
    {"vexa.ini", [](Store& s) { return SaveSettings(s); },
     [](Store& s) {
         LoadSettings(s);
         return true;
     }},
    {"vexa.dat", [](Store& s) { return !SaveLeagueList(s); }, [](Store& s) { return !LoadLeagueList(s); }},
    {"Monday.tea", [](Store& s) { return !SaveTeamFile(s); }, [](Store& s) { return LoadTeamFile(s); }},
};

} // namespace

TEST(CommaLocale, EveryFileKindAndNumberTextKeepsItsPoint) {
    TempDir dir;
    fs::create_directories(dir / "c");
    fs::create_directories(dir / "comma");
    // The files as written under the "C" locale the tests start in.
    Store original = filledStore(dir / "c");
    for (const FileKind& kind : Kinds)
        ASSERT_TRUE(kind.save(original)) << kind.file;
    ASSERT_NE(readFile(dir / "c" / "Monday.LGE").find(" 1E+07 "), std::string::npos);

    ProcessLocale comma("de_DE.UTF-8");
    ASSERT_TRUE(comma.active()) << "the de_DE.UTF-8 locale is missing: run scripts/setup.sh";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");

    // Each file read and written again under the comma locale: the same bytes.
    for (const FileKind& kind : Kinds) {
        Store store = mondayIn(dir / "c");
        store.league.PlayerCount = original.league.PlayerCount; // the team file reads as many players
        ASSERT_TRUE(kind.load(store)) << kind.file;
        store.workDir = store.settingsDir = dir / "comma";
        ASSERT_TRUE(kind.save(store)) << kind.file;
        EXPECT_EQ(readFile(dir / "comma" / kind.file), readFile(dir / "c" / kind.file)) << kind.file;
    }
    Store back = mondayIn(dir / "comma");
    ASSERT_TRUE(Kinds[0].load(back));
    for (int p = 1; p <= original.league.PlayerCount; ++p)
        EXPECT_TRUE(samePlayer(original.player(p), back.player(p))) << "player " << p;

    EXPECT_EQ(fileNumber(-1.25f), "-1.25 ");
    EXPECT_EQ(generalNumber(0.96f), "0.96");
    EXPECT_EQ(formatPattern(12.3f, "0.00"), "12.30");
    EXPECT_EQ(formatPattern(65.1, "00.0"), "65.1");
    EXPECT_EQ(roundHalfAway(2.25, 1), 2.3);
    EXPECT_EQ(leadingNumber(" 72.8 "), 72.8);
    EXPECT_EQ(leadingNumber("72,8"), 72);
    EXPECT_EQ(fileFieldNumber(" .5 ").value_or(0), 0.5);
    EXPECT_EQ(fileFieldNumber(" 0,5 ").value_or(-1), 0); // the comma ends the field
}
