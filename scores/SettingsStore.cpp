#include "SettingsStore.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QThread>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

// A store holds a few hundred bytes. A file far larger than any store is
// neither read nor replaced, so that a damaged one cannot exhaust memory.
constexpr qint64 MaxFileBytes = 16 * 1024 * 1024;
// The lock is held only while the file is read and replaced, never while a
// dialog is open: a lock this old was left by a copy that died before it
// could say who holds it (one that says so is checked by process instead).
constexpr int StaleLockMs = 5000;
constexpr int LockWaitMs = 2 * StaleLockMs;
constexpr int LockRetryMs = 10;

QString groupOf(const QString &app, const QString &section)
{
    return app + u'/' + section;
}

// QSettings only ever parses and writes private copies. It keeps every file
// it has opened in a process-wide cache, and after a failed write that cache
// still holds the unsaved values: the next QSettings object on the same path
// would read them as stored and write them out later.
QString workingCopyTemplate()
{
    return QDir::tempPath() + u"/tabulon-settings-XXXXXX.ini"_s;
}

std::optional<QVariantMap> parseIni(const QByteArray &text)
{
    QTemporaryFile copy(workingCopyTemplate());
    if (!copy.open() || copy.write(text) != text.size() || !copy.flush() || copy.size() != text.size())
        return std::nullopt;
    const QSettings ini(copy.fileName(), QSettings::IniFormat);
    // A format error still leaves every line that could be read.
    if (ini.status() == QSettings::AccessError)
        return std::nullopt;
    QVariantMap values;
    for (const QString &key : ini.allKeys())
        values.insert(key, ini.value(key));
    return values;
}

QString textOf(const QVariant &value)
{
    // A value edited by hand with commas and no quotes reads as a list.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(u", "_s);
    return value.toString();
}

bool sameText(const QVariantMap &a, const QVariantMap &b)
{
    if (a.keys() != b.keys())
        return false;
    for (auto it = a.cbegin(); it != a.cend(); ++it) {
        if (textOf(it.value()) != textOf(b.value(it.key())))
            return false;
    }
    return true;
}

std::optional<QByteArray> writeIni(const QVariantMap &values)
{
    QTemporaryFile copy(workingCopyTemplate());
    if (!copy.open())
        return std::nullopt;
    {
        QSettings ini(copy.fileName(), QSettings::IniFormat);
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            ini.setValue(it.key(), it.value());
        ini.sync();
        if (ini.status() != QSettings::NoError)
            return std::nullopt;
    }
    // QSettings replaced the file under that name; read the new one.
    QFile written(copy.fileName());
    if (!written.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray text = written.readAll();
    // QSettings does not notice a short write (a full disk): make sure the
    // text holds every value before it replaces the store.
    const auto check = parseIni(text);
    if (!check || !sameText(*check, values))
        return std::nullopt;
    return text;
}

SettingsStore::Section sectionOf(const QVariantMap &values, const QString &group)
{
    const QString prefix = group + u'/';
    SettingsStore::Section section;
    for (auto it = values.lowerBound(prefix); it != values.cend() && it.key().startsWith(prefix);
         ++it) {
        const QString key = it.key().mid(prefix.size());
        if (!key.contains(u'/'))
            section.insert(key, textOf(it.value()));
    }
    return section;
}

// Every value in the file; an empty map when there is no file yet.
std::optional<QVariantMap> loadValues(const QString &path, QString &error)
{
    QFile file(path);
    if (!file.exists())
        return QVariantMap{};
    if (!file.open(QIODevice::ReadOnly)) {
        error = SettingsStore::tr("Cannot read %1: %2.").arg(QDir::toNativeSeparators(path), file.errorString());
        return std::nullopt;
    }
    const QByteArray text = file.read(MaxFileBytes + 1);
    if (text.size() > MaxFileBytes) {
        error = SettingsStore::tr("%1 is too large to be a high-score file.").arg(QDir::toNativeSeparators(path));
        return std::nullopt;
    }
    auto values = parseIni(text);
    if (!values)
        error = SettingsStore::tr("Cannot make a working copy in %1.").arg(QDir::toNativeSeparators(QDir::tempPath()));
    return values;
}

// To take over a stale lock, QLockFile first takes a second lock beside it,
// which it honours for 30 s when it holds no owner: a copy killed between
// making that file and writing itself into it would keep every other copy
// from saving for that long. Nobody takes so long to write a few bytes.
void removeAbandonedTakeover(const QString &lockPath)
{
    const QFileInfo takeover(lockPath + u".rmlock"_s);
    if (takeover.exists() && takeover.size() == 0
        && takeover.lastModified().msecsTo(QDateTime::currentDateTime()) > StaleLockMs)
        QFile::remove(takeover.filePath());
}

// QLockFile::tryLock(timeout) waits twice as long after every try, so copies
// that start waiting together try again together and all but one find the
// lock taken each time: of a dozen, some gave up with the lock free nearly
// all along. Each copy tries again soon, at a moment of its own.
bool lockWithin(QLockFile &lock, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!lock.tryLock(0)) {
        if (lock.error() != QLockFile::LockFailedError || deadline.hasExpired())
            return false;
        removeAbandonedTakeover(lock.fileName());
        QThread::msleep(LockRetryMs + QRandomGenerator::global()->bounded(LockRetryMs));
    }
    return true;
}

