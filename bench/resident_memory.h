#pragma once

// What the long-running checks measure: the process's resident memory, read
// after the event loop has done what it owed, deletions included.

#include <cstdlib>
#include <fstream>
#include <string>

#include <QCoreApplication>
#include <QEvent>

namespace rowsweep::bench {

inline long statusKiB(const std::string& field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0)
            return std::strtol(line.c_str() + field.size(), nullptr, 10);
    return -1;
}

inline long residentKiB()
{
    return statusKiB("VmRSS:");
}

// The most the process has held resident so far.
inline long peakResidentKiB()
{
    return statusKiB("VmHWM:");
}

inline void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

}  // namespace rowsweep::bench
