#pragma once

#include "Dialogs.h"

#include <QPointer>

class frmAbout;

// The dialogs as the player meets them: Qt's input box and message boxes,
// modal over the main window. Everything they show is plain text, so a name
// is shown as typed, whatever characters it holds.
class StandardDialogs final : public Dialogs
{
public:
    QString askName(QWidget *parent, const QString &title, const QString &prompt) override;
    void showMessage(QWidget *parent, const Message &message) override;
    void showAbout(QWidget *parent) override;

private:
    // Made once and owned by its parent; each showing loads it anew.
    QPointer<frmAbout> m_about;
};
