// Writes one picture of the game as a player of the desktop's language sees
// it: the start panel, a question, the best times and About, side by side,
// so that translators and reviewers can look instead of read.
//   LANGUAGE=ar tabulon-screenshots ar.png
#include "Application.h"
#include "StandardDialogs.h"
#include "frmMultiiplication.h"

#include <QComboBox>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

constexpr int Gap = 12;
constexpr int TableShown = 7;

// The next modal window, as it first shows; then it closes.
void grabNextDialog(QList<QPixmap> &shots)
{
    QTimer::singleShot(0, [&shots] {
        if (QWidget *dialog = QApplication::activeModalWidget()) {
            shots << dialog->grab();
            dialog->close();
        }
    });
}

QImage sideBySide(const QList<QPixmap> &shots)
{
    int width = Gap, height = 0;
    for (const QPixmap &shot : shots) {
        width += shot.width() + Gap;
        height = qMax(height, shot.height());
    }
    QImage picture(width, height + 2 * Gap, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    int x = Gap;
    for (const QPixmap &shot : shots) {
        painter.drawPixmap(x, Gap, shot);
        x += shot.width() + Gap;
    }
    return picture;
}

} // namespace

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    const QString output = argc > 1 ? QString::fromLocal8Bit(argv[1]) : u"tabulon.png"_s;
    QTemporaryDir store;
    auto settings = std::make_shared<SettingsStore>(store.filePath(u"highscores.ini"_s));
    // A Latin name and one with a comma, as a right-to-left listing must keep them.
    settings->WriteSetting(u"Quorvil"_s, u"Multi"_s, u"3Score"_s, u"41"_s);
    settings->WriteSetting(u"Quorvil"_s, u"Multi"_s, u"3Name"_s, u"Ann"_s);
    settings->WriteSetting(u"Quorvil"_s, u"Multi"_s, u"10Score"_s, u"95"_s);
    settings->WriteSetting(u"Quorvil"_s, u"Multi"_s, u"10Name"_s, u"Bo, Cy"_s);
    frmMultiiplication window({.random = RandomNumbers(TableShown), .settings = settings,
                               .loadSound = [] { return std::unique_ptr<SoundOutput>(); }});
    window.show();
    QList<QPixmap> shots{window.grab()};
    window.tableList()->setCurrentIndex(TableShown);
    window.cmdStartStop_Click();
    window.Timer1_Timer();
    shots << window.grab();
    grabNextDialog(shots);
    window.cmdHighScores_Click();
    grabNextDialog(shots);
    window.cmdAbout_Click();
    return sideBySide(shots).save(output) ? 0 : 1;
}
