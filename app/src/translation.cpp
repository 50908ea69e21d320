#include "rowsweep/app/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace rowsweep::app {

namespace {

// Where qt_add_translations puts the compiled translations among the
// program's resources.
constexpr char kProgramTranslations[] = ":/i18n";

// English, or the C locale itself ("C", "C.UTF-8", "POSIX"); a language
// Qt does not know reads as C too, but is only passed over.
bool speaksEnglish(const QString& entry)
{
    return QLocale(entry).language() == QLocale::English || entry == u'C' || entry.startsWith(QStringLiteral("C."))
           || entry == QStringLiteral("POSIX");
}

}  // namespace

Translation::Translation(const QStringList& uiLanguages)
{
    for (const QString& entry : uiLanguages) {
        if (speaksEnglish(entry))
            break;
        const QLocale locale(entry);
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

// The translators take themselves out of the application as they go.
Translation::~Translation()
{
    QLocale::setDefault(previousDefault_);
}

}  // namespace rowsweep::app
