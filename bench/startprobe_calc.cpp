// The program's own entry, timed: process launch to the main window shown and
// painted. It then leaves at once.
#include "app/calc.h"
#include "app/errorbox.h"
#include "bench/paintwatch.h"
#include "bench/probereport.h"

#include <cstdio>

int main(int argc, char** argv) {
    vantrel::TApplication app(argc, argv);
    const auto since = vantrel::bench::launchMoment(app.arguments());
    vantrel::TCalc Calc;
    vantrel::bench::FirstPaintWatch watch(&Calc, [&] {
        const qint64 now = vantrel::bench::monotonicNanoseconds();
        if (since)
            std::fputs(vantrel::bench::probeReport(now - *since).constData(), stdout);
        app.quit();
    });
    Calc.show();
    return app.exec();
}
