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
#include <QStringDecoder>
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

// A store's values, and whether writing them back would lose part of its
// text: then the text is kept beside the store before it is replaced.
struct Contents
{
    QVariantMap values;
    bool damaged = false;
    QByteArray text;
};

// A NUL byte or bytes that are not UTF-8 do not come back as they were
// from a rewrite.
bool isPlainText(const QByteArray &text)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8.decode(text);
    return !utf8.hasError() && !decoded.contains(QChar::Null);
}

// QSettings writes a key under its normalised name ("a//b/" as "a/b"), so an
// empty key or one with a stray slash would come back as another key.
bool keepsItsName(const QString &key)
{
    return !key.isEmpty() && !key.startsWith(u'/') && !key.endsWith(u'/') && !key.contains(u"//"_s);
}

std::optional<Contents> parseIni(const QByteArray &text)
{
    QTemporaryFile copy(workingCopyTemplate());
    if (!copy.open() || copy.write(text) != text.size() || !copy.flush() || copy.size() != text.size())
        return std::nullopt;
    const QSettings ini(copy.fileName(), QSettings::IniFormat);
    Contents contents{{}, !isPlainText(text), text};
    for (const QString &key : ini.allKeys()) {
        if (keepsItsName(key))
            contents.values.insert(key, ini.value(key));
        else
            contents.damaged = true;
    }
    // A line QSettings cannot read is skipped and reported as a format
    // error, some when the file is opened, others once the keys are read.
    contents.damaged = contents.damaged || ini.status() != QSettings::NoError;
    return contents;
}

QString textOf(const QVariant &value)
{
    // A value edited by hand with commas and no quotes reads as a list; one
    // holding a NUL comes back from a rewrite as a list of variants.
    if (value.typeId() == QMetaType::QStringList || value.typeId() == QMetaType::QVariantList)
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
    if (!check || !sameText(check->values, values))
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

QString workingCopyError()
{
    //: Reason a best time could not be saved: %1 is the temporary folder
    return SettingsStore::tr("Cannot make a working copy in %1.").arg(QDir::toNativeSeparators(QDir::tempPath()));
}

// Every value in the file; none when there is no file yet.
std::optional<Contents> loadContents(const QString &path, QString &error)
{
    QFile file(path);
    if (!file.exists())
        return Contents{};
    if (!file.open(QIODevice::ReadOnly)) {
        //: Reason a best time could not be saved: %1 the file, %2 the system's reason
        error = SettingsStore::tr("Cannot read %1: %2.").arg(QDir::toNativeSeparators(path), file.errorString());
        return std::nullopt;
    }
    const QByteArray text = file.read(MaxFileBytes + 1);
    if (text.size() > MaxFileBytes) {
        //: Reason a best time could not be saved: %1 is the file
        error = SettingsStore::tr("%1 is too large to be a high-score file.").arg(QDir::toNativeSeparators(path));
        return std::nullopt;
    }
    auto contents = parseIni(text);
    if (!contents)
        error = workingCopyError();
    return contents;
}

// The first name beside the store that nothing has yet, so that no copy
// ever replaces an earlier one.
QString freeCopyName(const QString &path)
{
    for (int n = 1;; ++n) {
        const QString name = n == 1 ? path + u".damaged"_s : u"%1.damaged-%2"_s.arg(path).arg(n);
        const QFileInfo taken(name);
        if (!taken.exists() && !taken.isSymLink())
            return name;
    }
}

bool keepCopy(const QString &name, const QByteArray &text, QString &error)
{
    QFile copy(name);
    // NewOnly: a file that appeared under this name since is left alone.
    if (copy.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered) && copy.write(text) == text.size())
        return true;
    //: Reason a best time could not be saved: %1 the file, %2 the system's reason
    error = SettingsStore::tr("Cannot write %1: %2.").arg(QDir::toNativeSeparators(name), copy.errorString());
    if (copy.isOpen())
        copy.remove(); // part of the text is no copy
    return false;
}

// The new file takes the old one's place in one step: a crash leaves either
// the old values or the new ones.
bool replaceStore(const QString &path, const QByteArray &text, const Contents &old, QString &error)
{
    // What the rewrite leaves out or changes stays readable in the copy.
    const QString copyName = old.damaged ? freeCopyName(path) : QString();
    if (old.damaged && !keepCopy(copyName, old.text, error))
        return false;
    QSaveFile file(path);
    // Unbuffered, so that write() counts what reached the file.
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && file.write(text) == text.size() && file.commit())
        return true;
    if (!copyName.isEmpty())
        QFile::remove(copyName); // the store still holds that text
    //: Reason a best time could not be saved: %1 the file, %2 the system's reason
    error = SettingsStore::tr("Cannot write %1: %2.").arg(QDir::toNativeSeparators(path), file.errorString());
    return false;
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
        //: Reason a best time could not be saved: %1 is the file
        return SettingsStore::tr("Another copy of the game kept %1 locked.").arg(shown);
    //: Reason a best time could not be saved: %1 is the lock file
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
    const auto contents = loadContents(m_filePath, ignored);
    return contents ? sectionOf(contents->values, groupOf(app, section)) : Section{};
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
        //: Reason a best time could not be saved: %1 is the folder
        return fail(tr("Cannot create the folder %1.").arg(QDir::toNativeSeparators(folder)));

    const QString lockPath = m_filePath + u".lock"_s;
    QLockFile lock(lockPath);
    lock.setStaleLockTime(StaleLockMs);
    if (!lockWithin(lock, LockWaitMs))
        return fail(lockError(lock, lockPath));

    QString error;
    auto contents = loadContents(m_filePath, error);
    if (!contents)
        return fail(error);
    QVariantMap &values = contents->values;
    const QString group = groupOf(app, section);
    Section current = sectionOf(values, group);
    const Changes changes = change(current);
    if (changes.isEmpty())
        return current;
    for (const auto &[key, value] : changes) {
        values.insert(group + u'/' + key, value);
        current.insert(key, value);
    }

    const auto text = writeIni(values);
    if (!text)
        return fail(workingCopyError());
    if (!replaceStore(m_filePath, *text, *contents, error))
        return fail(error);
    return current;
}

std::nullopt_t SettingsStore::fail(const QString &reason)
{
    m_error = reason;
    return std::nullopt;
}
