// The command line and the one-line message a later start hands to the running program.
#include "platform/command_line.h"
#include "platform/hand_over.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int kMax = 8947848;

CommandLine Parse(std::vector<std::string> args) {
    args.insert(args.begin(), "/usr/bin/brewdial");
    return ParseCommandLine(args, kMax, "9.8.7");
}

StartRequest Request(int minutes, int quick, bool show) {
    StartRequest r;
    r.countdownMinutes = minutes;
    r.quickTimer = quick;
    r.show = show;
    return r;
}

TEST(CommandLine, OptionsBecomeTheRequest) {
    const CommandLine none = Parse({});
    EXPECT_FALSE(none.exitStatus);
    EXPECT_TRUE(none.request.Empty());

    struct Case {
        std::vector<std::string> args;
        StartRequest request;
    };
    const Case cases[] = {
        {{"--countdown", "25"}, Request(25, 0, false)},
        {{"--countdown=7"}, Request(7, 0, false)},
        {{"--countdown", "1"}, Request(1, 0, false)},
        {{"--countdown", "8947848"}, Request(kMax, 0, false)},
        {{"--countdown", "05", "--show"}, Request(5, 0, true)},
        {{"--quick", "1"}, Request(0, 1, false)},
        {{"--quick", "3", "--show"}, Request(0, 3, true)},
        {{"--show"}, Request(0, 0, true)},
        {{"--show", "--show"}, Request(0, 0, true)},
        {{"-countdown", "4"}, Request(4, 0, false)},
        // The session manager restarts a program with Qt's own "-session ID".
        {{"-session", "10abc_1234"}, Request(0, 0, false)},
    };
    for (const Case& c : cases) {
        const CommandLine line = Parse(c.args);
        EXPECT_FALSE(line.exitStatus) << c.args[0] << ": " << line.text;
        EXPECT_EQ(line.request, c.request) << c.args[0];
        EXPECT_TRUE(line.text.empty()) << c.args[0];
    }
}

TEST(CommandLine, HelpAndVersionAnswerOnTheirOwn) {
    for (const char* option : {"--help", "-h"}) {
        const CommandLine help = Parse({option});
        ASSERT_TRUE(help.exitStatus) << option;
        EXPECT_EQ(*help.exitStatus, 0);
        EXPECT_EQ(help.text.rfind("Usage: brewdial [options]\n", 0), 0u) << help.text;
        for (const char* named :
             {"--countdown <MINUTES>", "(1 to 8947848)", "--quick <N>", "--show", "--version"}) {
            EXPECT_NE(help.text.find(named), std::string::npos) << named;
        }
        EXPECT_EQ(help.text.find("session"), std::string::npos) << "a restart detail, not for users";
    }
    const CommandLine version = Parse({"--version"});
    ASSERT_TRUE(version.exitStatus);
    EXPECT_EQ(*version.exitStatus, 0);
    EXPECT_EQ(version.text, "brewdial 9.8.7\n");
    // Answering wins over what else the line asks.
    EXPECT_EQ(Parse({"--countdown", "5", "--version"}).text, "brewdial 9.8.7\n");
}

TEST(CommandLine, BadArgumentsExitWithStatus2AndSayWhy) {
    struct Case {
        std::vector<std::string> args;
        std::string says;
    };
    const Case cases[] = {
        {{"--bogus"}, "Unknown option 'bogus'"},
        {{"-x"}, "Unknown option 'x'"},
        {{"--countdown", "0"}, "--countdown takes whole minutes from 1 to 8947848, not '0'"},
        {{"--countdown", "abc"}, "not 'abc'"},
        {{"--countdown", "99999999999"}, "not '99999999999'"},
        {{"--countdown", "8947849"}, "not '8947849'"},
        {{"--countdown", "-5"}, "not '-5'"},
        {{"--countdown", "+5"}, "not '+5'"},
        {{"--countdown", "5 "}, "not '5 '"},
        {{"--countdown", "2.5"}, "not '2.5'"},
        {{"--countdown", ""}, "not ''"},
        {{"--countdown"}, "Missing value after '--countdown'"},
        {{"--quick", "4"}, "--quick takes 1, 2 or 3, not '4'"},
        {{"--quick", "0"}, "not '0'"},
        {{"--quick", "one"}, "not 'one'"},
        {{"--countdown", "5", "--quick", "1"}, "--countdown and --quick cannot be used together"},
        {{"--countdown", "5", "--countdown", "6"}, "--countdown is given more than once"},
        {{"--quick", "1", "--quick", "1"}, "--quick is given more than once"},
        {{"5"}, "unexpected argument '5'"},
        {{"--show", "now"}, "unexpected argument 'now'"},
    };
    for (const Case& c : cases) {
        const CommandLine line = Parse(c.args);
        ASSERT_TRUE(line.exitStatus) << c.says;
        EXPECT_EQ(*line.exitStatus, 2) << c.says;
        EXPECT_EQ(line.text.rfind("brewdial: ", 0), 0u) << line.text;
        EXPECT_NE(line.text.find(c.says), std::string::npos) << line.text;
        EXPECT_NE(line.text.find("Try 'brewdial --help'"), std::string::npos) << line.text;
        EXPECT_TRUE(line.request.Empty()) << c.says;
    }
}

