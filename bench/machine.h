// The machine a bench run measured, as the summary states it.
#pragma once

#include <QByteArray>
#include <QString>

namespace vantrel::bench {

// The processor's model name from the text of /proc/cpuinfo.
QString cpuModel(const QByteArray& cpuinfo);
// Processor, cores, memory, system, Qt, compiler, build type and platform plugin.
QString describeMachine();

} // namespace vantrel::bench
