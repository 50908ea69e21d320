#pragma once

#include <QLocale>
#include <QPageSize>

namespace rowsweep::document {

// The paper the printers of a locale's territory hold, as the C library's
// locale data has it: Letter in the United States, Canada, the Philippines
// and the Americas that use it, A4 everywhere else.
[[nodiscard]] QPageSize paperFor(const QLocale& locale);

// The parts of the desktop's locale a document follows.
enum class LocaleCategory { Paper, Time };

// The locale the desktop sets for `category`, looked up as the C library
// does: LC_ALL, then LC_PAPER or LC_TIME, then LANG, the first that is set
// and not empty ("en_US.UTF-8"; "C" and "POSIX" are the C locale). The
// program's own locale when none is set.
[[nodiscard]] QLocale desktopLocale(LocaleCategory category);

// The paper of the desktop's LC_PAPER.
[[nodiscard]] QPageSize desktopPaper();

}  // namespace rowsweep::document
