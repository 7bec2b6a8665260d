#include "frmAbout.h"
#include "frmMultiiplication.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

// Run once as it is and once under QT_SCALE_FACTOR=2: every window and
// picture keeps its size on screen and is drawn with that many times the
// pixels, so nothing is laid out anew and no picture is blown up.
class tst_HighDpi : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void drawnAtTheScreensDensity_data();
    void drawnAtTheScreensDensity();

private:
    std::unique_ptr<frmMultiiplication> window;
    std::unique_ptr<frmAbout> about;
    const qreal scale = qEnvironmentVariable("QT_SCALE_FACTOR", u"1"_s).toDouble();
};

void tst_HighDpi::initTestCase()
{
    WindowServices services;
    services.mediaFile = [](const QString &name) { return QStringLiteral(TABULON_MEDIA_DIR "/") + name; };
    window = std::make_unique<frmMultiiplication>(std::move(services));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QCOMPARE(window->devicePixelRatio(), scale);
    window->tableList()->setCurrentIndex(2);
    window->cmdStartStop_Click();
    window->cmdAnswer_Click(1); // right or wrong, a picture is shown
    about = std::make_unique<frmAbout>(window.get());
    about->show();
    QVERIFY(QTest::qWaitForWindowExposed(about.get()));
}

void tst_HighDpi::drawnAtTheScreensDensity_data()
{
    QTest::addColumn<QPixmap>("pixmap");
    QTest::addColumn<QSize>("sizeOnScreen");
    const auto picture = [](const QWidget *w) { return w->findChild<QLabel *>(u"Picture1"_s)->pixmap(); };
    QTest::newRow("main window") << window->grab() << QSize(396, 288);
    QTest::newRow("answer button") << window->answerButton(2)->grab() << QSize(73, 55);
    QTest::newRow("feedback picture") << picture(window.get()) << QSize(29, 29);
    QTest::newRow("program icon") << window->windowIcon().pixmap(QSize(32, 32), scale) << QSize(32, 32);
    QTest::newRow("About window") << about->grab() << about->size();
    QTest::newRow("About logo") << picture(about.get()) << QSize(242, 67);
}

void tst_HighDpi::drawnAtTheScreensDensity()
{
    QFETCH(QPixmap, pixmap);
    QFETCH(QSize, sizeOnScreen);
    QCOMPARE(pixmap.deviceIndependentSize(), QSizeF(sizeOnScreen));
    QCOMPARE(pixmap.size(), sizeOnScreen * scale);
}

QTEST_MAIN(tst_HighDpi)
#include "tst_highdpi.moc"