QString lockError(const QLockFile &lock, const QString &path)
{
    const QString shown = QDir::toNativeSeparators(path);
    if (lock.error() == QLockFile::LockFailedError)
        return SettingsStore::tr("Another copy of the game kept %1 locked.").arg(shown);
    return SettingsStore::tr("Cannot create the lock file %1.").arg(shown);
}

} // namespace

SettingsStore::SettingsStore()
    : SettingsStore(defaultFilePath())
{
}

SettingsStore::SettingsStore(QString filePath)
    : m_filePath(std::move(filePath))
{
}

QString SettingsStore::defaultFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + u"/tabulon/highscores.ini"_s;
}

QString SettingsStore::ReadSetting(const QString &app, const QString &section, const QString &key,
                                   const QString &defaultValue) const
{
    return readSection(app, section).value(key, defaultValue);
}

SettingsStore::Section SettingsStore::readSection(const QString &app, const QString &section) const
{
    QString ignored;
    const auto values = loadValues(m_filePath, ignored);
    return values ? sectionOf(*values, groupOf(app, section)) : Section{};
}

bool SettingsStore::WriteSetting(const QString &app, const QString &section, const QString &key,
                                 const QString &value)
{
    return update(app, section, [&key, &value](const Section &) { return Changes{{key, value}}; })
        .has_value();
}

std::optional<SettingsStore::Section> SettingsStore::update(const QString &app, const QString &section,
                                                            const Change &change)
{
    m_error.clear();
    const QString folder = QFileInfo(m_filePath).absolutePath();
    if (!QDir().mkpath(folder))
        return fail(tr("Cannot create the folder %1.").arg(QDir::toNativeSeparators(folder)));

    const QString lockPath = m_filePath + u".lock"_s;
    QLockFile lock(lockPath);
    lock.setStaleLockTime(StaleLockMs);
    if (!lockWithin(lock, LockWaitMs))
        return fail(lockError(lock, lockPath));

    QString error;
    auto values = loadValues(m_filePath, error);
    if (!values)
        return fail(error);
    const QString group = groupOf(app, section);
    Section current = sectionOf(*values, group);
    const Changes changes = change(current);
    if (changes.isEmpty())
        return current;
    for (const auto &[key, value] : changes) {
        values->insert(group + u'/' + key, value);
        current.insert(key, value);
    }

    const auto text = writeIni(*values);
    if (!text)
        return fail(tr("Cannot make a working copy in %1.").arg(QDir::toNativeSeparators(QDir::tempPath())));
    // The new file takes the old one's place in one step: a crash leaves
    // either the old values or the new ones.
    QSaveFile file(m_filePath);
    // Unbuffered, so that write() counts what reached the file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || file.write(*text) != text->size()
        || !file.commit())
        return fail(tr("Cannot write %1: %2.").arg(QDir::toNativeSeparators(m_filePath), file.errorString()));
    return current;
}

std::nullopt_t SettingsStore::fail(const QString &reason)
{
    m_error = reason;
    return std::nullopt;
}
