// Not a test: times the profile store loading and flushing a profile of about 300 KB and of
// about 1 MB (a long message text), the median of several runs, in a scratch folder.
#include "platform/profile/qt_profile_store.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRuns = 7;

template <typename Work> double MedianMs(Work work) {
    std::vector<double> ms;
    for (int i = 0; i < kRuns; ++i) {
        const auto begin = Clock::now();
        work(i);
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - begin).count());
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

// A message of ordinary text with characters the file format escapes (the file is some 6 % larger).
std::string Message(size_t bytes) {
    const std::string line = "Der Tee ist fertig, \"bitte\" jetzt: C:\\Tee; Grüße! ";
    std::string text;
    while (text.size() + line.size() < bytes) {
        text += line;
    }
    return text;
}

void Measure(const std::string& path, size_t messageBytes) {
    {
        auto store = QtProfileStore::AtPath(path);
        store->WriteProfileInt("Daten", "Minuten", 5);
        store->WriteProfileString("Daten", "Meldungstext", Message(messageBytes));
        if (!store->Flush()) {
            std::fprintf(stderr, "%s could not be written\n", path.c_str());
            std::exit(1);
        }
    }
    const auto fileBytes = std::filesystem::file_size(path);
    const double load = MedianMs([&](int) {
        auto store = QtProfileStore::AtPath(path);
        if (store->GetProfileString("Daten", "Meldungstext", "").size() < messageBytes / 2) {
            std::exit(1);
        }
    });
    auto store = QtProfileStore::AtPath(path);
    store->GetProfileInt("Daten", "Minuten", 0);
    const double flush = MedianMs([&](int i) {
        store->WriteProfileInt("Daten", "Minuten", i);
        if (!store->Flush()) {
            std::exit(1);
        }
    });
    std::printf("%8zu bytes   load %8.2f ms   flush %8.2f ms\n", static_cast<size_t>(fileBytes), load, flush);
}

} // namespace

int main() {
    char pattern[] = "/tmp/brewdial-profile-bench-XXXXXX";
    if (!mkdtemp(pattern)) {
        return 1;
    }
    const std::string dir = pattern;
    Measure(dir + "/small.conf", 290 * 1024);
    Measure(dir + "/large.conf", 960 * 1024);
    std::filesystem::remove_all(dir);
    return 0;
}
