// The settings file: defaults for a missing or short file, the saved layout,
// and where the file lives.
#include "store/SettingsFile.h"
#include "core/TestFiles.h"
#include "core/store/StoreSamples.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

using namespace tallyrock;
using namespace tallyrock::test;
namespace fs = std::filesystem;

namespace {

Store storeIn(const TempDir& dir) {
    Store store;
    store.workDir = dir / "work";
    store.settingsDir = dir / "config";
    fs::create_directories(store.workDir);
    fs::create_directories(store.settingsDir);
    return store;
}

// Sets an environment variable for the life of the object.
class EnvVar {
public:
    EnvVar(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name)) m_old = old;
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~EnvVar() {
        if (m_old)
            ::setenv(m_name, m_old->c_str(), 1);
        else
            ::unsetenv(m_name);
    }
    EnvVar(const EnvVar&) = delete;
    EnvVar& operator=(const EnvVar&) = delete;

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

} // namespace

TEST(SettingsFile, NoFileGivesTheDefaultsAfterStartUp) {
    TempDir dir;
    Store store = storeIn(dir);
    LoadSettings(store);
    EXPECT_EQ(store.SettingsPath, (dir / "config" / "vexa.ini").string());
    ApplyLeagueListDefaults(store, false); // no league list either
    const Settings& s = store.settings;
    EXPECT_EQ(s.HcpMethod, 1);
    EXPECT_EQ(s.RoundsOption, 1);
    EXPECT_EQ(s.RoundsToUse, 0);
    EXPECT_EQ(s.PercentRounds, 50);
    EXPECT_EQ(s.MensHcpMax, 35);
    EXPECT_EQ(s.WomensHcpMax, 40);
    EXPECT_EQ(s.StrokesAbovePar, 4);
    EXPECT_EQ(s.MaxStrokesPerHole, 10);
    EXPECT_EQ(s.StrokeOption, 1);
    EXPECT_EQ(s.CardScaling, 1);
    EXPECT_EQ(s.CardHOffset, 0);
    EXPECT_EQ(s.CardWDOffset, 0);
    EXPECT_EQ(s.Reserved, 0);
    EXPECT_EQ(s.IndexFactor, 0.96f);
    EXPECT_EQ(s.FontName, "Courier New");
    EXPECT_EQ(s.HcpLimitOption, 1);
}

TEST(SettingsFile, FourLinesAreUsedAndTheRestFallToDefaults) {
    TempDir dir;
    Store store = storeIn(dir);
    writeFile(dir / "config" / "vexa.ini", crlf({" 2 ", " 4 ", " 12 ", " 80 "}));
    LoadSettings(store);
    const Settings& s = store.settings;
    EXPECT_EQ(s.HcpMethod, 2);
    EXPECT_EQ(s.RoundsOption, 4);
    EXPECT_EQ(s.RoundsToUse, 12);
    EXPECT_EQ(s.PercentRounds, 80);
    EXPECT_EQ(s.CardScaling, 1);
    EXPECT_EQ(s.MensHcpMax, 0);
    EXPECT_EQ(s.StrokeOption, 0);

    SetDefaults(store.settings);
    EXPECT_EQ(s.HcpMethod, 2);
    EXPECT_EQ(s.PercentRounds, 80);
    EXPECT_EQ(s.MensHcpMax, 35);
    EXPECT_EQ(s.WomensHcpMax, 40);
    EXPECT_EQ(s.StrokesAbovePar, 4);
    EXPECT_EQ(s.MaxStrokesPerHole, 10);
    EXPECT_EQ(s.StrokeOption, 1);
}

TEST(SettingsFile, ValuesAfterAFailingLineKeepWhatTheyHeld) {
    TempDir dir;
    Store store = storeIn(dir);
    store.settings.WomensHcpMax = 38;
    store.settings.CardHOffset = 2;
    writeFile(dir / "config" / "vexa.ini", crlf({" 3 ", " 1 ", " 10 ", " 50 ", " 30.5 ", "forty"}));
    LoadSettings(store);
    EXPECT_EQ(store.settings.MensHcpMax, 30.5f);
    EXPECT_EQ(store.settings.WomensHcpMax, 38);
    EXPECT_EQ(store.settings.CardHOffset, 0);
    EXPECT_EQ(store.settings.CardScaling, 1);
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
    EXPECT_EQ(store.SettingsPath, (dir / "config" / "vexa.ini").string());
    EXPECT_EQ(readFile(dir / "config" / "vexa.ini"),
              crlf({" 1 ", " 4 ", " 10 ", " 50 ", " 36.4 ", " 40.4 ", " 3 ", " 10 ", " 2 ", " 7 ", " .5 ",
                    "-1.25 ", " 1 "}));

    Store back = storeIn(dir);
    LoadSettings(back);
    EXPECT_EQ(settingsFileText(back.settings), settingsFileText(s));
    EXPECT_EQ(back.settings.CardWDOffset, -1.25f);
}

TEST(SettingsFile, WithoutASettingsFolderTheWorkingDirectoryIsUsed) {
    TempDir dir;
    Store store = storeIn(dir);
    store.settingsDir.clear();
    store.settings.HcpMethod = 3;
    ASSERT_TRUE(SaveSettings(store));
    EXPECT_TRUE(fs::exists(dir / "work" / "vexa.ini"));
    Store back = storeIn(dir);
    back.settingsDir.clear();
    LoadSettings(back);
    EXPECT_EQ(back.settings.HcpMethod, 3);
}

TEST(SettingsFile, FolderFollowsXdgConfigHomeThenHome) {
    {
        EnvVar xdg("XDG_CONFIG_HOME", "/x/conf");
        EnvVar home("HOME", "/home/u");
        EXPECT_EQ(GetSettingsDir(), fs::path("/x/conf/tallyrock"));
    }
    {
        EnvVar xdg("XDG_CONFIG_HOME", "");
        EnvVar home("HOME", "/home/u");
        EXPECT_EQ(GetSettingsDir(), fs::path("/home/u/.config/tallyrock"));
    }
    {
        EnvVar xdg("XDG_CONFIG_HOME", nullptr);
        EnvVar home("HOME", nullptr);
        EXPECT_EQ(GetSettingsDir(), fs::path());
    }
}
