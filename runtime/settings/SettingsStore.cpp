// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/settings/SettingsStore.h"

#include "platform/files/GuardedFile.h"
#include "runtime/settings/IniDocument.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <map>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace rt {
namespace {

// Far beyond any settings file the program writes; a larger one is no
// settings file and is left alone.
constexpr qint64 SettingsSizeCap = 256 * 1024 * 1024;
// Copies of distinct unreadable contents kept beside the file at most.
constexpr int BackupLimit = 100;

QString configHome()
{
    QString fromEnvironment = qEnvironmentVariable("XDG_CONFIG_HOME");
    // The base directory rules say a relative path is to be ignored.
    if (QDir::isAbsolutePath(fromEnvironment))
        return fromEnvironment;
    return QDir::homePath() + QStringLiteral("/.config");
}

// A file holding what the store cannot read is copied aside before the first
// write, once for each content: a file that stays as it is (read-only, say)
// is not copied again with every write. Returns 0, or the errno of why no
// copy could be made.
int keepUnreadableContents(const QString& path, const QByteArray& contents)
{
    for (int n = 0; n < BackupLimit; ++n) {
        const QString candidate = path + QStringLiteral(".bad") + (n ? u'.' + QString::number(n) : QString());
        const platform::FileContents existing = platform::readGuarded(candidate, SettingsSizeCap);
        if (existing.status == platform::FileContents::Read && existing.bytes == contents)
            return 0;
        if (existing.status == platform::FileContents::Missing && !QFileInfo::exists(candidate))
            return platform::replaceFile(candidate, contents);
    }
    return EEXIST;
}

// The store of the process. Changes gather on the user-interface thread until
// the next turn of the event loop, so that what one handler saves (a whole
// list, say) goes into the same write. Then they are handed to a writer
// thread, which writes all that was handed to it since its last write in one
// go, in order, so a slow disk never holds up the event loop.
class SettingsStore {
public:
    static SettingsStore& instance()
    {
        static SettingsStore store;
        return store;
    }

    QString value(const QString& path, const QString& section, const QString& key, const QString& defaultValue);
    void change(const QString& path, const QString& section, std::optional<QString> key, std::optional<QString> value);
    void flush();
    void end();
    void setFailureHandler(SettingsWriteFailureHandler handler) { mFailureHandler = std::move(handler); }

private:
    struct Change {
        QString path;
        QString section;
        std::optional<QString> key;  // none: the whole section
        std::optional<QString> value;  // none: deleted

        bool covers(const QString& path_, const QString& section_, const QString& key_) const
        {
            return path == path_ && section == section_ && (!key || *key == key_);
        }
        void applyTo(IniDocument& document) const
        {
            if (!key)
                document.removeSection(section);
            else if (value)
                document.setValue(section, *key, *value);
            else
                document.removeKey(section, *key);
        }
    };
    struct Failure {
        QString path;
        int error = 0;
        bool operator==(const Failure&) const = default;
    };

    SettingsStore() { qAddPostRoutine(&SettingsStore::release); }
    // A process that ends without the application object going (exit() when
    // the display is lost) still writes what it had.
    ~SettingsStore() { stopWriter(); }

    static void release();
    static const Change* latest(const std::vector<Change>& changes, const QString& path, const QString& section,
                                const QString& key);
    const IniDocument& documentOf(const QString& path);
    void scheduleHandOff();
    void handOff(bool retry);
    void waitUntilWritten();
    void stopWriter();
    void writerLoop();
    // Writer thread: one write per file; the changes that could not be
    // written, and the first failure.
    std::optional<Failure> writeChanges(std::vector<Change>& changes);
    std::optional<Failure> writeFile(const QString& path, const std::vector<Change>& changes);
    void reportFailure(bool ending);

    // User-interface thread only.
    std::vector<Change> mGathering;
    bool mHandOffScheduled = false;
    bool mEnded = false;
    std::optional<Failure> mLastTold;
    SettingsWriteFailureHandler mFailureHandler;

