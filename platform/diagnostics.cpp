#include "platform/diagnostics.h"

#include <cstdio>

void ReportProblem(const std::string& text) {
    WriteError("brewdial: " + text + "\n");
}

void WriteOut(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}

void WriteError(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stderr);
}