TEST(CommandLine, WholeNumbersAreDigitsOnlyWithinTheirRange) {
    EXPECT_EQ(ParseWholeNumber("1", 3), 1);
    EXPECT_EQ(ParseWholeNumber("3", 3), 3);
    EXPECT_EQ(ParseWholeNumber("0003", 3), 3);
    EXPECT_EQ(ParseWholeNumber("2147483647", 2147483647), 2147483647);
    for (const char* bad : {"", "0", "4", "-1", "+1", " 1", "1 ", "1x", "0x1", "2147483648", "99999999999",
                            "00000000001", "\xd9\xa1"}) {
        EXPECT_FALSE(ParseWholeNumber(bad, bad[0] == '2' ? 2147483647 : 3)) << bad;
    }
}

TEST(HandOver, TheMessageCarriesTheRequestWhole) {
    EXPECT_EQ(EncodeHandOver(Request(25, 0, true)), "brewdial/1 countdown=25 quick=0 show=1\n");
    EXPECT_EQ(EncodeHandOver(Request(0, 0, false)), "brewdial/1 countdown=0 quick=0 show=0\n");
    for (const StartRequest& r : {Request(0, 0, false), Request(0, 0, true), Request(1, 0, false),
                                  Request(kMax, 0, true), Request(0, 1, false), Request(0, 3, true)}) {
        const std::optional<StartRequest> back = DecodeHandOver(EncodeHandOver(r), kMax);
        ASSERT_TRUE(back) << EncodeHandOver(r);
        EXPECT_EQ(*back, r) << EncodeHandOver(r);
    }
    EXPECT_LE(EncodeHandOver(Request(kMax, 3, true)).size(), kHandOverMaxSize);
}

TEST(HandOver, AnythingElseIsRefused) {
    const std::string good = "brewdial/1 countdown=5 quick=0 show=0\n";
    ASSERT_TRUE(DecodeHandOver(good, kMax));
    for (const std::string& bad : {
             std::string(),
             std::string("\n"),
             std::string("brewdial/1 countdown=5 quick=0 show=0"),       // unfinished
             std::string("brewdial/1 countdown=5 quick=0 show=0\n\n"),   // more after the line
             std::string("brewdial/1 countdown=5 quick=0 show=0 x=1\n"), // a field too many
             std::string("brewdial/2 countdown=5 quick=0 show=0\n"),     // another protocol
             std::string("Brewdial/1 countdown=5 quick=0 show=0\n"),
             std::string("brewdial/1 quick=0 countdown=5 show=0\n"), // another order
             std::string("brewdial/1 countdown=5  quick=0 show=0\n"),
             std::string("brewdial/1 countdown=5 quick=0\n"),
             std::string("brewdial/1 countdown=8947849 quick=0 show=0\n"),
             std::string("brewdial/1 countdown=99999999999 quick=0 show=0\n"),
             std::string("brewdial/1 countdown=-5 quick=0 show=0\n"),
             std::string("brewdial/1 countdown=+5 quick=0 show=0\n"),
             std::string("brewdial/1 countdown= quick=0 show=0\n"),
             std::string("brewdial/1 countdown=00 quick=0 show=0\n"),
             std::string("brewdial/1 countdown=0 quick=4 show=0\n"),
             std::string("brewdial/1 countdown=5 quick=1 show=0\n"), // both at once
             std::string("brewdial/1 countdown=0 quick=0 show=2\n"),
             std::string("brewdial/1 countdown=5\0 quick=0 show=0\n", 39),
             std::string("brewdial/1 countdown=5 quick=0 show=0\r\n"),
             "brewdial/1 countdown=" + std::string(200, '1') + " quick=0 show=0\n",
         }) {
        EXPECT_FALSE(DecodeHandOver(bad, kMax)) << bad;
    }
    EXPECT_FALSE(DecodeHandOver("brewdial/1 countdown=61 quick=0 show=0\n", 60))
        << "the receiver's own limit";
}

} // namespace
