#pragma once
// The player behind the sound service. It lives in a library of its own that brings Qt
// Multimedia, and the program loads it only when a sound is about to play. The sound service
// makes it and calls it on a thread of its own: the sound server may keep any call waiting.
#include <QString>

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Whether Qt Multimedia sees a sound output.
    virtual bool HasOutput() = 0;
    // Starts the file and returns at once; the sound started last plays on.
    virtual bool PlayAsync(const QString& file) = 0;
    // Plays the file to its end, waiting at most guardMs, or until Stop.
    virtual bool PlayToEnd(const QString& file, int guardMs) = 0;
    // Ends whatever plays; its memory goes with it.
    virtual void Stop() = 0;
};

// The library's one entry point, looked up by this name.
extern "C" SoundPlayer* BrewdialCreateSoundPlayer();
constexpr const char* kCreateSoundPlayer = "BrewdialCreateSoundPlayer";
