#include "rowsweep/batch/steps_output.h"

#include "rowsweep/steps/plain_text.h"
#include "rowsweep/steps/worked_latex.h"

namespace rowsweep::batch {

QString stepsText(const std::vector<document::NamedSolution>& solutions)
{
    QString text;
    for (const document::NamedSolution& named : solutions) {
        if (!text.isEmpty())
            text += u'\n';
        text += named.name + QStringLiteral("\n\n") + steps::workedSolutionText(named.solution);
    }
    return text;
}

QString stepsLatex(const std::vector<document::NamedSolution>& solutions)
{
    QString text = QStringLiteral("\\documentclass{article}\n\\usepackage{amsmath}\n\\begin{document}\n");
    for (const document::NamedSolution& named : solutions)
        text += QStringLiteral("\\section*{%1}\n").arg(named.name) + steps::workedSolutionLatex(named.solution);
    return text + QStringLiteral("\\end{document}\n");
}

}  // namespace rowsweep::batch
