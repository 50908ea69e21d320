// The windows in the desktop's language: which language is chosen, the
// captions in each, Qt's own texts, and that every caption fits its control.

#include <optional>

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStyleOptionGroupBox>

#include "rowsweep/app/translation.h"
#include "rowsweep/ui/cells/decimal_comma_hint.h"
#include "rowsweep/ui/desktop/message_boxes.h"
#include "rowsweep/ui/look/classic_button.h"
#include "rowsweep/ui/windows/about_window.h"
#include "rowsweep/ui/windows/solving_window.h"
#include "ui_fixture.h"

namespace rowsweep::ui::testing {
namespace {

// What a student reads in each language; "C" is the program as written.
struct Language {
    const char* name;
    const char* solve;
    const char* watch;
    const char* solving;
    const char* answer;
    const char* exitTitle;
    const char* cancel;  // Qt's own translation
};
const Language kLanguages[] = {
    {"C", "Solve", "Watch on a solving", "Solving", "Answer", "Exit", "Cancel"},
    {"de", "Lösen", "Lösungsweg ansehen", "Lösungsweg", "Ergebnis", "Beenden", "Abbrechen"},
    {"fr", "Résoudre", "Voir la résolution", "Résolution", "Résultat", "Quitter", "Annuler"},
    {"es", "Resolver", "Ver la resolución", "Resolución", "Resultado", "Salir", "Cancelar"},
};

class TranslationTest : public UiTest, public ::testing::WithParamInterface<Language> {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        translation_.emplace(QStringList{QString::fromLatin1(GetParam().name)});
        form_ = std::make_unique<MainWindow>();
        form_->show();
    }
    void TearDown() override
    {
        form_.reset();
        translation_.reset();
        UiTest::TearDown();
    }
    SolvingWindow& solving() { return form_->solvingWindow().get(); }

    std::optional<app::Translation> translation_;
    std::unique_ptr<MainWindow> form_;
};

TEST_P(TranslationTest, WindowsSpeakTheChosenLanguage)
{
    const Language& language = GetParam();
    const auto button = [this](std::string_view name) { return form_->findChild<QPushButton*>(toQString(name))->text(); };
    EXPECT_EQ(button(names::kSolveButton), QString::fromUtf8(language.solve));
    EXPECT_EQ(button(names::kWatchButton), QString::fromUtf8(language.watch));
    EXPECT_EQ(form_->windowTitle(), "Rowsweep");
    EXPECT_EQ(solving().windowTitle(), QString::fromUtf8(language.solving));
    EXPECT_EQ(solving().findChild<QGroupBox*>(toQString(names::kStageFrames.back()))->title(),
              QString::fromUtf8(language.answer));

    QString title;
    QString cancel;
    setMessageBoxHook([&](QMessageBox& box) {
        title = box.windowTitle();
        cancel = box.button(QMessageBox::Cancel)->text();
        return QMessageBox::Cancel;
    });
    click(*form_, names::kExitButton);
    EXPECT_EQ(title, QString::fromUtf8(language.exitTitle));
    EXPECT_EQ(cancel, QString::fromUtf8(language.cancel)) << "Qt's own translation (qt6-translations-l10n)";
}

// A word-wrapped button caption, a frame title, a label or a line of the
// About text that needs more room than its control has is clipped.
TEST_P(TranslationTest, EveryCaptionFitsItsControl)
{
    click(*form_, names::kSampleButton);
    click(*form_, names::kSolveButton);
    AboutWindow& about = loadAbout(*form_);
    for (QWidget* window : std::initializer_list<QWidget*>{form_.get(), &solving(), &about}) {
        for (const ClassicButton* button : window->findChildren<ClassicButton*>()) {
            const QRect room = button->captionRect();
            EXPECT_TRUE(room.contains(button->fontMetrics().boundingRect(
                room, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, button->text())))
                << button->text().toStdString();
        }
        for (const QGroupBox* frame : window->findChildren<QGroupBox*>()) {
            QStyleOptionGroupBox option;
            option.initFrom(frame);
            option.text = frame->title();
            option.subControls = QStyle::SC_GroupBoxLabel;
            const QRect label = frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
            EXPECT_TRUE(frame->rect().contains(label)) << frame->title().toStdString();
        }
        for (const QLabel* label : window->findChildren<QLabel*>())
            EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->contentsRect().width());
    }
    const auto* credits = about.findChild<QPlainTextEdit*>(toQString(names::kCreditsText));
    const int room = credits->contentsRect().width() - 2 * static_cast<int>(credits->document()->documentMargin());
    for (const QString& line : credits->toPlainText().split(u'\n'))
        EXPECT_LE(credits->fontMetrics().horizontalAdvance(line), room) << line.toStdString();
    delete loadedAbout();
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslationTest, ::testing::ValuesIn(kLanguages),
                         [](const ::testing::TestParamInfo<Language>& param) { return std::string(param.param.name); });

// The desktop's list is read in order, as gettext reads LANGUAGE; a comma
// in "1,5" earns a pointer to the decimal point only where the chosen
// language writes a decimal comma.
TEST(ChosenLanguage, FirstSpokenLanguageOfTheListUntilEnglish)
{
    const struct {
        QStringList desktop;
        QString chosen;
        QString hint;  // for the cell text " 1,5"
    } cases[] = {
        {{"de-AT"}, "de-AT", "Dezimalzahlen werden mit Punkt geschrieben: 1.5"},
        {{"xx", "pt-BR", "fr-FR", "de"}, "fr-FR", "Les nombres décimaux s’écrivent avec un point\u00a0: 1.5"},
        {{"es-ES"}, "es-ES", "Los decimales se escriben con punto: 1.5"},
        {{"es-MX"}, "es-MX", ""},
        {{"en-GB", "de"}, "", ""},
        {{"C.UTF-8", "fr"}, "", ""},
        {{"it-IT"}, "", ""},
    };
    const QLocale before;
    for (const auto& c : cases) {
        {
            const app::Translation translation(c.desktop);
            EXPECT_EQ(translation.language(), c.chosen) << c.desktop.join(u':').toStdString();
            EXPECT_EQ(decimalCommaHint(QStringLiteral(" 1,5")), c.hint) << c.desktop.join(u':').toStdString();
        }
        EXPECT_EQ(QCoreApplication::translate("Caption", "Solve"), "Solve") << "removed with the translation";
        EXPECT_EQ(QLocale(), before);
    }
}

TEST(DecimalCommaHint, OnlyForANumberButForItsComma)
{
    const QLocale german(QLocale::German);
    for (const auto& [cell, withPoint] : {std::pair{",5", ".5"}, {"-2,5e3", "-2.5e3"}, {"1,", "1."}})
        EXPECT_TRUE(decimalCommaHint(QString::fromLatin1(cell), german).endsWith(withPoint)) << cell;
    for (const char* cell : {"1,5,3", "1.5", "a,5", ",", "1,5e", ""})
        EXPECT_EQ(decimalCommaHint(QString::fromLatin1(cell), german), QString()) << cell;
}

}  // namespace
}  // namespace rowsweep::ui::testing
