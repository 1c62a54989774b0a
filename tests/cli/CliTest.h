#pragma once
// The command-line tests' fixture: a fresh folder and the runs made in it.

#include "CliRunner.h"

#include <gtest/gtest.h>

namespace tallyrock::test {

// A fresh folder for the tool, and its runs with today being 07-04-2024.
class CliTest : public ::testing::Test {
  protected:
    CliResult run(const Args& args) const;
    // A run that must succeed; what it printed.
    std::string ok(const Args& args) const;
    // A run that must end with `status`, print no result and change no file;
    // with `message` its error text (any, when empty).
    CliResult refused(const Args& args, const std::string& message = {}, int status = 1,
                      long fileSizeLimit = 0) const;
    // Friday at the all-par-4 Pine Creek Club (PCC; slopes 113, 126, 131).
    void makeFridayAtPineCreek() const;
    // Mon at Pine Hills (PH; par72; ratings 70.1, 71.2, 73.5; slopes 118, 125, 131), Ann Lee on the Mens tee.
    void makeMonAtPineHills() const;
    TempDir dir;
};

} // namespace tallyrock::test
