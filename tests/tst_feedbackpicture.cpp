#include "TestSounds.h"
#include "frmMultiiplication.h"

#include <QLabel>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The happy and the sad face in Picture1, read from a media directory.
class tst_FeedbackPicture : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void facesBesideTheProgramDiffer();
    void pictureIsShown_data();
    void pictureIsShown();
    void unreadablePictureLeavesTheBoxEmpty_data();
    void unreadablePictureLeavesTheBoxEmpty();

private:
    QImage shownImage() const
    {
        return window->findChild<QLabel *>(u"Picture1"_s)->pixmap().toImage();
    }

    QTemporaryDir dir;
    std::unique_ptr<frmMultiiplication> window;
};

void tst_FeedbackPicture::initTestCase()
{
    QVERIFY(dir.isValid());
}

void tst_FeedbackPicture::init()
{
    for (const QString &name : {u"smile.gif"_s, u"sad.gif"_s}) {
        QFile::remove(dir.filePath(name));
        QVERIFY(QFile::copy(QStringLiteral(TABULON_PROGRAM_DIR "/") + name, dir.filePath(name)));
    }
    WindowServices services;
    services.mediaFile = [this](const QString &name) { return dir.filePath(name); };
    window = std::make_unique<frmMultiiplication>(std::move(services));
}

void tst_FeedbackPicture::cleanup()
{
    window.reset();
}

void tst_FeedbackPicture::facesBesideTheProgramDiffer()
{
    const QImage smile(QStringLiteral(TABULON_PROGRAM_DIR "/smile.gif"));
    const QImage sad(QStringLiteral(TABULON_PROGRAM_DIR "/sad.gif"));
    QCOMPARE(smile.size(), QSize(29, 29));
    QCOMPARE(sad.size(), QSize(29, 29));
    QVERIFY(smile != sad);
}

void tst_FeedbackPicture::pictureIsShown_data()
{
    QTest::addColumn<FeedbackPicture>("before");
    QTest::addColumn<FeedbackPicture>("picture");
    QTest::addColumn<QString>("file");
    QTest::newRow("smile") << FeedbackPicture::Sad << FeedbackPicture::Smile << u"smile.gif"_s;
    QTest::newRow("sad") << FeedbackPicture::Smile << FeedbackPicture::Sad << u"sad.gif"_s;
}

// Each answer's picture replaces the one before.
void tst_FeedbackPicture::pictureIsShown()
{
    QFETCH(FeedbackPicture, before);
    QFETCH(FeedbackPicture, picture);
    QFETCH(QString, file);
    QVERIFY(shownImage().isNull());
    window->showFeedbackPicture(before);
    window->showFeedbackPicture(picture);
    const QImage expected = QImage(dir.filePath(file)).convertToFormat(
        QImage::Format_ARGB32_Premultiplied);
    QCOMPARE(shownImage().convertToFormat(QImage::Format_ARGB32_Premultiplied), expected);
}

void tst_FeedbackPicture::unreadablePictureLeavesTheBoxEmpty_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("present");
    const QByteArray gif = TestSounds::readBytes(dir.filePath(u"smile.gif"_s));
    QTest::newRow("missing") << QByteArray() << false;
    QTest::newRow("empty") << QByteArray() << true;
    QTest::newRow("cut short") << gif.left(20) << true;
    QTest::newRow("not a picture") << QByteArray("This is not a picture.\n") << true;
}

// One lost or damaged file must not end the game at every answer.
void tst_FeedbackPicture::unreadablePictureLeavesTheBoxEmpty()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, present);
    window->showFeedbackPicture(FeedbackPicture::Smile);
    QVERIFY(!shownImage().isNull());

    const QString sad = dir.filePath(u"sad.gif"_s);
    QFile::remove(sad);
    if (present)
        TestSounds::writeBytes(sad, content);
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(u"^Cannot show the picture "_s
                                            + QRegularExpression::escape(sad) + u": .+"_s));
    window->showFeedbackPicture(FeedbackPicture::Sad);
    QVERIFY(shownImage().isNull());
}

QTEST_MAIN(tst_FeedbackPicture)
#include "tst_feedbackpicture.moc"
