#pragma once

#include <clocale>
#include <string>

namespace rowsweep::testing {

// The process runs under another locale for as long as this lives, as it
// would for a user whose desktop is set to it; the C library's own number
// conversions then follow that locale.
class ProcessLocale {
public:
    explicit ProcessLocale(const char* name)
        : previous_(std::setlocale(LC_ALL, nullptr))
        , active_(std::setlocale(LC_ALL, name) != nullptr)
    {
    }
    ~ProcessLocale() { std::setlocale(LC_ALL, previous_.c_str()); }
    ProcessLocale(const ProcessLocale&) = delete;
    ProcessLocale& operator=(const ProcessLocale&) = delete;

    [[nodiscard]] bool active() const noexcept { return active_; }

private:
    std::string previous_;
    bool active_;
};

inline constexpr char kGermanLocale[] = "de_DE.UTF-8";
inline constexpr char kGermanLocaleMissing[] =
    "the de_DE.UTF-8 locale is not installed on this machine (scripts/test generates it)";

}  // namespace rowsweep::testing
