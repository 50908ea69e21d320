#pragma once

#include <QPageSize>

class QLocale;

namespace rowsweep::document {

// The paper the printers of a locale's country hold: Letter in the
// Americas that use it, A4 everywhere else.
[[nodiscard]] QPageSize paperFor(const QLocale& locale);

}  // namespace rowsweep::document
