// SPDX-License-Identifier: GPL-3.0-or-later
// Saves killed at random moments: the station data file and the entity
// reference file are always whole, either as they were or as the save wrote
// them, and the backup chain of the entity reference file goes on as the
// program expects.

#include "core/file_attributes.h"
#include "core/reference_files.h"
#include "core/text_file.h"
#include "crash/crash_content.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <chrono>
#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <thread>

namespace zef {
namespace {

const QString kSaver = QStringLiteral(CRASH_SAVER_PATH);
const QString kStationName = QStringLiteral("stacja.csv");

std::optional<std::string> contentOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// What one run of the saver left: how many saves it reported complete, and
// whether it died of the kill rather than ending by itself.
struct SaverRun {
    int saved = 0;
    bool killed = false;
};

SaverRun runFrom(QProcess& saver) {
    saver.waitForFinished(10000);
    SaverRun run;
    run.killed = saver.exitStatus() == QProcess::CrashExit;
    for (const QByteArray& line : saver.readAllStandardOutput().split('\n'))
        if (line.startsWith("saved "))
            ++run.saved;
    return run;
}

// Starts the saver and kills it `delay` after it reports that it runs.
SaverRun killAfter(const QStringList& arguments, std::chrono::microseconds delay) {
    QProcess saver;
    saver.start(kSaver, arguments);
    EXPECT_TRUE(saver.waitForStarted(10000));
    while (!saver.canReadLine() && saver.state() == QProcess::Running)
        saver.waitForReadyRead(10000);
    std::this_thread::sleep_for(delay);
    saver.kill(); // SIGKILL
    return runFrom(saver);
}

// Files beside the target that a save left behind: its new content under
// the name ".<target>.zefirant-XXXXXX", until the next save of the target.
QStringList leftovers(const QString& folder, const QStringList& expected) {
    QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    for (const QString& name : expected)
        names.removeAll(name);
    return names;
}

// Names the program opens by themselves: its own files, and a station data
// file as the open dialog offers it.
bool programWouldRead(const QString& name) {
    static const QStringList own{kEntityFileName, kEntityBackupName, kZoneFileName,
                                 QStringLiteral("zefirant.ini"), QStringLiteral("bledy_dxcc.txt")};
    return own.contains(name) || name.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive);
}

// Checks the files a save left and removes them; returns how many there were.
int clearLeftovers(const QString& folder, const QStringList& expected) {
    static const QRegularExpression qtTemporary(
        QStringLiteral(R"(^\..+\.zefirant-[A-Za-z0-9]{6}$)"));
    const QStringList names = leftovers(folder, expected);
    for (const QString& name : names) {

        EXPECT_FALSE(programWouldRead(name)) << name.toStdString();
        EXPECT_TRUE(qtTemporary.match(name).hasMatch()) << name.toStdString();
        QFile::remove(QDir(folder).filePath(name));
    }
    return static_cast<int>(names.size());
}

// strace kills the saver on entering the n-th call of one system call. Over
// every n of every call that changes the disk, each step of the saves is a
// place where it dies once.
const QStringList kDiskCalls{QStringLiteral("unlink"), QStringLiteral("linkat"),
                             QStringLiteral("rename"), QStringLiteral("chmod"),
                             QStringLiteral("fchmod"), QStringLiteral("fdatasync")};

// Leak checking cannot run under a tracer; a sanitized saver is told so.
QProcessEnvironment tracedEnvironment() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ASAN_OPTIONS"),
                       environment.value(QStringLiteral("ASAN_OPTIONS")) +
                           QStringLiteral(":detect_leaks=0"));
    return environment;
}

// strace when it is there and may trace here, else nothing.
std::optional<QString> usableStrace() {
    const QString strace = QStandardPaths::findExecutable(QStringLiteral("strace"));
    if (strace.isEmpty())
        return std::nullopt;
    QProcess probe;
    probe.setProcessEnvironment(tracedEnvironment());
    probe.start(strace, {QStringLiteral("-o"), QStringLiteral("/dev/null"), kSaver});
    probe.waitForFinished(10000);
    if (probe.exitStatus() != QProcess::NormalExit || probe.exitCode() != 2)
        return std::nullopt;
    return strace;
}

SaverRun killAtCall(const QString& strace, const QString& call, int n, QStringList arguments) {
    QProcess saver;
    saver.setProcessEnvironment(tracedEnvironment());
    arguments.prepend(kSaver);
    arguments.prepend(QStringLiteral("inject=%1:signal=KILL:when=%2").arg(call).arg(n));
    arguments.prepend(QStringLiteral("-e"));
    saver.start(strace, QStringList{QStringLiteral("-qq"), QStringLiteral("-o"),
                                    QStringLiteral("/dev/null")} +
                            arguments);
    EXPECT_TRUE(saver.waitForStarted(10000));
    return runFrom(saver);
}

// ---- Station data file -------------------------------------------------

