// The program's own entry, timed: process launch to the main window shown and
// painted. It then leaves at once.
#include "app/application.h"
#include "app/calc.h"
#include "bench/firstpaint.h"

int main(int argc, char** argv) {
    vantrel::TApplication app(argc, argv);
    vantrel::TCalc Calc(app.desktopPlatform());
    vantrel::bench::FirstPaintReport report(&Calc);
    Calc.show();
    return app.exec();
}
