#pragma once

// pdflatex on a fragment in a default article page with amsmath, as a
// student compiles the copied steps; fails, not skips, without pdflatex
// (texlive-latex-base).

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace rowsweep::steps::testing {

// The log of the run over a whole document, empty when it failed.
inline QString pdflatexLogOfDocument(const QByteArray& document)
{
    QTemporaryDir dir;
    QFile source(dir.filePath(QStringLiteral("steps.tex")));
    if (!source.open(QIODevice::WriteOnly))
        return {};
    source.write(document);
    source.close();
    QProcess pdflatex;
    pdflatex.setWorkingDirectory(dir.path());
    pdflatex.start(QStringLiteral("pdflatex"),
                   {QStringLiteral("-interaction=nonstopmode"), QStringLiteral("-halt-on-error"), source.fileName()});
    const bool compiled = pdflatex.waitForFinished(60000) && pdflatex.exitCode() == 0;
    EXPECT_TRUE(compiled) << pdflatex.errorString().toStdString() << pdflatex.readAllStandardOutput().toStdString();
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("steps.pdf"))));
    QFile log(dir.filePath(QStringLiteral("steps.log")));
    return compiled && log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
}

// The same over a fragment in a default article page with amsmath.
inline QString pdflatexLog(const QString& body)
{
    return pdflatexLogOfDocument("\\documentclass{article}\n\\usepackage{amsmath}\n\\begin{document}\n" + body.toUtf8()
                                 + "\\end{document}\n");
}

}  // namespace rowsweep::steps::testing
