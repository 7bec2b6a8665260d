#include "StandardDialogs.h"

#include "frmAbout.h"

#include <QInputDialog>
#include <QLabel>

using namespace Qt::StringLiterals;

QString StandardDialogs::askName(QWidget *parent, const QString &title, const QString &prompt)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setLabelText(prompt);
    if (auto *label = dialog.findChild<QLabel *>())
        label->setTextFormat(Qt::PlainText);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.textValue();
}

void StandardDialogs::showMessage(QWidget *parent, const Message &message)
{
    QMessageBox box(message.icon, message.title, message.text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    // A label that lets the mouse select its text lays it out as a document
    // with tab stops far apart, and "Table 1 to 9" then falls short of the
    // others' column. Painted as plain text, tabs stop every eight widths
    // of an "x", which lines the entries up. Right to left, the label would
    // measure itself as if tabs took no room: it is given the width they
    // take, and room at its start, where Arabic letters reach past their own.
    if (auto *text = box.findChild<QLabel *>(u"qt_msgbox_label"_s); text && message.tabbedColumns) {
        text->setTextInteractionFlags(Qt::NoTextInteraction);
        if (box.layoutDirection() == Qt::RightToLeft) {
            const QFontMetrics fm = text->fontMetrics();
            text->setIndent(fm.averageCharWidth());
            text->setMinimumWidth(fm.boundingRect(QRect(), Qt::TextExpandTabs, message.text).width() + text->indent());
        }
    }
    box.exec();
}

void StandardDialogs::showAbout(QWidget *parent)
{
    if (!m_about || m_about->parentWidget() != parent)
        m_about = new frmAbout(parent);
    m_about->exec();
}
