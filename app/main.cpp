// Program entry: the command line, the application object, the one main
// window, the message loop.
#include "app/application.h"
#include "app/calc.h"
#include "app/commandline.h"
#include "partners/fileversion.h"

#include <QFile>
#include <cstdio>

namespace {

void write(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

// Help, the version and a refused command line are answered before any
// window exists, so they need no display either.
int answerWithoutWindow(const vantrel::CommandLine& line) {
    switch (line.action) {
    case vantrel::CommandLine::Action::ShowHelp:
        write(stdout, vantrel::usageText());
        return 0;
    case vantrel::CommandLine::Action::ShowVersion:
        write(stdout, QStringLiteral("Vantrel %1\n").arg(vantrel::GetVersionString()));
        return 0;
    default:
        write(stderr, QStringLiteral("vantrel: %1\n").arg(line.complaint) + vantrel::usageText());
        return 2;
    }
}

} // namespace

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QFile::decodeName(argv[i]));
    const vantrel::CommandLine line = vantrel::parseCommandLine(arguments, QDir::current());
    if (line.action != vantrel::CommandLine::Action::OpenWindow)
        return answerWithoutWindow(line);

    // Qt sees the program's name only: a plan named like one of its own
    // options (-reverse, -style) is still a plan.
    int qtArgc = 1;
    vantrel::TApplication app(qtArgc, argv);
    vantrel::TCalc Calc(app.desktopPlatform());
    Calc.show();
    // Loaded once the message loop runs, over the shown window, as Load does.
    if (!line.planFile.isEmpty())
        QMetaObject::invokeMethod(
            &Calc, [&Calc, &line] { Calc.loadPlanFile(line.planFile); }, Qt::QueuedConnection);
    return app.exec();
}
