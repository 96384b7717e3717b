#include "runtime/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringDecoder>

#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace rt {
namespace {

QString percentEncoded(QChar c)
{
    return u'%' + QString::number(c.unicode(), 16).toUpper().rightJustified(2, u'0');
}

// QSettings splits group and key paths on "/" (dropping empty parts), and files
// every group named "general", in any case, under the one name "General". Our
// own %XX for "%" and "/", and for the first letter of such a group, keeps each
// name one path element that no other name shares, while ordinary names such as
// "Items" or "groupTools" stay as they are in the file for those who edit it.
QString storedName(const QString& name)
{
    // An empty name would address the top of the file, and deleting that
    // "section" would erase everything.
    if (name.isEmpty())
        return QStringLiteral("%");
    QString stored;
    stored.reserve(name.size());
    for (QChar c : name)
        stored += (c == u'%' || c == u'/') ? percentEncoded(c) : QString(c);
    if (name.compare(u"general", Qt::CaseInsensitive) == 0)
        stored.replace(0, 1, percentEncoded(name.front()));
    return stored;
}

QString storedPath(const QString& section, const QString& key)
{
    return storedName(section) + u'/' + storedName(key);
}

QString configHome()
{
    const QString fromEnvironment = qEnvironmentVariable("XDG_CONFIG_HOME");
    // The base directory rules say a relative path is to be ignored.
    if (QDir::isAbsolutePath(fromEnvironment))
        return fromEnvironment;
    return QDir::homePath() + QStringLiteral("/.config");
}

bool isReadableLine(const QByteArray& rawLine)
{
    const QByteArray line = rawLine.trimmed();
    if (line.isEmpty() || line.startsWith(';') || line.startsWith('#'))
        return true;
    if (line.startsWith('['))
        return line.endsWith(']');
    return line.indexOf('=') > 0;
}

bool isUtf8(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8.decode(bytes);  // the decoder only runs when its result is taken
    return !utf8.hasError();
}

bool holdsUnreadableText(const QByteArray& contents)
{
    // Bytes that are not UTF-8 would come back as replacement characters.
    if (!isUtf8(contents))
        return true;
    const QList<QByteArray> lines = contents.split('\n');
    return !std::all_of(lines.begin(), lines.end(), isReadableLine);
}

QString unusedBackupName(const QString& path)
{
    QString candidate = path + QStringLiteral(".bad");
    for (int n = 1; QFileInfo::exists(candidate); ++n)
        candidate = path + QStringLiteral(".bad.") + QString::number(n);
    return candidate;
}

// QSettings rewrites a file without the lines it cannot parse, so a file
// holding such lines is first copied aside. Returns whether the file may be
// rewritten: not when it cannot be read or the copy fails, since what the user
// wrote would be lost.
bool keepUnreadableFile(const QString& path)
{
    QFile file(path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return false;
    if (!holdsUnreadableText(file.readAll()))
        return true;
    return QFile::copy(path, unusedBackupName(path));
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

    QString value(const QString& path, const QString& storedKey, const QString& defaultValue);
    void change(const QString& path, const QString& storedKey, std::optional<QString> value);
    void writePending();

private:
    struct Change {
        QString path;
        QString storedKey;             // section/key, or the section alone when it is deleted
        std::optional<QString> value;  // none: deleted
    };

    SettingsStore() { qAddPostRoutine(&SettingsStore::release); }

    static void release();
    static const Change* latestChange(const std::vector<Change>& changes, const QString& path,
                                      const QString& storedKey);
    QSettings& settingsFor(const QString& path);
    void scheduleWrite();
    void writeFile(const QString& path, const std::vector<Change>& changes);

    std::vector<Change> mPending;
    std::map<QString, std::unique_ptr<QSettings>> mFiles;
    bool mWriteScheduled = false;
};

// Writes what is left and closes the files while Qt is still whole, rather
// than at static destruction.
void SettingsStore::release()
{
    SettingsStore& store = instance();
    store.writePending();
    store.mFiles.clear();
}

const SettingsStore::Change* SettingsStore::latestChange(const std::vector<Change>& changes,
                                                         const QString& path, const QString& storedKey)
{
    const auto found = std::find_if(changes.rbegin(), changes.rend(), [&](const Change& change) {
        return change.path == path
               && (change.storedKey == storedKey || storedKey.startsWith(change.storedKey + u'/'));
    });
    return found == changes.rend() ? nullptr : &*found;
}

QString SettingsStore::value(const QString& path, const QString& storedKey, const QString& defaultValue)
{
    if (const Change* pending = latestChange(mPending, path, storedKey))
        return pending->value.value_or(defaultValue);
    const QVariant stored = settingsFor(path).value(storedKey);
    if (!stored.isValid())
        return defaultValue;
    // QSettings reads a hand-written value with unquoted commas as a list.
    if (stored.typeId() == QMetaType::QStringList)
        return stored.toStringList().join(u", ");
    return stored.toString();
}

void SettingsStore::change(const QString& path, const QString& storedKey, std::optional<QString> value)
{
    mPending.push_back({path, storedKey, std::move(value)});
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

void SettingsStore::writeFile(const QString& path, const std::vector<Change>& changes)
{
    if (!keepUnreadableFile(path)) {
        mPending.insert(mPending.end(), changes.begin(), changes.end());
        return;
    }
    QSettings& settings = settingsFor(path);
    // Take in what was edited by hand since the last write, so that deleting a
    // section also deletes the keys added to it meanwhile.
    settings.sync();
    for (const Change& change : changes) {
        if (change.value)
            settings.setValue(change.storedKey, *change.value);
        else
            settings.remove(change.storedKey);
    }
    // A write that fails leaves the file as it was; QSettings keeps the changes
    // in memory and offers them again with the next write.
    settings.sync();
}

QSettings& SettingsStore::settingsFor(const QString& path)
{
    std::unique_ptr<QSettings>& settings = mFiles[path];
    if (!settings) {
        settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
        // Replace the file through a temporary file and a rename, or not at
        // all: a file rewritten in place is half-written if the process dies.
        settings->setAtomicSyncRequired(true);
    }
    return *settings;
}

}  // namespace

QString GetSetting(const QString& app, const QString& section, const QString& key, const QString& defaultValue)
{
    return SettingsStore::instance().value(SettingsFilePath(app), storedPath(section, key), defaultValue);
}

void SaveSetting(const QString& app, const QString& section, const QString& key, const QString& value)
{
    SettingsStore::instance().change(SettingsFilePath(app), storedPath(section, key), value);
}

void DeleteSetting(const QString& app, const QString& section, const QString& key)
{
    const QString storedKey = key.isEmpty() ? storedName(section) : storedPath(section, key);
    SettingsStore::instance().change(SettingsFilePath(app), storedKey, std::nullopt);
}

void FlushSettings()
{
    SettingsStore::instance().writePending();
}

QString SettingsFilePath(const QString& app)
{
    return configHome() + u'/' + app + QStringLiteral("/settings.ini");
}

}  // namespace rt
