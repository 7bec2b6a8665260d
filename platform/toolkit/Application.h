#pragma once

#include "Translations.h"

#include <QApplication>

#include <functional>

class RuntimeError;

// The application object. It gives the program its name, version and
// desktop entry, and speaks the player's language. An error that no handler catches is reported to the player
// in a message box with its number and message, and the program then ends
// with a non-zero exit status instead of letting the exception unwind
// through the event loop.
class Application : public QApplication
{
public:
    using ErrorReporter = std::function<void(const RuntimeError &)>;

    Application(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

    // Replaces the message box, for callers that report elsewhere.
    void setErrorReporter(ErrorReporter reporter);

    static void showRuntimeError(const RuntimeError &error);

    // The direction and the dialogs' font of the translations' language; to
    // be set before any window is made.
    static void applyLanguage(const Translations &translations);

private:
    void endWith(const RuntimeError &error);

    ErrorReporter m_reporter;
    Translations m_translations;
    bool m_ending = false;
};
