#include "runtime/settings/SettingsStore.h"

#include "platform/files/GuardedFile.h"
#include "runtime/settings/IniDocument.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <map>
#include <optional>
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
// is not copied again with every write. False when no copy could be made.
bool keepUnreadableContents(const QString& path, const QByteArray& contents)
{
    for (int n = 0; n < BackupLimit; ++n) {
        const QString candidate = path + QStringLiteral(".bad") + (n ? u'.' + QString::number(n) : QString());
        const platform::FileContents existing = platform::readGuarded(candidate, SettingsSizeCap);
        if (existing.status == platform::FileContents::Read && existing.bytes == contents)
            return true;
        if (existing.status == platform::FileContents::Missing && !QFileInfo::exists(candidate))
            return platform::replaceFile(candidate, contents);
    }
    return false;
}

// The store of the process. Changes wait here until the next turn of the event
// loop, then each file gets one write for all of them, so a burst of saves
// costs one write and none is left behind for long.
class SettingsStore {
public:
    static SettingsStore& instance()
    {
        static SettingsStore store;
        return store;
    }

    QString value(const QString& path, const QString& section, const QString& key, const QString& defaultValue);
    void change(const QString& path, const QString& section, std::optional<QString> key, std::optional<QString> value);
    void writePending();
    void end()
    {
        writePending();
        mEnded = true;
    }

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

    SettingsStore() { qAddPostRoutine(&SettingsStore::release); }

    static void release();
    const IniDocument& documentOf(const QString& path);
    void scheduleWrite();
    void writeFile(const QString& path, const std::vector<Change>& changes);

    std::vector<Change> mPending;
    // Each file as last read or written.
    std::map<QString, IniDocument> mFiles;
    bool mWriteScheduled = false;
    bool mEnded = false;
};

// Writes what is left while Qt is still whole, rather than at static
// destruction.
void SettingsStore::release()
{
    SettingsStore& store = instance();
    store.writePending();
    store.mFiles.clear();
}

const IniDocument& SettingsStore::documentOf(const QString& path)
{
    auto found = mFiles.find(path);
    if (found == mFiles.end())
        found = mFiles.emplace(path, IniDocument::parse(platform::readGuarded(path, SettingsSizeCap).bytes)).first;
    return found->second;
}

QString SettingsStore::value(const QString& path, const QString& section, const QString& key,
                             const QString& defaultValue)
{
    const auto pending = std::find_if(mPending.rbegin(), mPending.rend(),
                                      [&](const Change& change) { return change.covers(path, section, key); });
    if (pending != mPending.rend())
        return pending->value.value_or(defaultValue);
    return documentOf(path).value(section, key).value_or(defaultValue);
}

void SettingsStore::change(const QString& path, const QString& section, std::optional<QString> key,
                           std::optional<QString> value)
{
    if (mEnded)
        return;
    mPending.push_back({path, section, std::move(key), std::move(value)});
    scheduleWrite();
}

void SettingsStore::scheduleWrite()
{
    if (mWriteScheduled)
        return;
    // Without an application there is no event loop; FlushSettings then writes.
    mWriteScheduled = QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [this] {
            mWriteScheduled = false;
            writePending();
        },
        Qt::QueuedConnection);
}

void SettingsStore::writePending()
{
    std::vector<Change> changes;
    changes.swap(mPending);
    while (!changes.empty()) {
        const QString path = changes.front().path;
        const auto otherFiles = std::stable_partition(changes.begin(), changes.end(),
                                                      [&](const Change& change) { return change.path == path; });
        writeFile(path, std::vector<Change>(changes.begin(), otherFiles));
        changes.erase(changes.begin(), otherFiles);
    }
}

// The file is read again first, to take in what was edited by hand since, so
// that deleting a section also deletes the keys added to it meanwhile. A
// write that fails leaves the file as it was; the changes stay in memory and
// go with the next write.
void SettingsStore::writeFile(const QString& path, const std::vector<Change>& changes)
{
    const platform::FileContents disk = platform::readGuarded(path, SettingsSizeCap);
    IniDocument document = IniDocument::parse(disk.bytes);
    const bool keep = disk.status != platform::FileContents::Refused &&
        (!document.holdsUnreadableText() || keepUnreadableContents(path, disk.bytes));
    if (keep) {
        for (const Change& change : changes)
            change.applyTo(document);
        const QByteArray bytes = document.serialize();
        // Nothing to write: the file says what it said, or there is none and
        // would hold nothing.
        const bool unchanged = disk.status == platform::FileContents::Read
            ? bytes == disk.bytes
            : bytes == IniDocument::parse(QByteArray()).serialize();
        if (unchanged || platform::replaceFile(path, bytes)) {
            mFiles.insert_or_assign(path, std::move(document));
            return;
        }
    }
    mPending.insert(mPending.end(), changes.begin(), changes.end());
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

void FlushSettings() { SettingsStore::instance().writePending(); }

void EndSettings() { SettingsStore::instance().end(); }

QString SettingsFilePath(const QString& app) { return configHome() + u'/' + app + QStringLiteral("/settings.ini"); }

}  // namespace rt
