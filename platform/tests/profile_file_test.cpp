// The profile file under hostile conditions: what sits at its path, what a killed writer left.
#include "platform/profile/qt_profile_file.h"
#include "platform/profile/qt_profile_store.h"
#include "platform/tests/profile_folder.h"

#include <QDir>
#include <QSysInfo>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <future>
#include <memory>
#include <poll.h>
#include <random>
#include <string>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

long long MsSince(Clock::time_point begin) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - begin).count();
}

class ProfileFileTest : public ProfileFolderTest {
protected:
    std::string Lock() const { return Profile() + ".lock"; }
    static bool Exists(const std::string& path) {
        struct stat st {};
        return ::lstat(path.c_str(), &st) == 0;
    }
    static mode_t KindOf(const std::string& path) {
        struct stat st {};
        return ::lstat(path.c_str(), &st) == 0 ? (st.st_mode & S_IFMT) : 0;
    }
    // A process id that no process has now: a child that has ended and been reaped.
    static pid_t DeadPid() {
        const pid_t child = ::fork();
        if (child == 0) {
            ::_exit(0);
        }
        ::waitpid(child, nullptr, 0);
        return child;
    }
    static std::string LockText(long long pid, const QString& host) {
        return std::to_string(pid) + "\nbrewdial\n" + host.toStdString() + "\n";
    }
    std::vector<std::string> Temporaries() const {
        std::vector<std::string> names;
        for (const QString& name : QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System)) {
            if (name.startsWith(QStringLiteral("brewdial.conf.")) &&
                name != QStringLiteral("brewdial.conf.lock")) {
                names.push_back(name.toStdString());
            }
        }
        return names;
    }

    // Flushes a change and tells whether that came through without waiting on a lock: within half
    // the time a live writer's lock is waited for, beyond what flushing the next change takes.
    static testing::AssertionResult FlushesWithoutWaiting(QtProfileStore& store) {
        long long took[2] = {};
        for (int i = 0; i < 2; ++i) {
            store.WriteProfileInt("Daten", "Gemessen", i);
            const auto begin = Clock::now();
            if (!store.Flush()) {
                return testing::AssertionFailure() << "flush " << i << " failed";
            }
            took[i] = MsSince(begin);
        }
        if (took[0] < took[1] + kLiveWriterWaitMs / 2) {
            return testing::AssertionSuccess();
        }
        return testing::AssertionFailure() << took[0] << " ms, the next flush " << took[1] << " ms";
    }
};

// A pipe at the profile's path would hold a read up until some writer came.
TEST_F(ProfileFileTest, ReadingNeverWaitsOnANamedPipe) {
    ASSERT_EQ(::mkfifo(Profile().c_str(), 0600), 0);
    auto reading = std::async(std::launch::async, [this] {
        auto store = QtProfileStore::AtPath(Profile());
        return store->GetProfileInt("Daten", "Minuten", 5);
    });
    // A read that waits on the pipe waits for ever: any machine is done long before this.
    const bool done = reading.wait_for(std::chrono::seconds(30)) == std::future_status::ready;
    EXPECT_TRUE(done) << "the read waits on the pipe";
    if (!done) {
        // Let it go: a writer that comes and goes at once ends the read.
        ::close(::open(Profile().c_str(), O_WRONLY | O_NONBLOCK));
    }
    EXPECT_EQ(reading.get(), 5);
}

TEST_F(ProfileFileTest, FlushSucceedsAfterReadingAMalformedFile) {
    const std::string malformed[] = {"[Daten\nMinuten=3\n",
                                     std::string("[Daten]\nMinuten=\0\x01\x02\n\0", 18),
                                     "\xff\xfe\x00[[[=\n\x80\x81;;\"\"\"\n=\n"};
    for (const std::string& bytes : malformed) {
        WriteFile(Profile(), bytes);
        auto store = QtProfileStore::AtPath(Profile());
        store->GetProfileInt("Daten", "Minuten", 5);
        store->WriteProfileString("Daten", "Meldungstext", "geschrieben");
        EXPECT_TRUE(store->Flush());
        EXPECT_EQ(QtProfileStore::AtPath(Profile())->GetProfileString("Daten", "Meldungstext", ""),
                  "geschrieben");
    }
}

