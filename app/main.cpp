#include "Application.h"
#include "frmMultiiplication.h"

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    frmMultiiplication window;
    window.show();
    return app.exec();
}
