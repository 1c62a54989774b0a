#pragma once
// The command-line tests' fixture: a fresh folder and the runs made in it.

#include "CliRunner.h"

#include <gtest/gtest.h>

namespace tallyrock::test {

// A fresh folder for the tool, and its runs with today being 07-04-2024.
class CliTest : public ::testing::Test {
  protected:
    CliResult run(const Args& args, long fileSizeLimit = 0) const {
        return waitCli(startCli(dir.path(), Args{"--today", "07-04-2024"} + args, {fileSizeLimit, false}));
    }
    // A run that must succeed; what it printed.
    std::string ok(const Args& args) const {
        CliResult r = run(args);
        EXPECT_EQ(r.status, 0) << args.front() << ": " << r.err;
        return r.out;
    }
    // A run that must end with `status`, print no result and change no file;
    // with `message` its error text (any, when empty).
    CliResult refused(const Args& args, const std::string& message = {}, int status = 1,
                      long fileSizeLimit = 0) const {
        const auto before = folderSnapshot(dir.path());
        CliResult r = run(args, fileSizeLimit);
        const std::string what = args.front() + " " + args.back();
        EXPECT_EQ(r.status, status) << what << ": " << r.err;
        if (message.empty()) {
            EXPECT_NE(r.err, "") << what;
        } else {
            EXPECT_EQ(r.err, message) << what;
        }
        EXPECT_EQ(r.out, "") << what;
        EXPECT_EQ(folderSnapshot(dir.path()), before) << what;
        return r;
    }
    // Friday at the all-par-4 Pine Creek Club (PCC; slopes 113, 126, 131).
    void makeFridayAtPineCreek() const {
        ok({"create-league", "Friday"});
        ok({"add-course", "--name", "Pine Creek Club", "--pars", par4s, "--initials", "PCC", "--slopes",
            "113,126,131"});
    }
    // Mon at Pine Hills (PH; par72; ratings 70.1, 71.2, 73.5; slopes 118, 125, 131), Ann Lee on the Mens tee.
    void makeMonAtPineHills() const {
        ok({"create-league", "Mon"});
        ok({"add-course", "--name", "Pine Hills", "--pars", par72, "--ratings", "70.1,71.2,73.5", "--slopes",
            "118,125,131", "--initials", "PH"});
        ok({"add-player", "Mon", "Ann Lee", "--tee", "2"});
    }
    TempDir dir;
};

} // namespace tallyrock::test