    // Shared with the writer, under mMutex.
    std::mutex mMutex;
    std::condition_variable mWake;
    std::condition_variable mIdle;
    std::vector<Change> mHanded;  // waiting for the writer; failed ones first
    std::vector<Change> mWriting;  // being written now
    bool mWriteWanted = false;
    bool mWriterBusy = false;
    bool mStopWriter = false;
    std::optional<Failure> mFailure;  // of the last write; none once one succeeds
    // Each file as last read or written.
    std::map<QString, IniDocument> mFiles;
    std::thread mWriter;
};

// Writes what is left while Qt is still whole, rather than at static
// destruction.
void SettingsStore::release()
{
    SettingsStore& store = instance();
    store.stopWriter();
    store.reportFailure(true);
    const std::lock_guard lock(store.mMutex);
    store.mFiles.clear();
}

const SettingsStore::Change* SettingsStore::latest(const std::vector<Change>& changes, const QString& path,
                                                   const QString& section, const QString& key)
{
    const auto found = std::find_if(changes.rbegin(), changes.rend(),
                                    [&](const Change& change) { return change.covers(path, section, key); });
    return found == changes.rend() ? nullptr : &*found;
}

const IniDocument& SettingsStore::documentOf(const QString& path)
{
    auto found = mFiles.find(path);
    if (found == mFiles.end()) {
        platform::finishInterruptedWrite(path);
        found = mFiles.emplace(path, IniDocument::parse(platform::readGuarded(path, SettingsSizeCap).bytes)).first;
    }
    return found->second;
}

QString SettingsStore::value(const QString& path, const QString& section, const QString& key,
                             const QString& defaultValue)
{
    if (const Change* gathered = latest(mGathering, path, section, key))
        return gathered->value.value_or(defaultValue);
    const std::lock_guard lock(mMutex);
    for (const std::vector<Change>* changes : {&mHanded, &mWriting}) {
        if (const Change* handed = latest(*changes, path, section, key))
            return handed->value.value_or(defaultValue);
    }
    return documentOf(path).value(section, key).value_or(defaultValue);
}

void SettingsStore::change(const QString& path, const QString& section, std::optional<QString> key,
                           std::optional<QString> value)
{
    if (mEnded)
        return;
    mGathering.push_back({path, section, std::move(key), std::move(value)});
    scheduleHandOff();
}

void SettingsStore::scheduleHandOff()
{
    if (mHandOffScheduled)
        return;
    // Without an application there is no event loop; FlushSettings then writes.
    mHandOffScheduled = QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [this] {
            mHandOffScheduled = false;
            handOff(false);
        },
        Qt::QueuedConnection);
}

// A failed write is tried again with the next change, or when asked to.
void SettingsStore::handOff(bool retry)
{
    if (mGathering.empty() && !retry)
        return;
    const std::lock_guard lock(mMutex);
    mHanded.insert(mHanded.end(), std::make_move_iterator(mGathering.begin()),
                   std::make_move_iterator(mGathering.end()));
    mGathering.clear();
    if (mHanded.empty())
        return;
    mWriteWanted = true;
    if (!mWriter.joinable())
        mWriter = std::thread([this] { writerLoop(); });
    mWake.notify_one();
}

void SettingsStore::waitUntilWritten()
{
    std::unique_lock lock(mMutex);
    mIdle.wait(lock, [this] { return !mWriteWanted && !mWriterBusy; });
}

void SettingsStore::flush()
{
    handOff(true);
    waitUntilWritten();
}

void SettingsStore::end()
{
    handOff(true);
    waitUntilWritten();
    reportFailure(true);
    mEnded = true;
    stopWriter();
}

void SettingsStore::stopWriter()
{
    handOff(true);
    {
        const std::lock_guard lock(mMutex);
        mStopWriter = true;
        mWake.notify_one();
    }
    if (mWriter.joinable())
        mWriter.join();
}

void SettingsStore::writerLoop()
{
    std::unique_lock lock(mMutex);
    // Held from the first write of a run of them to the last, so that the
    // process is not ended between two of them.
    std::optional<platform::UnfinishedWrite> unfinished;
    for (;;) {
        if (!mWriteWanted)
            unfinished.reset();
        mWake.wait(lock, [this] { return mWriteWanted || mStopWriter; });
        if (!mWriteWanted)
            return;
        if (!unfinished)
            unfinished.emplace();
        mWriteWanted = false;
        mWriterBusy = true;
        mWriting.swap(mHanded);
        // Reads look at mWriting meanwhile; the write works on its own copy.
        std::vector<Change> batch = mWriting;
        lock.unlock();
        const std::optional<Failure> failure = writeChanges(batch);
        lock.lock();
        // What was not written goes before what was handed meanwhile.
        mHanded.insert(mHanded.begin(), std::make_move_iterator(batch.begin()), std::make_move_iterator(batch.end()));
        mWriting.clear();
        mWriterBusy = false;
        const bool told = failure != mFailure;
        mFailure = failure;
        if (told && failure && QCoreApplication::instance())
            QMetaObject::invokeMethod(
                QCoreApplication::instance(), [this] { reportFailure(false); }, Qt::QueuedConnection);
        mIdle.notify_all();
    }
}

