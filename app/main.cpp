#include "Application.h"
#include "Clock.h"
#include "RandomNumbers.h"
#include "frmMultiiplication.h"

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    Application::setApplicationName(QStringLiteral("tabulon"));
    Application::setApplicationDisplayName(QStringLiteral("Tabulon"));
    Application::setApplicationVersion(QStringLiteral(TABULON_VERSION));
    Application::setDesktopFileName(QStringLiteral("example.tabulon.Tabulon"));

    frmMultiiplication window(std::make_shared<MonotonicClock>(), RandomNumbers());
    window.show();
    return app.exec();
}
