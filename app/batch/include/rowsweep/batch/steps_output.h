#pragma once

#include <vector>

#include <QString>

#include "rowsweep/document/worked_document.h"

namespace rowsweep::batch {

// The worked solutions as Copy All Steps writes each, every one after a
// line with its name and a blank line, a blank line between two.
[[nodiscard]] QString stepsText(const std::vector<document::NamedSolution>& solutions);

// One LaTeX document that needs only amsmath: an unnumbered section per
// worked solution, titled with its name, holding what Copy All Steps as
// LaTeX writes for it.
[[nodiscard]] QString stepsLatex(const std::vector<document::NamedSolution>& solutions);

}  // namespace rowsweep::batch
