#pragma once

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QString>

#include <functional>
#include <optional>
#include <utility>

// Text values addressed by application, section and key, kept in one INI
// file per user. Every call reads the file afresh; every write replaces the
// whole file atomically under a lock shared with other copies of the game.
class SettingsStore
{
    Q_DECLARE_TR_FUNCTIONS(SettingsStore)

public:
    using Section = QHash<QString, QString>;
    using Changes = QList<std::pair<QString, QString>>; // key, new value
    using Change = std::function<Changes(const Section &current)>;

    // The player's own store in the standard configuration folder.
    SettingsStore();
    explicit SettingsStore(QString filePath);

    static QString defaultFilePath();
    const QString &filePath() const { return m_filePath; }

    // The text under the key, or defaultValue when there is none (or the
    // file cannot be read).
    QString ReadSetting(const QString &app, const QString &section, const QString &key,
                        const QString &defaultValue) const;
    // Every key of one section with its text.
    Section readSection(const QString &app, const QString &section) const;

    // False when the value could not be stored; errorString() says why.
    [[nodiscard]] bool WriteSetting(const QString &app, const QString &section, const QString &key,
                                    const QString &value);
    // Reads the section, asks change what to write and writes it, all under
    // the lock, so that no other copy writes in between. Values of other
    // sections are kept. A damaged file (lines QSettings cannot read, keys
    // it would rename, bytes that are no text) is first copied beside the
    // store, to highscores.ini.damaged or, when that is taken, .damaged-2 and
    // so on; the rewrite keeps every value that can be read. The section as
    // it now stands, or nothing when the changes could not be stored.
    [[nodiscard]] std::optional<Section> update(const QString &app, const QString &section,
                                                const Change &change);

    QString errorString() const { return m_error; }

private:
    std::nullopt_t fail(const QString &reason);

    QString m_filePath;
    QString m_error;
};
