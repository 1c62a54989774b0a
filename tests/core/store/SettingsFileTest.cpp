// The settings file: defaults for a missing or short file, the saved layout,
// and where the file lives.
#include "store/SettingsFile.h"
#include "core/Samples.h"
#include "core/TestFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

using namespace tallyrock;
using namespace tallyrock::test;
namespace fs = std::filesystem;

namespace {

Store storeIn(const TempDir& dir) {
    Store store = tallyrock::test::storeIn(dir / "work");
    store.settingsDir = dir / "config";
    fs::create_directories(store.workDir);
    fs::create_directories(store.settingsDir);
    return store;
}

// The thirteen values of the file, in file order.
std::vector<double> values(const Settings& s) {
    const auto n = [](double v) { return v; };
    return {n(s.HcpMethod), n(s.RoundsOption),    n(s.RoundsToUse),       n(s.PercentRounds), s.MensHcpMax,
            s.WomensHcpMax, n(s.StrokesAbovePar), n(s.MaxStrokesPerHole), n(s.StrokeOption),  s.Reserved,
            s.CardHOffset,  s.CardWDOffset,       s.CardScaling};
}

// Sets or unsets an environment variable for the life of the object.
class EnvVar {
  public:
    EnvVar(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name)) m_old = old;
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~EnvVar() { m_old ? ::setenv(m_name, m_old->c_str(), 1) : ::unsetenv(m_name); }
    EnvVar(const EnvVar&) = delete;
    EnvVar& operator=(const EnvVar&) = delete;

  private:
    const char* m_name;
    std::optional<std::string> m_old;
};

} // namespace

TEST(SettingsFile, DefaultsForNoFileAFourLineFileAndAFailingLine) {
    TempDir dir;
    Store store = storeIn(dir);
    LoadSettings(store);
    EXPECT_EQ(store.SettingsPath, (dir / "config" / "vexa.ini").string());
    ApplyLeagueListDefaults(store, false); // no league list either
    EXPECT_EQ(values(store.settings), (std::vector<double>{1, 1, 0, 50, 35, 40, 4, 10, 1, 0, 0, 0, 1}));
    EXPECT_EQ(store.settings.IndexFactor, 0.96f);
    EXPECT_EQ(store.settings.HcpLimitOption, 1);
    EXPECT_EQ(store.settings.FontName, "Courier New");

    writeFile(dir / "config" / "vexa.ini", crlf({" 2 ", " 4 ", " 12 ", " 80 "}));
    Store four = storeIn(dir);
    LoadSettings(four);
    EXPECT_EQ(values(four.settings), (std::vector<double>{2, 4, 12, 80, 0, 0, 0, 0, 0, 0, 0, 0, 1}));
    SetDefaults(four.settings);
    EXPECT_EQ(values(four.settings), (std::vector<double>{2, 4, 12, 80, 35, 40, 4, 10, 1, 0, 0, 0, 1}));

    // Values after a line that is not a number keep what they held.
    writeFile(dir / "config" / "vexa.ini", crlf({" 3 ", " 1 ", " 10 ", " 50 ", " 30.5 ", "forty"}));
    Store bad = storeIn(dir);
    bad.settings.WomensHcpMax = 38;
    bad.settings.CardHOffset = 2;
    LoadSettings(bad);
    EXPECT_EQ(bad.settings.MensHcpMax, 30.5f);
    EXPECT_EQ(bad.settings.WomensHcpMax, 38);
    EXPECT_EQ(bad.settings.CardHOffset, 0);
    EXPECT_EQ(bad.settings.CardScaling, 1);
}

TEST(SettingsFile, SavedFileHasThirteenLinesHeightOffsetBeforeWidth) {
    TempDir dir;
    Store store = storeIn(dir);
    Settings& s = store.settings;
    s.HcpMethod = 1;
    s.RoundsOption = 4;
    s.RoundsToUse = 10;
    s.PercentRounds = 50;
    s.MensHcpMax = 36.4f;
    s.WomensHcpMax = 40.4f;
    s.StrokesAbovePar = 3;
    s.MaxStrokesPerHole = 10;
    s.StrokeOption = 2;
    s.Reserved = 7;
    s.CardHOffset = 0.5f;
    s.CardWDOffset = -1.25f;
    s.CardScaling = 1;
    fs::remove_all(dir / "config"); // created when needed
    ASSERT_TRUE(SaveSettings(store));
    EXPECT_EQ(readFile(dir / "config" / "vexa.ini"),
              crlf({" 1 ", " 4 ", " 10 ", " 50 ", " 36.4 ", " 40.4 ", " 3 ", " 10 ", " 2 ", " 7 ", " .5 ",
                    "-1.25 ", " 1 "}));
    Store back = storeIn(dir);
    LoadSettings(back);
    EXPECT_EQ(settingsFileText(back.settings), settingsFileText(s));

    // Without a settings folder the working directory is used.
    store.settingsDir.clear();
    s.HcpMethod = 3;
    ASSERT_TRUE(SaveSettings(store));
    Store work = storeIn(dir);
    work.settingsDir.clear();
    LoadSettings(work);
    EXPECT_TRUE(fs::exists(dir / "work" / "vexa.ini"));
    EXPECT_EQ(work.settings.HcpMethod, 3);
}

TEST(SettingsFile, FolderFollowsXdgConfigHomeThenHome) {
    struct Case {
        const char *xdg, *home, *expected;
    };
    for (const Case& c : {Case{"/x/conf", "/home/u", "/x/conf/tallyrock"},
                          Case{"", "/home/u", "/home/u/.config/tallyrock"}, Case{nullptr, nullptr, ""}}) {
        EnvVar xdg("XDG_CONFIG_HOME", c.xdg);
        EnvVar home("HOME", c.home);
        EXPECT_EQ(GetSettingsDir(), fs::path(c.expected));
    }
}
