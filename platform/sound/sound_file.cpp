#include "platform/sound/sound_file.h"

#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t kWavHeaderBytes = 44;
// A longer sound is not waited for to its end.
constexpr std::int64_t kLongestWaitMs = 10 * 60 * 1000;

std::uint32_t Le32(const unsigned char* b) {
    return b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
}

// The length of a PCM WAV file from its header, or -1.
int WavDurationMs(int fd, std::int64_t size) {
    unsigned char head[kWavHeaderBytes];
    if (read(fd, head, sizeof head) != static_cast<ssize_t>(sizeof head) ||
        std::memcmp(head, "RIFF", 4) != 0 || std::memcmp(head + 8, "WAVE", 4) != 0) {
        return -1;
    }
    const std::uint32_t byteRate = Le32(head + 28);
    if (byteRate == 0) {
        return -1;
    }
    return static_cast<int>(std::min<std::int64_t>(size * 1000 / byteRate, kLongestWaitMs));
}

} // namespace

SoundFile InspectSoundFile(const std::string& path) {
    SoundFile file;
    if (path.empty()) {
        return file; // never a default sound
    }
    struct stat info;
    if (stat(path.c_str(), &info) != 0) {
        return file;
    }
    // Opening a device may act on it, and a FIFO would wait for a writer: neither is opened
    // (O_NONBLOCK and the second look are for one that takes the path's place meanwhile).
    const std::string notRegular = path + " is not a regular file; it is not played";
    if (!S_ISREG(info.st_mode)) {
        file.problem = notRegular;
        return file;
    }
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return file;
    }
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        file.problem = notRegular;
    } else if (info.st_size > kMaxSoundFileBytes) {
        file.problem = path + " is larger than " + std::to_string(kMaxSoundFileBytes / (1024 * 1024)) +
                       " MB; it is not played";
    } else {
        file.durationMs = WavDurationMs(fd, info.st_size);
    }
    close(fd);
    return file;
}
