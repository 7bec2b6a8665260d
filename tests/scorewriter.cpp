// Another copy of the game's high-score code, for tests that need other processes writing the same store:
//   scorewriter record <file> <table> <seconds> <name> <go-file>: once <go-file> exists, records a quiz; 0 if stored
//   scorewriter rewrite <file> <length>: replaces table 2's name with <length> A, then B, and so on until killed
#include "HighScoreBook.h"

#include <QCoreApplication>
#include <QFile>
#include <QThread>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    SettingsStore store(args.value(2));
    qputenv("TMPDIR", args.value(2).section(u'/', 0, -2).toLocal8Bit()); // what a kill leaves stays there
    if (args.size() == 7 && args[1] == u"record"_s) {
        while (!QFile::exists(args[6]))
            QThread::msleep(1);
        const auto recorded = HighScoreBook(store).record(args[3].toInt(), qint16(args[4].toInt()), args[5]);
        return recorded.result == HighScoreBook::Recorded::Result::Stored ? 0 : 1;
    }
    for (QChar fill = u'A'; args.size() == 4 && args[1] == u"rewrite"_s; fill = fill == u'A' ? u'B' : u'A') {
        if (!store.WriteSetting(u"Quorvil"_s, u"Multi"_s, u"2Name"_s, QString(args[3].toLongLong(), fill)))
            return 2;
    }
    return 3;
}
