#include "Application.h"
#include "Product.h"
#include "frmMultiiplication.h"

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    Application::setApplicationName(QStringLiteral("tabulon"));
    Application::setApplicationDisplayName(Product::name());
    Application::setApplicationVersion(Product::version());
    Application::setDesktopFileName(QStringLiteral("example.tabulon.Tabulon"));

    frmMultiiplication window;
    window.show();
    return app.exec();
}
