// Renders the program's icon, as built into the program, into the PNG sizes
// of the hicolor theme:
//   vantrel_iconrender OUTDIR SIZE...
// writes OUTDIR/<size>x<size>/apps/vantrel.png for each size.
#include "partners/programicon.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <cstdio>

namespace {

int fail(const QString& message) {
    std::fprintf(stderr, "vantrel_iconrender: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return fail(QStringLiteral("usage: vantrel_iconrender OUTDIR SIZE..."));
    for (qsizetype i = 2; i < args.size(); ++i) {
        bool ok = false;
        const int size = args[i].toInt(&ok);
        if (!ok || size < 1 || size > 4096)
            return fail(QStringLiteral("not a size: %1").arg(args[i]));
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(args[1]).arg(size);
        if (!QDir().mkpath(folder))
            return fail(QStringLiteral("cannot create %1").arg(folder));
        const QString file = folder + QStringLiteral("/vantrel.png");
        if (!vantrel::programImage(size).save(file, "PNG"))
            return fail(QStringLiteral("cannot write %1").arg(file));
    }
    return 0;
}
