#pragma once
// A sound file looked at before it is played: only a regular WAV file of a sane size plays.
#include <cstdint>
#include <string>

// The player reads the whole file into memory: a larger one is refused.
constexpr std::int64_t kMaxSoundFileBytes = 32 * 1024 * 1024;

struct SoundFile {
    int durationMs = -1; // the sound's length; negative when it is not played
    std::string problem; // why it is not played, for a line on standard error; empty when it is
                         // simply no WAV file (nothing is said then, as for no sound at all)
};

// Opens the file without waiting for a writer or a device: a FIFO, a device or a folder is
// never read.
SoundFile InspectSoundFile(const std::string& path);
