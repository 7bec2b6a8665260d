// A second copy of the game's high-score code, for tests that need other
// processes writing the same store.
//   scorewriter record <file> <table> <seconds> <name> [<go-file>]
//     records a finished quiz (after <go-file> exists, when given); the exit
//     status is 0 when stored, 1 when not a best time, 2 when writing failed
//   scorewriter rewrite <file> <length>
//     replaces the name of table 2 with a run of A or of B of that length,
//     alternately, until killed
#include "HighScoreBook.h"
#include "SettingsStore.h"

#include <QCoreApplication>
#include <QFile>
#include <QThread>

using namespace Qt::StringLiterals;

namespace {

int record(const QStringList &args)
{
    if (args.size() > 6) {
        while (!QFile::exists(args.at(6)))
            QThread::msleep(1);
    }
    SettingsStore store(args.at(2));
    HighScoreBook book(store);
    switch (book.record(args.at(3).toInt(), qint16(args.at(4).toInt()), args.at(5))) {
    case HighScoreBook::Recorded::Stored:
        return 0;
    case HighScoreBook::Recorded::NotBest:
        return 1;
    case HighScoreBook::Recorded::Failed:
        break;
    }
    return 2;
}

int rewrite(const QStringList &args)
{
    SettingsStore store(args.at(2));
    const qsizetype length = args.at(3).toLongLong();
    for (QChar fill = u'A';; fill = fill == u'A' ? u'B' : u'A') {
        if (!store.WriteSetting(u"Quorvil"_s, u"Multi"_s, u"2Name"_s, QString(length, fill)))
            return 2;
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() >= 6 && args.at(1) == u"record"_s)
        return record(args);
    if (args.size() == 4 && args.at(1) == u"rewrite"_s)
        return rewrite(args);
    return 3;
}