TEST(CrashSafeSaves, StationFileIsAlwaysTheOldOrTheNewOne) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(kStationName);
    writeLines(path, crash::stationVersion(0));
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> delayMicroseconds(0, 25000);

    int held = 0;      // the version the file holds
    int nextFirst = 1; // versions stay distinct: one cut short is never used again
    int kills = 0, keptOld = 0, tookNew = 0, savesCompleted = 0, leftoverCount = 0;
    QElapsedTimer clock;
    clock.start();
    for (int round = 0; round < 100; ++round) {
        const int first = nextFirst;
        const SaverRun run = killAfter({QStringLiteral("station"), path, QString::number(first)},
                                       std::chrono::microseconds(delayMicroseconds(random)));
        ASSERT_TRUE(run.killed);
        ++kills;
        savesCompleted += run.saved;
        // Reported saves are complete; the one running at the kill either
        // replaced the file whole or not at all.
        const int before = run.saved == 0 ? held : first + run.saved - 1;
        const int during = first + run.saved;
        const auto bytes = contentOf(path);
        ASSERT_TRUE(bytes.has_value());
        if (*bytes == crash::fileBytes(crash::stationVersion(before))) {
            ++keptOld;
            held = before;
        } else {
            ASSERT_EQ(*bytes, crash::fileBytes(crash::stationVersion(during)))
                << "round " << round << ": neither version " << before << " nor " << during;
            ++tookNew;
            held = during;
        }
        nextFirst = during + 1;
        leftoverCount += clearLeftovers(dir.path(), {kStationName});
    }
    std::cout << "[ figures  ] station: " << kills << " kills, " << savesCompleted
              << " saves completed, file kept the old version " << keptOld << " times, the new "
              << tookNew << " times, leftovers " << leftoverCount << ", " << clock.elapsed()
              << " ms\n";
    EXPECT_GT(keptOld, 0);
    EXPECT_GT(savesCompleted, 0);
}

TEST(CrashSafeSaves, StationFileIsWholeWhenKilledAtEveryStep) {
    const auto strace = usableStrace();
    if (!strace)
        GTEST_SKIP() << "strace cannot trace here";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(kStationName);
    int killPoints = 0, leftoverCount = 0;
    for (const QString& call : kDiskCalls) {
        for (int n = 1;; ++n) {
            writeLines(path, crash::stationVersion(0));
            const SaverRun run = killAtCall(
                *strace, call, n,
                {QStringLiteral("station"), path, QStringLiteral("1"), QStringLiteral("3")});
            const auto bytes = contentOf(path);
            ASSERT_TRUE(bytes.has_value());
            const bool before = *bytes == crash::fileBytes(crash::stationVersion(run.saved));
            const bool after = *bytes == crash::fileBytes(crash::stationVersion(run.saved + 1));
            EXPECT_TRUE(before || after) << call.toStdString() << " #" << n;
            leftoverCount += clearLeftovers(dir.path(), {kStationName});
            if (!run.killed)
                break; // the n-th call never came: the three saves ran through
            ++killPoints;
        }
    }
    std::cout << "[ figures  ] station, killed at every step of three saves: " << killPoints
              << " kill points, leftovers " << leftoverCount << "\n";
    EXPECT_GT(killPoints, 3);
}

// ---- Entity reference file ---------------------------------------------

// What the folder holds of the entity reference file and its backup.
struct EntityState {
    std::optional<std::string> file;
    bool fileReadOnly = false;
    std::optional<std::string> backup;
    bool backupReadOnly = false;
    bool operator==(const EntityState&) const = default;
};

EntityState readEntityState(const QString& folder) {
    EntityState s;
    s.file = contentOf(folder + kEntityFileName);
    s.fileReadOnly = s.file && isReadOnly(folder + kEntityFileName);
    s.backup = contentOf(folder + kEntityBackupName);
    s.backupReadOnly = s.backup && isReadOnly(folder + kEntityBackupName);
    return s;
}

std::string describe(const EntityState& s, int firstVersion) {
    auto which = [firstVersion](const std::optional<std::string>& content) -> std::string {
        if (!content)
            return "none";
        for (int v = 0; v < firstVersion + 500; ++v)
            if (*content == crash::fileBytes(crash::entityVersion(v)))
                return "v" + std::to_string(v);
        return "mixed(" + std::to_string(content->size()) + " bytes)";
    };
    return "file " + which(s.file) + (s.fileReadOnly ? " RO" : " RW") + ", backup " +
           which(s.backup) + (s.backupReadOnly ? " RO" : " RW");
}

