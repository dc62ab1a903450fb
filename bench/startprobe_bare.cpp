// The baseline of start-up: a bare Qt window of the main window's size with
// one tab widget of three empty pages, timed as the program is.
#include "bench/paintwatch.h"
#include "bench/probereport.h"

#include <QApplication>
#include <QTabWidget>
#include <QVBoxLayout>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const auto since = vantrel::bench::launchMoment(app.arguments());
    QWidget window;
    window.resize(712, 506);
    auto* tabs = new QTabWidget(&window);
    for (const char* caption : {"Bandwidth", "Lens", "?"})
        tabs->addTab(new QWidget, QString::fromLatin1(caption));
    auto* fill = new QVBoxLayout(&window);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(tabs);
    vantrel::bench::FirstPaintWatch watch(&window, [&] {
        const qint64 now = vantrel::bench::monotonicNanoseconds();
        if (since)
            std::fputs(vantrel::bench::probeReport(now - *since).constData(), stdout);
        app.quit();
    });
    window.show();
    return app.exec();
}
