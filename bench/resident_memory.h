#pragma once

// What the long-running checks measure: the process's resident memory, read
// after the event loop has done what it owed, deletions included.

#include <cstdlib>
#include <fstream>
#include <string>

#include <QCoreApplication>
#include <QEvent>

namespace rowsweep::bench {

inline long residentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

inline void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

}  // namespace rowsweep::bench
