#include "bench/machine.h"

#include <QFile>
#include <QGuiApplication>
#include <QSysInfo>
#include <QThread>

namespace vantrel::bench {

namespace {

QByteArray fileText(const char* path) {
    QFile file(QString::fromLatin1(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// "MemTotal:  24576000 kB" as gibibytes.
QString memoryText(const QByteArray& meminfo) {
    for (const QByteArray& line : meminfo.split('\n')) {
        const QList<QByteArray> words = line.simplified().split(' ');
        if (words.size() >= 2 && words[0] == "MemTotal:")
            return QString::number(words[1].toDouble() / (1024.0 * 1024.0), 'f', 1) +
                   QStringLiteral(" GiB");
    }
    return QStringLiteral("unknown");
}

} // namespace

QString cpuModel(const QByteArray& cpuinfo) {
    for (const QByteArray& line : cpuinfo.split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0 && line.left(colon).trimmed() == "model name")
            return QString::fromUtf8(line.mid(colon + 1).trimmed());
    }
    return QStringLiteral("unknown");
}

QString describeMachine() {
    return QStringLiteral("processor: %1, %2 logical cores\n"
                          "memory:    %3\n"
                          "system:    %4, kernel %5\n"
                          "Qt:        %6, platform plugin %7\n"
                          "compiler:  %8, build type %9\n")
        .arg(cpuModel(fileText("/proc/cpuinfo")))
        .arg(QThread::idealThreadCount())
        .arg(memoryText(fileText("/proc/meminfo")), QSysInfo::prettyProductName(),
             QSysInfo::kernelVersion(), QString::fromLatin1(qVersion()),
             QGuiApplication::platformName(), QStringLiteral(__VERSION__),
             QStringLiteral(VANTREL_BUILD_TYPE));
}

} // namespace vantrel::bench
