#include "Application.h"
#include "frmMultiiplication.h"

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    Application::setApplicationName(QStringLiteral("tabulon"));
    Application::setApplicationDisplayName(QStringLiteral("Tabulon"));
    Application::setApplicationVersion(QStringLiteral(TABULON_VERSION));
    Application::setDesktopFileName(QStringLiteral("example.tabulon.Tabulon"));

    frmMultiiplication window;
    window.show();
    return app.exec();
}
