// How a start-up probe learns when its launch began and tells how long it took
// to be shown and painted. Both ends read the system-wide monotonic clock, so
// the span covers the launch itself, the loading of the libraries included.
#pragma once

#include <QByteArray>
#include <QStringList>
#include <optional>

namespace vantrel::bench {

qint64 monotonicNanoseconds();

// The probe's arguments for a launch that starts now-ish at since.
QStringList probeArguments(qint64 since);
// The launch moment from the probe's arguments.
std::optional<qint64> launchMoment(const QStringList& arguments);

// The line the probe prints, and its reading from the probe's output.
QByteArray probeReport(qint64 elapsedNanoseconds);
std::optional<qint64> readProbeReport(const QByteArray& output);

} // namespace vantrel::bench
