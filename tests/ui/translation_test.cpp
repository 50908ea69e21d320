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

using app::Translation;

// What a student reads in each language; "C" is the program as written.
struct Language {
    const char* name;
    const char* solve;
    const char* watch;
    const char* solvingTitle;
    const char* firstStep;
    const char* answer;
    const char* exitTitle;
    const char* cancel;  // Qt's own translation
};

const Language kLanguages[] = {
    {"C", "Solve", "Watch on a solving", "Solving", "Step 1", "Answer", "Exit", "Cancel"},
    {"de", "Lösen", "Lösungsweg ansehen", "Lösungsweg", "Schritt 1", "Ergebnis", "Beenden", "Abbrechen"},
    {"fr", "Résoudre", "Voir la résolution", "Résolution", "Étape 1", "Résultat", "Quitter", "Annuler"},
    {"es", "Resolver", "Ver la resolución", "Resolución", "Paso 1", "Resultado", "Salir", "Cancelar"},
};

void PrintTo(const Language& language, std::ostream* out)
{
    *out << language.name;
}

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

    std::optional<Translation> translation_;
    std::unique_ptr<MainWindow> form_;
};

QString text(const QWidget& window, std::string_view name)
{
    const auto* control = window.findChild<const QWidget*>(toQString(name));
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (const auto* frame = qobject_cast<const QGroupBox*>(control))
        return frame->title();
    return QStringLiteral("no caption: ") + toQString(name);
}

TEST_P(TranslationTest, WindowsSpeakTheChosenLanguage)
{
    const Language& language = GetParam();
    EXPECT_EQ(text(*form_, names::kSolveButton), QString::fromUtf8(language.solve));
    EXPECT_EQ(text(*form_, names::kWatchButton), QString::fromUtf8(language.watch));
    EXPECT_EQ(form_->windowTitle(), "Rowsweep");
    EXPECT_EQ(solving().windowTitle(), QString::fromUtf8(language.solvingTitle));
    EXPECT_EQ(text(solving(), names::kStageFrames.front()), QString::fromUtf8(language.firstStep));
    EXPECT_EQ(text(solving(), names::kStageFrames.back()), QString::fromUtf8(language.answer));

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

// A word-wrapped button caption, a frame title, a label's line or a line of
// the About text that needs more room than its control has is clipped.
TEST_P(TranslationTest, EveryCaptionFitsItsControl)
{
    click(*form_, names::kSampleButton);
    click(*form_, names::kSolveButton);
    auto& about = static_cast<AboutWindow&>(form_->aboutWindow().get());
    for (QWidget* window : {static_cast<QWidget*>(form_.get()), static_cast<QWidget*>(&solving()),
                            static_cast<QWidget*>(&about)}) {
        for (const ClassicButton* button : window->findChildren<ClassicButton*>()) {
            const QRect room = button->captionRect();
            const QRect needed = button->fontMetrics().boundingRect(
                room, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, button->text());
            EXPECT_TRUE(room.contains(needed)) << button->text().toStdString();
        }
        for (const QGroupBox* frame : window->findChildren<QGroupBox*>()) {
            QStyleOptionGroupBox option;
            option.initFrom(frame);
            option.text = frame->title();
            option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
            const QRect label = frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
            EXPECT_GE(label.width(), frame->fontMetrics().horizontalAdvance(frame->title()));
            EXPECT_TRUE(frame->rect().contains(label)) << frame->title().toStdString();
        }
        for (const QLabel* label : window->findChildren<QLabel*>()) {
            if (!label->wordWrap()) {
                EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->contentsRect().width())
                    << label->text().toStdString();
            }
        }
    }
    const auto* credits = about.findChild<QPlainTextEdit*>(toQString(names::kCreditsText));
    ASSERT_NE(credits, nullptr);
    const int room = credits->contentsRect().width() - 2 * static_cast<int>(credits->document()->documentMargin());
    for (const QString& line : credits->toPlainText().split(u'\n'))
        EXPECT_LE(credits->fontMetrics().horizontalAdvance(line), room) << line.toStdString();
    form_->aboutWindow().destroy();
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslationTest, ::testing::ValuesIn(kLanguages),
                         [](const ::testing::TestParamInfo<Language>& param) { return std::string(param.param.name); });

// The desktop's list is read in order, as gettext reads LANGUAGE; a comma
// in "1,5" earns a pointer to the decimal point only where the chosen
// language writes a decimal comma.
TEST(ChosenLanguage, FirstSpokenLanguageOfTheListUntilEnglish)
{
    struct Case {
        QStringList desktop;
        QString chosen;
        QString hint;  // for the cell text " 1,5"
    };
    const Case cases[] = {
        {{"de-AT"}, "de-AT", "Dezimalzahlen werden mit Punkt geschrieben: 1.5"},
        {{"xx", "pt-BR", "fr-FR", "de"}, "fr-FR", "Les nombres décimaux s’écrivent avec un point\u00a0: 1.5"},
        {{"es-ES"}, "es-ES", "Los decimales se escriben con punto: 1.5"},
        {{"es-MX"}, "es-MX", ""},
        {{"en-GB", "de"}, "", ""},
        {{"C.UTF-8", "fr"}, "", ""},
        {{"it-IT"}, "", ""},
        {{}, "", ""},
    };
    const QLocale before;
    for (const Case& c : cases) {
        {
            const Translation translation(c.desktop);
            EXPECT_EQ(translation.language(), c.chosen) << c.desktop.join(u':').toStdString();
            EXPECT_EQ(decimalCommaHint(QStringLiteral(" 1,5")), c.hint) << c.desktop.join(u':').toStdString();
        }
        EXPECT_EQ(QCoreApplication::translate("Caption", "Solve"), "Solve") << "removed with the translation";
        EXPECT_EQ(QLocale(), before);
    }
}

TEST(DecimalCommaHint, OnlyForANumberButForItsComma)
{
    const QLocale german(QLocale::German, QLocale::Germany);
    const std::pair<const char*, const char*> cases[] = {
        {",5", ".5"},  {"-2,5e3", "-2.5e3"}, {"1,", "1."},   {"1,5,3", nullptr}, {"1.5", nullptr},
        {"1.5,3", nullptr}, {"a,5", nullptr}, {",", nullptr}, {"1,5e", nullptr},  {"", nullptr},
    };
    for (const auto& [cell, withPoint] : cases) {
        const QString hint = decimalCommaHint(QString::fromLatin1(cell), german);
        EXPECT_EQ(hint.isEmpty(), withPoint == nullptr) << cell;
        if (withPoint != nullptr) {
            EXPECT_TRUE(hint.endsWith(QStringLiteral(": ") + QString::fromLatin1(withPoint))) << cell;
        }
    }
    EXPECT_EQ(decimalCommaHint(QStringLiteral("1,5"), QLocale::c()), QString());
}

}  // namespace
}  // namespace rowsweep::ui::testing
