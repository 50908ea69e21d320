#pragma once

// Keeps what a run remembers (the arithmetic chosen in a cell's menu) in a
// folder of its own for as long as it lives, so that a benchmark or soak
// neither reads nor changes the user's own settings.

#include <QSettings>
#include <QTemporaryDir>

namespace rowsweep::bench {

class PrivateSettings {
public:
    PrivateSettings() { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder_.path()); }

private:
    QTemporaryDir folder_;
};

}  // namespace rowsweep::bench
