#pragma once

#include <QDialog>
#include <QIcon>

#include <memory>

namespace Ui {
class frmAbout;
}

// The About window: the product's name and version, the maker's logo and
// address. A click on the logo or the address opens the product's web page.
// It is loaded anew at every showing.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget *mainWindow);
    ~frmAbout() override;

public Q_SLOTS:
    void cmdClose_Click();
    void Label1_Click();
    void Picture1_Click();

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void Form_Load();
    void OpenWebPage(const QString &address);

    void applyFontsAndColours();
    void connectControls();
    void centreOnScreen();
    void showLogo();

    std::unique_ptr<Ui::frmAbout> ui;
    // Made once: an icon renders into the application's pixmap cache under a
    // key of its own, so a new one per showing would fill that cache with
    // copies of the logo.
    QIcon m_logo;
};
