#pragma once

#include <QMessageBox>
#include <QString>

// A message box of the game: only an OK button, its text always plain.
struct Message
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QString text;
    // The high-score listing lines its entries up in a column with tabs.
    bool tabbedColumns = false;
};

// The modal dialogs the main window opens. The program shows Qt's own and
// the About window (StandardDialogs); tests answer them without opening any.
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // The text typed, or empty text after Cancel.
    virtual QString askName(QWidget *parent, const QString &title, const QString &prompt) = 0;
    virtual void showMessage(QWidget *parent, const Message &message) = 0;
    // Returns when the player closes it; the parent's timers run on meanwhile.
    virtual void showAbout(QWidget *parent) = 0;
};