TEST_F(ProfileFileTest, WritesOnlyOverARegularFileOrWhereThereIsNone) {
    // Nothing there yet, not even the folder: both are made.
    auto fresh = QtProfileStore::AtPath(PathOf("neu/brewdial.conf"));
    fresh->WriteProfileInt("Daten", "Sound", 1);
    EXPECT_TRUE(fresh->Flush());
    EXPECT_EQ(KindOf(PathOf("neu/brewdial.conf")), static_cast<mode_t>(S_IFREG));

    // A link to a regular file: the file it points to is written, the link stays.
    WriteFile(PathOf("wirklich.conf"), "[Daten]\nSound=0\n");
    ASSERT_EQ(::symlink("wirklich.conf", Profile().c_str()), 0);
    auto linked = QtProfileStore::AtPath(Profile());
    linked->WriteProfileInt("Daten", "Sound", 1);
    EXPECT_TRUE(linked->Flush());
    EXPECT_EQ(KindOf(Profile()), static_cast<mode_t>(S_IFLNK));
    EXPECT_NE(ReadFile(PathOf("wirklich.conf")).find("Sound=1"), std::string::npos);
    ASSERT_EQ(::unlink(Profile().c_str()), 0);

    // Anything else is left as it is, also when it takes the file's place after the read.
    struct Thing {
        const char* name;
        std::function<bool(const std::string&)> make;
        mode_t kind;
    };
    const std::string node = PathOf("null");
    const bool ownNode = ::mknod(node.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
    std::vector<Thing> things = {
        {"pipe", [](const std::string& p) { return ::mkfifo(p.c_str(), 0600) == 0; }, S_IFIFO},
        {"folder", [](const std::string& p) { return ::mkdir(p.c_str(), 0700) == 0; }, S_IFDIR},
    };
    if (ownNode) {
        things.push_back({"link to a device",
                          [node](const std::string& p) { return ::symlink(node.c_str(), p.c_str()) == 0; },
                          S_IFLNK});
    }
    for (const bool afterTheRead : {false, true}) {
        for (const Thing& thing : things) {
            SCOPED_TRACE(std::string(thing.name) + (afterTheRead ? " after the read" : ""));
            auto store = QtProfileStore::AtPath(Profile());
            if (afterTheRead) {
                store->GetProfileInt("Daten", "Sound", 0);
            }
            ASSERT_TRUE(thing.make(Profile()));
            store->WriteProfileInt("Daten", "Sound", 1);
            EXPECT_FALSE(store->Flush());
            EXPECT_EQ(KindOf(Profile()), thing.kind);
            EXPECT_TRUE(Temporaries().empty());
            ASSERT_EQ(::remove(Profile().c_str()), 0);
        }
    }
    if (ownNode) {
        EXPECT_EQ(KindOf(node), static_cast<mode_t>(S_IFCHR));
    }
}

// Two runs of the program: the one closed last keeps what the other wrote where it wrote nothing.
TEST_F(ProfileFileTest, AnotherWritersValuesAreKeptWhereThisOneWroteNothing) {
    WriteFile(Profile(), "[Daten]\nSound=0\nPosCountX=5\n");
    auto mine = QtProfileStore::AtPath(Profile());
    EXPECT_EQ(mine->GetProfileInt("Daten", "Sound", -1), 0);
    {
        auto theirs = QtProfileStore::AtPath(Profile());
        theirs->WriteProfileInt("Daten", "PosCountX", 77);
        theirs->WriteProfileInt("Daten", "Sound", 2);
        ASSERT_TRUE(theirs->Flush());
    }
    mine->WriteProfileInt("Daten", "Sound", 1);
    ASSERT_TRUE(mine->Flush());
    auto after = QtProfileStore::AtPath(Profile());
    EXPECT_EQ(after->GetProfileInt("Daten", "Sound", -1), 1);
    EXPECT_EQ(after->GetProfileInt("Daten", "PosCountX", -1), 77);

    // Replaced by something too large to read, the file gets this profile's own values.
    WriteFile(Profile(), "[Daten]\nPosCountX=9\nMeldungstext=" + std::string(2 * 1024 * 1024, 'x') + "\n");
    mine->WriteProfileInt("Daten", "Sound", 3);
    ASSERT_TRUE(mine->Flush());
    after = QtProfileStore::AtPath(Profile());
    EXPECT_EQ(after->GetProfileInt("Daten", "Sound", -1), 3);
    EXPECT_EQ(after->GetProfileInt("Daten", "PosCountX", -1), 77);
    EXPECT_EQ(after->GetProfileString("Daten", "Meldungstext", "keine"), "keine");
}

// A writer killed while it held the lock leaves its lock file behind, whatever it wrote into it
// (earlier versions wrote their process id); only a live writer is waited for.
TEST_F(ProfileFileTest, OnlyALiveWritersLockIsWaitedFor) {
    const std::string locks[] = {"", LockText(DeadPid(), QSysInfo::machineHostName()), "kaputt", "link"};
    for (const std::string& text : locks) {
        if (text == "link") {
            ASSERT_EQ(::symlink("nirgendwo", Lock().c_str()), 0);
        } else {
            WriteFile(Lock(), text);
        }
        auto store = QtProfileStore::AtPath(Profile());
        store->WriteProfileInt("Daten", "Sound", 1);
        EXPECT_TRUE(FlushesWithoutWaiting(*store)) << '"' << text << '"';
        EXPECT_FALSE(Exists(Lock()));
    }

    auto store = QtProfileStore::AtPath(Profile());
    store->WriteProfileInt("Daten", "Sound", 2);
    auto live = std::make_unique<ProfileWriteLock>(QString::fromStdString(Profile()));
    ASSERT_TRUE(live->Held());
    auto flushing = std::async(std::launch::async, [&store] { return store->Flush(); });
    EXPECT_EQ(flushing.wait_for(std::chrono::milliseconds(200)), std::future_status::timeout)
        << "written while another writer held the lock";
    live.reset();
    EXPECT_TRUE(flushing.get());
    EXPECT_EQ(QtProfileStore::AtPath(Profile())->GetProfileInt("Daten", "Sound", -1), 2);
}

// Waits until a file beside the profile other than its lock is written to, at most `limit`.
bool AwaitWriting(int inotify, Clock::duration limit) {
    const auto until = Clock::now() + limit;
    alignas(inotify_event) char buffer[4096];
    for (;;) {
        pollfd ready{inotify, POLLIN, 0};
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now()).count();
        if (left <= 0 || ::poll(&ready, 1, static_cast<int>(left)) <= 0) {
            return false;
        }
        const ssize_t n = ::read(inotify, buffer, sizeof buffer);
        for (ssize_t at = 0; at < n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            const std::string name = event->len > 0 ? event->name : "";
            if (name.rfind("brewdial.conf", 0) == 0 && name != "brewdial.conf.lock") {
                return true;
            }
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
}

// Writers killed during their writes: the profile is always one writer's whole file, and the next
// writer neither waits nor leaves anything of theirs behind. Each writer says through a pipe when
// a write begins and when it has ended; it is killed only after it has ended one, however fast the
// machine is: in turn at a random moment within the time its last write took, and the moment it
// writes to a file beside the profile.
TEST_F(ProfileFileTest, WritersKilledDuringTheWriteLeaveAWholeProfile) {
    constexpr size_t kMessageBytes = 300 * 1024;
    auto letter = [](int round) { return static_cast<char>('a' + round % 26); };
    auto write = [&](QtProfileStore& store, int round) {
        store.WriteProfileInt("Daten", "Runde", round);
        store.WriteProfileString("Daten", "Meldungstext", std::string(kMessageBytes, letter(round)));
        return store.Flush();
    };
    ASSERT_TRUE(write(*QtProfileStore::AtPath(Profile()), 0));
    std::mt19937 random(4711);
    int interrupted = 0; // kills that came while a writer held the lock
    int lastRound = 0;
    for (int kill = 0; kill < 200 && (kill < 20 || interrupted < 3); ++kill) {
        int news[2];
        ASSERT_EQ(::pipe(news), 0);
        const pid_t writer = ::fork();
        ASSERT_GE(writer, 0);
        if (writer == 0) {
            ::close(news[0]);
            auto store = QtProfileStore::AtPath(Profile());
            for (int round = (kill + 1) * 1000;; ++round) {
                if (::write(news[1], "b", 1) != 1 || !write(*store, round) || ::write(news[1], "e", 1) != 1) {
                    ::_exit(1);
                }
            }
        }
        ::close(news[1]);
        char said = 0;
        auto hear = [&] { return ::read(news[0], &said, 1) == 1; };
        const bool begun = hear() && said == 'b';
        const auto begin = Clock::now();
        const bool ended = begun && hear() && said == 'e';
        const auto took = Clock::now() - begin;
        const int inotify = ::inotify_init1(IN_CLOEXEC);
        ::inotify_add_watch(inotify, m_dir.path().toLocal8Bit().constData(), IN_CREATE | IN_MODIFY);
        if (ended && hear() && said == 'b') {
            if (kill % 2 == 0) {
                std::this_thread::sleep_for(took * std::uniform_real_distribution<>(0.0, 1.0)(random));
            } else {
                AwaitWriting(inotify, 2 * took);
            }
        }
        ::kill(writer, SIGKILL);
        ::waitpid(writer, nullptr, 0);
        ::close(news[0]);
        ::close(inotify);
        ASSERT_TRUE(ended) << "writer " << kill << " ended no write";

        if (Exists(Lock()) || !Temporaries().empty()) {
            ++interrupted;
        }
        auto reader = QtProfileStore::AtPath(Profile());
        const int round = reader->GetProfileInt("Daten", "Runde", -1);
        const std::string message = reader->GetProfileString("Daten", "Meldungstext", "");
        ASSERT_GT(round, lastRound) << "after kill " << kill << ": a writer's finished write is lost";
        ASSERT_TRUE(message == std::string(kMessageBytes, letter(round)))
            << "after kill " << kill << ": " << message.size() << " bytes";
        lastRound = round;
    }
    EXPECT_GE(interrupted, 3) << "too few kills came during a write";

    auto last = QtProfileStore::AtPath(Profile());
    EXPECT_TRUE(FlushesWithoutWaiting(*last));
    EXPECT_FALSE(Exists(Lock()));
    EXPECT_TRUE(Temporaries().empty());
}

} // namespace
