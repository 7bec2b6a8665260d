#include "HighScoreDialogs.h"

#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>

using namespace Qt::StringLiterals;

namespace HighScoreDialogs {

QString askName(QWidget *parent, const QString &title)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setLabelText(u"Enter Your Name"_s);
    if (auto *prompt = dialog.findChild<QLabel *>())
        prompt->setTextFormat(Qt::PlainText);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.textValue();
}

void showListing(QWidget *parent, const QString &listing)
{
    QMessageBox box(QMessageBox::NoIcon, u"Tabulon - High Scores"_s, listing, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    // A label that lets the mouse select its text lays it out as a document
    // with tab stops far apart, and "Table 1 to 9" then falls short of the
    // others' column. Painted as plain text, tabs stop every eight widths
    // of an "x", which lines the entries up.
    if (auto *text = box.findChild<QLabel *>(u"qt_msgbox_label"_s))
        text->setTextInteractionFlags(Qt::NoTextInteraction);
    box.exec();
}

void showNotSaved(QWidget *parent, const QString &reason)
{
    QMessageBox box(QMessageBox::Warning, u"Tabulon"_s,
                    u"The high score could not be saved.\n\n"_s + reason, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace HighScoreDialogs
