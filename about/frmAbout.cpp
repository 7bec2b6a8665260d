#include "frmAbout.h"
#include "ui_frmAbout.h"

#include "Fonts.h"
#include "Mirroring.h"
#include "Product.h"

#include <QDesktopServices>
#include <QIcon>
#include <QPainter>
#include <QScreen>
#include <QShowEvent>
#include <QUrl>

namespace {

const QString ProductPage = QStringLiteral("https://tabulon.example/");

constexpr qreal WindowFontPoints = 12;
constexpr qreal SmallFontPoints = 8.25;
constexpr QColor AppNameColour(0, 0, 0);
constexpr QColor LinkColour(0, 0, 255);

// The frame and the separator are drawn on the window itself, placed in
// twips like the controls.
constexpr int TwipsPerPixel = 15;
constexpr int StrokePixels = 2;
constexpr QRect Shape1Twips(90, 90, 3690, 2535);
constexpr QPoint Line1FromTwips(120, 1080);
constexpr QPoint Line1ToTwips(3735, 1095);
constexpr QSize LogoSize(242, 67);

constexpr int pixels(int twips)
{
    return qRound(double(twips) / TwipsPerPixel);
}

constexpr QPoint pixels(QPoint twips)
{
    return {pixels(twips.x()), pixels(twips.y())};
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

} // namespace

frmAbout::frmAbout(QWidget *mainWindow)
    : QDialog(mainWindow)
    , ui(std::make_unique<Ui::frmAbout>())
    , m_logo(QStringLiteral(":/about/logo.gif"))
{
    m_logo.addFile(QStringLiteral(":/about/logo@2x.png"));
    ui->setupUi(this);
    Mirroring::mirrorPlacedControls(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(size());
    applyFontsAndColours();
    connectControls();
    //: Spoken name of the logo picture in About, never shown
    ui->Picture1->setAccessibleName(tr("Maker's logo"));
    //: Spoken description of the logo picture in About, never shown
    ui->Picture1->setAccessibleDescription(tr("A click opens the product's web page"));
}

frmAbout::~frmAbout() = default;

void frmAbout::applyFontsAndColours()
{
    setFont(Fonts::interfaceFont(WindowFontPoints, true));
    QFont link = Fonts::interfaceFont(SmallFontPoints, true);
    link.setUnderline(true);
    ui->Label1->setFont(link);
    ui->cmdClose->setFont(Fonts::interfaceFont(SmallFontPoints));
    QFont freeware = Fonts::numberFont(SmallFontPoints, true);
    // Arabic, Persian and Hebrew are not set in italics (nor does DejaVu's
    // oblique face have Arabic letters).
    freeware.setItalic(layoutDirection() == Qt::LeftToRight);
    ui->Label2->setFont(freeware);

    setTextColour(ui->lblApp, AppNameColour);
    setTextColour(ui->Label1, LinkColour);
}

void frmAbout::connectControls()
{
    connect(ui->cmdClose, &QPushButton::clicked, this, &frmAbout::cmdClose_Click);
    connect(ui->Label1, &ClickableLabel::clicked, this, &frmAbout::Label1_Click);
    connect(ui->Picture1, &ClickableLabel::clicked, this, &frmAbout::Picture1_Click);
}

// Every showing by the program loads the window anew; a restore from the
// desktop is not a new showing.
void frmAbout::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        centreOnScreen();
        showLogo();
        Form_Load();
    }
    QDialog::showEvent(event);
}

// The whole window, frame included, is centred on the main window's screen.
void frmAbout::centreOnScreen()
{
    const QWidget *mainWindow = parentWidget();
    if (const QScreen *s = mainWindow ? mainWindow->screen() : screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(s->availableGeometry().center());
        move(frame.topLeft());
    }
}

// Drawn at its natural size from the box's top-left corner; the box is two
// rows shorter than the picture.
void frmAbout::showLogo()
{
    ui->Picture1->setPixmap(m_logo.pixmap(LogoSize, devicePixelRatio()));
}

void frmAbout::Form_Load()
{
    if (const QWidget *mainWindow = parentWidget())
        setWindowIcon(mainWindow->windowIcon());
    //: Title of the About window: %1 is the name and version, "Tabulon 1.1"
    setWindowTitle(tr("About %1").arg(Product::nameAndVersion()));
    ui->lblApp->setText(Product::nameAndVersion());
    ui->Picture1->setCursor(ui->Label1->cursor());
}

// The frame straddles the edge of its box, one pixel out and one in, so the
// logo box just inside it leaves it whole. The separator's second pixel row
// lies below the first, clear of the logo above it.
void frmAbout::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    const QColor ink = palette().color(QPalette::WindowText);
    const QRect frame = Mirroring::placed(this, QRect(pixels(Shape1Twips.topLeft()),
                                                      QSize(pixels(Shape1Twips.width()), pixels(Shape1Twips.height()))));
    painter.setPen(QPen(ink, StrokePixels, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(QRectF(frame));

    painter.setPen(QPen(ink, 0));
    const auto point = [this](QPoint twips) { return Mirroring::placed(this, QRect(pixels(twips), QSize(1, 1))).topLeft(); };
    const QPoint from = point(Line1FromTwips);
    const QPoint to = point(Line1ToTwips);
    for (int row = 0; row < StrokePixels; ++row)
        painter.drawLine(from + QPoint(0, row), to + QPoint(0, row));
}

void frmAbout::cmdClose_Click()
{
    close();
}

void frmAbout::Label1_Click()
{
    OpenWebPage(ProductPage);
}

void frmAbout::Picture1_Click()
{
    OpenWebPage(ProductPage);
}

// The desktop's answer is not looked at: a page that fails to open leaves
// the window as it was, and nothing is shown.
void frmAbout::OpenWebPage(const QString &address)
{
    QDesktopServices::openUrl(QUrl(address));
}