// Every state one editor save passes through on the disk, from `before` to
// the end of the save, as the program's steps make them.
std::vector<EntityState> statesOfSave(EntityState s, const std::string& content) {
    std::vector<EntityState> states{s};
    if (s.backup && !s.backupReadOnly) { // the old backup is deleted
        s.backup.reset();
        s.backupReadOnly = false;
        states.push_back(s);
    }
    if (!s.backup && s.file) { // the file becomes the backup, with its attribute
        s.backup = s.file;
        s.backupReadOnly = s.fileReadOnly;
        states.push_back(s);
    }
    if (s.fileReadOnly) {
        s.fileReadOnly = false;
        states.push_back(s);
    }
    s.file = content; // replaced whole, keeping the attribute of the file it replaces
    states.push_back(s);
    s.fileReadOnly = true;
    states.push_back(s);
    return states;
}

class EntityFileSaves : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString folder() const { return dir.path() + u'/'; }

    // The delivered file, writable or read-only, and no backup.
    void deliver(bool readOnly) {
        for (const QString& name : {kEntityFileName, kEntityBackupName}) {
            clearReadOnly(folder() + name);
            QFile::remove(folder() + name);
        }
        writeLines(folder() + kEntityFileName, crash::entityVersion(0));
        if (readOnly)
            setReadOnly(folder() + kEntityFileName);
    }

    // Checks the state after a run that started from `before` with `first`
    // and returns the first version the next run may use.
    int check(const EntityState& before, int first, const SaverRun& run, const std::string& what) {
        EntityState s = before;
        for (int i = 0; i < run.saved; ++i)
            s = statesOfSave(s, crash::fileBytes(crash::entityVersion(first + i))).back();
        const auto allowed =
            statesOfSave(s, crash::fileBytes(crash::entityVersion(first + run.saved)));
        const EntityState actual = readEntityState(folder());
        const bool known = std::find(allowed.begin(), allowed.end(), actual) != allowed.end();
        EXPECT_TRUE(known) << what << ": after " << run.saved << " saves from "
                           << describe(before, first) << " the folder holds "
                           << describe(actual, first);
        if (known) {
            const auto step = std::find(allowed.begin(), allowed.end(), actual) - allowed.begin();
            ++(step == 0 ? untouched : step + 1 == std::ssize(allowed) ? finished : between);
        }
        return first + run.saved + 1;
    }

    QTemporaryDir dir;
    // Where the kills landed in the save that was running.
    int untouched = 0, between = 0, finished = 0;
};

TEST_F(EntityFileSaves, BackupChainHoldsWhereverASaveIsKilled) {
    std::mt19937 random(8122026);
    std::uniform_int_distribution<int> delayMicroseconds(0, 25000);
    int version = 1, kills = 0, savesCompleted = 0, leftoverCount = 0;
    QElapsedTimer clock;
    clock.start();
    for (int round = 0; round < 100; ++round) {
        // Every fifth round starts from a fresh installation, some of them
        // with a read-only delivered file; the others go on from the state
        // the previous kill left.
        if (round % 5 == 0)
            deliver(round % 10 == 5);
        const EntityState before = readEntityState(folder());
        const SaverRun run =
            killAfter({QStringLiteral("entity"), folder(), QString::number(version)},
                      std::chrono::microseconds(delayMicroseconds(random)));
        ASSERT_TRUE(run.killed);
        ++kills;
        savesCompleted += run.saved;
        version = check(before, version, run, "round " + std::to_string(round));
        leftoverCount += clearLeftovers(dir.path(), {kEntityFileName, kEntityBackupName});
    }
    std::cout << "[ figures  ] entity file: " << kills << " kills, " << savesCompleted
              << " saves completed; the running save had changed nothing " << untouched
              << " times, was part way " << between << " times, had finished " << finished
              << " times; leftovers " << leftoverCount << ", " << clock.elapsed() << " ms\n";
    EXPECT_GT(savesCompleted, 0);
}

TEST_F(EntityFileSaves, BackupChainHoldsWhenKilledAtEveryStep) {
    const auto strace = usableStrace();
    if (!strace)
        GTEST_SKIP() << "strace cannot trace here";
    int killPoints = 0, leftoverCount = 0;
    for (const bool readOnly : {false, true}) {
        for (const QString& call : kDiskCalls) {
            for (int n = 1;; ++n) {
                deliver(readOnly);
                const EntityState before = readEntityState(folder());
                const SaverRun run = killAtCall(
                    *strace, call, n,
                    {QStringLiteral("entity"), folder(), QStringLiteral("1"), QStringLiteral("4")});
                check(before, 1, run,
                      call.toStdString() + " #" + std::to_string(n) +
                          (readOnly ? ", read-only delivered file" : ""));
                leftoverCount += clearLeftovers(dir.path(), {kEntityFileName, kEntityBackupName});
                if (!run.killed)
                    break; // the n-th call never came: the four saves ran through
                ++killPoints;
            }
        }
    }
    std::cout << "[ figures  ] entity file, killed at every step of four saves: " << killPoints
              << " kill points, leftovers " << leftoverCount << "\n";
    EXPECT_GT(killPoints, 10);
}

} // namespace
} // namespace zef
