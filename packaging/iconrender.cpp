// Renders the program's SVG icon into the PNG sizes of the hicolor theme:
//   vantrel_iconrender ICON.svg OUTDIR SIZE...
// writes OUTDIR/<size>x<size>/apps/<name>.png for each size.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

namespace {

int fail(const QString& message) {
    std::fprintf(stderr, "vantrel_iconrender: %s\n", qPrintable(message));
    return 1;
}

QImage render(QSvgRenderer& svg, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    svg.render(&painter, QRectF(0, 0, size, size));
    painter.end();
    return image;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4)
        return fail(QStringLiteral("usage: vantrel_iconrender ICON.svg OUTDIR SIZE..."));
    QSvgRenderer svg(args[1]);
    if (!svg.isValid())
        return fail(QStringLiteral("cannot read %1").arg(args[1]));
    const QString name = QFileInfo(args[1]).completeBaseName();
    for (qsizetype i = 3; i < args.size(); ++i) {
        bool ok = false;
        const int size = args[i].toInt(&ok);
        if (!ok || size < 1 || size > 4096)
            return fail(QStringLiteral("not a size: %1").arg(args[i]));
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(args[2]).arg(size);
        if (!QDir().mkpath(folder))
            return fail(QStringLiteral("cannot create %1").arg(folder));
        const QString file = QStringLiteral("%1/%2.png").arg(folder, name);
        if (!render(svg, size).save(file, "PNG"))
            return fail(QStringLiteral("cannot write %1").arg(file));
    }
    return 0;
}
