#include "frmMultiiplication.h"

#include <QDialog>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

// What the main window must not do before it is first shown: each of these
// once slowed the start of the game (bench/run.sh measures it).
class tst_StartUp : public QObject
{
    Q_OBJECT

    QStringList mediaAsked;
    std::unique_ptr<frmMultiiplication> window;

private Q_SLOTS:
    // The window is made and shown once, as the program does at start.
    void initTestCase()
    {
        WindowServices services;
        services.mediaFile = [this](const QString &name) {
            mediaAsked << name;
            return name;
        };
        window = std::make_unique<frmMultiiplication>(std::move(services));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QTest::qWait(50);
    }

    void loadsNoLibraryBeforeItIsNeeded_data()
    {
        QTest::addColumn<QString>("library");
        QTest::newRow("the sound module") << u"tabulon-sound"_s;
        QTest::newRow("Qt Multimedia") << u"libQt6Multimedia"_s;
        QTest::newRow("PulseAudio") << u"libpulse"_s;
        QTest::newRow("libsndfile") << u"libsndfile"_s;
        // Reading the icons without naming their format loads every plugin.
        QTest::newRow("image format plugins") << u"/imageformats/"_s;
    }

    void loadsNoLibraryBeforeItIsNeeded()
    {
        QFETCH(QString, library);
        QFile maps(u"/proc/self/maps"_s);
        QVERIFY(maps.open(QIODevice::ReadOnly));
        const QString mapped = QString::fromLocal8Bit(maps.readAll());
        QVERIFY(!mapped.isEmpty());
        QVERIFY2(!mapped.contains(library), qPrintable(library + u" is loaded"_s));
    }

    void readsNoMediaFileAndMakesNoOtherWindow()
    {
        QCOMPARE(mediaAsked, QStringList());
        QCOMPARE(window->findChildren<QDialog *>().size(), 0); // the About window is made on demand
    }
};

QTEST_MAIN(tst_StartUp)
#include "tst_startup.moc"
