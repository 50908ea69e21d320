#pragma once

// Environment variables set for one test and put back as they were after it.

#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

#include <QByteArray>
#include <QtGlobal>

namespace rowsweep::testing {

class ScopedEnvironment {
public:
    // A null value unsets the variable.
    ScopedEnvironment(std::initializer_list<std::pair<const char*, const char*>> variables)
    {
        for (const auto& [name, value] : variables) {
            saved_.emplace_back(name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt);
            value ? qputenv(name, value) : qunsetenv(name);
        }
    }
    ~ScopedEnvironment()
    {
        for (const auto& [name, value] : saved_)
            value ? qputenv(name, *value) : qunsetenv(name);
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    std::vector<std::pair<const char*, std::optional<QByteArray>>> saved_;
};

}  // namespace rowsweep::testing
