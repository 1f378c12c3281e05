#pragma once
// The one-line message by which a later start of the program hands its request to the running
// one, and the running one's answer.
#include "platform/command_line.h"

#include <cstddef>
#include <optional>
#include <string>

// No message is longer; a longer one is refused unread.
constexpr std::size_t kHandOverMaxSize = 128;
// The running program's answer once it has taken a request.
constexpr const char* kHandOverTaken = "taken\n";

// "brewdial/1 countdown=<minutes> quick=<n> show=<0|1>\n"; 0 stands for none.
std::string EncodeHandOver(const StartRequest& request);
// The request of a whole message as EncodeHandOver writes it, or nothing when the message is
// anything else, or asks for what a command line could not (a countdown out of 1..maxMinutes,
// a quick timer other than 1..3, both at once).
std::optional<StartRequest> DecodeHandOver(const std::string& message, int maxMinutes);
