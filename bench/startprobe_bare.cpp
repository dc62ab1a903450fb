// The baseline of start-up: a bare Qt window of the main window's size with
// one tab widget of three empty pages, timed as the program is.
#include "bench/firstpaint.h"

#include <QTabWidget>
#include <QVBoxLayout>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(712, 506);
    auto* tabs = new QTabWidget(&window);
    for (const char* caption : {"Bandwidth", "Lens", "?"})
        tabs->addTab(new QWidget, QString::fromLatin1(caption));
    auto* fill = new QVBoxLayout(&window);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(tabs);
    vantrel::bench::FirstPaintReport report(&window);
    window.show();
    return app.exec();
}
