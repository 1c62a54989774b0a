#include "CliTest.h"

namespace tallyrock::test {

CliResult CliTest::run(const Args& args) const {
    return runCli(dir.path(), Args{"--today", "07-04-2024"} + args);
}

std::string CliTest::ok(const Args& args) const {
    CliResult r = run(args);
    EXPECT_EQ(r.status, 0) << args.front() << ": " << r.err;
    return r.out;
}

CliResult CliTest::refused(const Args& args, const std::string& message, int status,
                           long fileSizeLimit) const {
    const auto before = folderSnapshot(dir.path());
    CliResult r = waitCli(startCli(dir.path(), Args{"--today", "07-04-2024"} + args, {fileSizeLimit, false}));
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

void CliTest::makeFridayAtPineCreek() const {
    ok({"create-league", "Friday"});
    ok({"add-course", "--name", "Pine Creek Club", "--pars", par4s, "--initials", "PCC", "--slopes",
        "113,126,131"});
}

void CliTest::makeMonAtPineHills() const {
    ok({"create-league", "Mon"});
    ok({"add-course", "--name", "Pine Hills", "--pars", par72, "--ratings", "70.1,71.2,73.5", "--slopes",
        "118,125,131", "--initials", "PH"});
    ok({"add-player", "Mon", "Ann Lee", "--tee", "2"});
}

} // namespace tallyrock::test
