// Program entry: the application object, the one main window, the message loop.
#include "app/application.h"
#include "app/calc.h"

int main(int argc, char** argv) {
    vantrel::TApplication app(argc, argv);
    vantrel::TCalc Calc(app.desktopPlatform());
    Calc.show();
    return app.exec();
}
