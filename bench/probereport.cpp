#include "bench/probereport.h"

#include <chrono>

namespace vantrel::bench {

namespace {

const QString kSinceOption = QStringLiteral("--since");
const QByteArray kReportKey = QByteArrayLiteral("first-paint-ns");

} // namespace

qint64 monotonicNanoseconds() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

QStringList probeArguments(qint64 since) {
    return {kSinceOption, QString::number(since)};
}

std::optional<qint64> launchMoment(const QStringList& arguments) {
    const qsizetype at = arguments.indexOf(kSinceOption);
    if (at < 0 || at + 1 >= arguments.size())
        return std::nullopt;
    bool ok = false;
    const qint64 since = arguments[at + 1].toLongLong(&ok);
    if (!ok || since < 0)
        return std::nullopt;
    return since;
}

QByteArray probeReport(qint64 elapsedNanoseconds) {
    return kReportKey + ' ' + QByteArray::number(elapsedNanoseconds) + '\n';
}

std::optional<qint64> readProbeReport(const QByteArray& output) {
    // Qt or the desktop may print their own lines around the report.
    for (const QByteArray& line : output.split('\n')) {
        const QList<QByteArray> words = line.simplified().split(' ');
        if (words.size() != 2 || words[0] != kReportKey)
            continue;
        bool ok = false;
        const qint64 elapsed = words[1].toLongLong(&ok);
        if (ok && elapsed > 0)
            return elapsed;
    }
    return std::nullopt;
}

} // namespace vantrel::bench
