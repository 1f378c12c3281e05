#pragma once
// Sound through a player library loaded on first use, on a thread of its own.
#include "platform/services.h"

#include <QObject>

#include <atomic>
#include <functional>
#include <memory>
#include <string>

class QTimer;
class SoundPlayer;
class SoundThread;

// Sound through Qt Multimedia, which lives in a player library loaded on first use. The file
// and the sound server are reached on a thread of its own; a sound that has not started within
// kSoundAnswerMs is given up.
class QtSoundService : public SoundService {
public:
    // serverAnswers tells whether a sound server takes connections now (by default its socket
    // is tried); playerLibrary is the player's file (by default beside the program or where
    // it is installed). Both are used on the sound thread. answerMs: how long a sound may take to
    // start.
    static constexpr int kSoundAnswerMs = 2000;
    explicit QtSoundService(std::function<bool()> serverAnswers = {}, std::string playerLibrary = {},
                            int answerMs = kSoundAnswerMs);
    // Ends the process when the sound thread is held up by the server: see there.
    ~QtSoundService() override;
    // Asynchronously: true when the sound is asked for (it may still turn out unplayable).
    // Synchronously: waits until the sound has ended, was given up or the session ends.
    bool PlaySound(const std::string& path, UINT flags) override;
    void PrepareToPlay() override;
    bool PlayerLoaded() const { return m_createPlayer.load() != nullptr; }

private:
    struct Request;
    SoundThread& Thread();
    // On the sound thread.
    void Play(const std::shared_ptr<Request>& request);
    bool StartPlaying(Request& request);
    bool LoadPlayerLibrary();
    // On the user interface's thread.
    void Answered(const std::shared_ptr<Request>& request, bool playing, bool ended);
    void GiveUp(const std::shared_ptr<Request>& request);
    bool WaitForTheEnd(const std::shared_ptr<Request>& request);
    void StopPlaying();

    std::function<bool()> m_serverAnswers;
    std::string m_playerLibrary;
    int m_answerMs;
    std::atomic<SoundPlayer* (*)()> m_createPlayer{nullptr};
    std::unique_ptr<SoundPlayer> m_player; // made at the first sound, when a server answers
    std::unique_ptr<QObject> m_answers;    // the thread's answers arrive through it
    std::shared_ptr<Request> m_waitingFor; // the sound played to its end
    std::function<void()> m_endWait;       // ends that wait
    std::unique_ptr<QTimer> m_guard;       // the wait's bound once the sound plays
    std::unique_ptr<SoundThread> m_thread; // first to go: nothing it runs finds the rest gone
};
