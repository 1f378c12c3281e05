#include "platform/hand_over.h"

namespace {

constexpr const char* kPrefix = "brewdial/1 countdown=";

// The number written at text[pos..] up to the separator; 0 stands for none.
std::optional<int> NumberUpTo(const std::string& text, std::size_t& pos, char separator, int max) {
    const std::size_t end = text.find(separator, pos);
    if (end == std::string::npos) {
        return std::nullopt;
    }
    const std::string digits = text.substr(pos, end - pos);
    pos = end + 1;
    if (digits == "0") {
        return 0;
    }
    return ParseWholeNumber(digits, max);
}

bool Expect(const std::string& text, std::size_t& pos, const std::string& word) {
    if (text.compare(pos, word.size(), word) != 0) {
        return false;
    }
    pos += word.size();
    return true;
}

} // namespace

std::string EncodeHandOver(const StartRequest& request) {
    return std::string(kPrefix) + std::to_string(request.countdownMinutes) +
           " quick=" + std::to_string(request.quickTimer) + " show=" + (request.show ? "1" : "0") + "\n";
}

std::optional<StartRequest> DecodeHandOver(const std::string& message, int maxMinutes) {
    if (message.size() > kHandOverMaxSize) {
        return std::nullopt;
    }
    std::size_t pos = 0;
    StartRequest request;
    if (!Expect(message, pos, kPrefix)) {
        return std::nullopt;
    }
    const std::optional<int> minutes = NumberUpTo(message, pos, ' ', maxMinutes);
    if (!minutes || !Expect(message, pos, "quick=")) {
        return std::nullopt;
    }
    const std::optional<int> quick = NumberUpTo(message, pos, ' ', 3);
    if (!quick || !Expect(message, pos, "show=")) {
        return std::nullopt;
    }
    const std::optional<int> show = NumberUpTo(message, pos, '\n', 1);
    if (!show || pos != message.size() || (*minutes != 0 && *quick != 0)) {
        return std::nullopt;
    }
    request.countdownMinutes = *minutes;
    request.quickTimer = *quick;
    request.show = *show == 1;
    return request;
}
