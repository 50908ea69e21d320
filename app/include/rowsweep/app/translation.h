#pragma once

#include <QLocale>
#include <QStringList>
#include <QTranslator>

namespace rowsweep::app {

// The program's texts, and Qt's own (the line edit's menu, the message
// boxes' buttons, the file and print dialogs) where Debian's translations
// of Qt are installed, in the first of the desktop's languages that the
// program speaks. The list is read in order, as gettext reads LANGUAGE: a
// language without a translation is passed over, and English or C ends the
// search with nothing loaded, so the texts stay as written.
//
// Installed for as long as this lives, which must be within the
// application. Meanwhile QLocale() is the locale of the language chosen
// ("de-AT", "es-MX"), or C when the program speaks English, so that what
// depends on the language's conventions follows the texts rather than
// the desktop's other settings.
class Translation {
public:
    explicit Translation(const QStringList& uiLanguages = QLocale::system().uiLanguages());
    ~Translation();
    Translation(const Translation&) = delete;
    Translation& operator=(const Translation&) = delete;

    // The entry of the list that was chosen, empty for English.
    [[nodiscard]] QString language() const { return language_; }

private:
    QTranslator program_;
    QTranslator qt_;
    QLocale previousDefault_;
    QString language_;
};

}  // namespace rowsweep::app
