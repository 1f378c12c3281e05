#pragma once
// The thread the sound service works on. The sound file and the sound server are reached only
// from here: a file that never answers (a FIFO chosen as the sound) or a frozen server keeps
// this thread waiting, never the windows.
#include <functional>
#include <memory>

class QObject;
class QThread;

class SoundThread {
public:
    SoundThread();
    ~SoundThread(); // Finish
    // Ends the thread once what it was given has run, waiting a second at most; false when it is
    // still held up then: it is left to end with the process, and whatever it uses must stay.
    bool Finish();
    SoundThread(const SoundThread&) = delete;
    SoundThread& operator=(const SoundThread&) = delete;

    // Runs work on the sound thread, after what it was given before.
    void Run(std::function<void()> work);

private:
    std::unique_ptr<QThread> m_thread;
    std::unique_ptr<QObject> m_context; // lives in the thread: work is queued to it
};
