#include "rowsweep/app/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace rowsweep::app {

namespace {

// Where qt_add_translations puts the compiled translations among the
// program's resources.
constexpr char kProgramTranslations[] = ":/i18n";

bool speaksEnglish(const QLocale& locale)
{
    return locale.language() == QLocale::English || locale.language() == QLocale::C;
}

}  // namespace

Translation::Translation(const QStringList& uiLanguages)
{
    for (const QString& entry : uiLanguages) {
        const QLocale locale(entry);
        if (speaksEnglish(locale))
            break;
        if (!program_.load(locale, QStringLiteral("rowsweep"), QStringLiteral("_"),
                           QString::fromLatin1(kProgramTranslations)))
            continue;
        language_ = entry;
        QCoreApplication::installTranslator(&program_);
        if (qt_.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&qt_);
        break;
    }
    QLocale::setDefault(language_.isEmpty() ? QLocale::c() : QLocale(language_));
}

Translation::~Translation()
{
    QCoreApplication::removeTranslator(&qt_);
    QCoreApplication::removeTranslator(&program_);
    QLocale::setDefault(previousDefault_);
}

}  // namespace rowsweep::app
