#pragma once
// The program's command line, read before any window or display is needed.
#include <optional>
#include <string>
#include <vector>

// What one start of the program asks of it besides running.
struct StartRequest {
    int countdownMinutes = 0; // a countdown of this many minutes; 0: none
    int quickTimer = 0;       // quick timer 1, 2 or 3 of the tray menu; 0: none
    bool show = false;        // the main dialog brought up
    bool Empty() const { return countdownMinutes == 0 && quickTimer == 0 && !show; }
    bool operator==(const StartRequest& other) const {
        return countdownMinutes == other.countdownMinutes && quickTimer == other.quickTimer &&
               show == other.show;
    }
};

// The command line read: the request to run with, or a text to print and the status to exit with.
struct CommandLine {
    StartRequest request;
    std::optional<int> exitStatus; // set: print text (on standard output for 0, else on
                                   // standard error) and exit
    std::string text;
};

// args is the whole command line, the program's name first. maxMinutes is the longest countdown
// the program takes; version is what --version prints.
CommandLine ParseCommandLine(const std::vector<std::string>& args, int maxMinutes,
                             const std::string& version);

// A whole number from 1 to max written in at most 10 decimal digits and nothing else, or nothing.
std::optional<int> ParseWholeNumber(const std::string& text, int max);
