#include "Application.h"

#include "Fonts.h"
#include "Product.h"
#include "RuntimeError.h"

#include <QMessageBox>

#include <exception>

Application::Application(int &argc, char **argv)
    : QApplication(argc, argv)
    , m_reporter(&Application::showRuntimeError)
{
    // No display name: on X11 and Wayland Qt would add it to every window
    // title. The desktop entry names the program for the desktop.
    setApplicationName(QStringLiteral("tabulon"));
    setApplicationVersion(Product::version());
    setDesktopFileName(Product::desktopFileName());
    applyLanguage(m_translations);
}

// The game's own language gives the direction: Qt takes it from its own
// translations only where they are installed.
void Application::applyLanguage(const Translations &translations)
{
    setLayoutDirection(translations.direction());
    setFont(Fonts::applicationFont());
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const RuntimeError &error) {
        endWith(error);
    } catch (const std::bad_alloc &) {
        endWith(RuntimeError(RuntimeErrorCode::OutOfMemory));
    } catch (const std::exception &) {
        endWith(RuntimeError(RuntimeErrorCode::InternalError));
    }
    return true;
}

void Application::setErrorReporter(ErrorReporter reporter)
{
    m_reporter = std::move(reporter);
}

void Application::showRuntimeError(const RuntimeError &error)
{
    QMessageBox box(QMessageBox::Critical, Product::name(), error.report(),
                    QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void Application::endWith(const RuntimeError &error)
{
    // Once is enough: a second error while the first is being reported
    // (from the box's own event loop) ends the program without another box.
    if (m_ending)
        return;
    m_ending = true;
    m_reporter(error);
    exit(error.number());
    m_ending = false;
}
