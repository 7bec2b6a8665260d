#pragma once

#include <QString>

class QWidget;

// The dialogs of the high-score check and listing. Everything they show is
// plain text: a name is shown as typed, whatever characters it holds.
namespace HighScoreDialogs {

// The name typed, or empty text after Cancel.
QString askName(QWidget *parent, const QString &title);
void showListing(QWidget *parent, const QString &listing);
void showNotSaved(QWidget *parent, const QString &reason);

} // namespace HighScoreDialogs