std::optional<SettingsStore::Failure> SettingsStore::writeChanges(std::vector<Change>& changes)
{
    std::vector<Change> unwritten;
    std::optional<Failure> failure;
    while (!changes.empty()) {
        const QString path = changes.front().path;
        const auto otherFiles = std::stable_partition(changes.begin(), changes.end(),
                                                      [&](const Change& change) { return change.path == path; });
        std::vector<Change> ofFile(std::make_move_iterator(changes.begin()), std::make_move_iterator(otherFiles));
        changes.erase(changes.begin(), otherFiles);
        std::optional<Failure> failed = writeFile(path, ofFile);
        if (!failed)
            continue;
        if (!failure)
            failure = failed;
        unwritten.insert(unwritten.end(), std::make_move_iterator(ofFile.begin()),
                         std::make_move_iterator(ofFile.end()));
    }
    changes = std::move(unwritten);
    return failure;
}

// The file is read again first, to take in what was edited by hand since, so
// that deleting a section also deletes the keys added to it meanwhile. A
// write that fails leaves the file as it was; the changes stay in memory and
// go with the next write.
std::optional<SettingsStore::Failure> SettingsStore::writeFile(const QString& path, const std::vector<Change>& changes)
{
    platform::finishInterruptedWrite(path);
    const platform::FileContents disk = platform::readGuarded(path, SettingsSizeCap);
    IniDocument document = IniDocument::parse(disk.bytes);
    if (disk.status == platform::FileContents::Refused)
        return Failure{path, EINVAL};
    if (document.holdsUnreadableText()) {
        if (const int error = keepUnreadableContents(path, disk.bytes))
            return Failure{path, error};
    }
    for (const Change& change : changes)
        change.applyTo(document);
    const QByteArray bytes = document.serialize();
    // Nothing to write: the file says what it said, or there is none and
    // would hold nothing.
    const bool unchanged = disk.status == platform::FileContents::Read
        ? bytes == disk.bytes
        : bytes == IniDocument::parse(QByteArray()).serialize();
    if (!unchanged) {
        if (const int error = platform::replaceFile(path, bytes))
            return Failure{path, error};
    }
    const std::lock_guard lock(mMutex);
    mFiles.insert_or_assign(path, std::move(document));
    return std::nullopt;
}

// Once for each cause: the same failure again says nothing, and a write that
// succeeds makes the next failure worth telling.
void SettingsStore::reportFailure(bool ending)
{
    std::optional<Failure> failure;
    {
        const std::lock_guard lock(mMutex);
        failure = mFailure;
    }
    if (!failure) {
        mLastTold.reset();
        return;
    }
    if (failure == mLastTold)
        return;
    mLastTold = failure;
    if (mFailureHandler)
        mFailureHandler(failure->path, failure->error, ending);
}

}  // namespace

QString GetSetting(const QString& app, const QString& section, const QString& key, const QString& defaultValue)
{
    return SettingsStore::instance().value(SettingsFilePath(app), section, key, defaultValue);
}

void SaveSetting(const QString& app, const QString& section, const QString& key, const QString& value)
{
    SettingsStore::instance().change(SettingsFilePath(app), section, key, value);
}

void DeleteSetting(const QString& app, const QString& section, const QString& key)
{
    SettingsStore::instance().change(SettingsFilePath(app), section,
                                     key.isEmpty() ? std::nullopt : std::optional<QString>(key), std::nullopt);
}

void FlushSettings() { SettingsStore::instance().flush(); }

void EndSettings() { SettingsStore::instance().end(); }

void onSettingsWriteFailure(SettingsWriteFailureHandler handler)
{
    SettingsStore::instance().setFailureHandler(std::move(handler));
}

QString SettingsFilePath(const QString& app) { return configHome() + u'/' + app + QStringLiteral("/settings.ini"); }

}  // namespace rt
