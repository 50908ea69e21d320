// The windows in the desktop's language: which language is chosen, the
// captions in each, Qt's own texts, and that every caption fits its control.

#include <optional>

#include <QApplication>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStyleOptionGroupBox>

#include "rowsweep/app/translation.h"
#include "rowsweep/ui/cells/decimal_comma_hint.h"
#include "rowsweep/ui/desktop/message_boxes.h"
#include "rowsweep/ui/look/classic_button.h"
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
    const char* firstStage;   // the sample's Step 1, which changes nothing
    const char* secondStage;  // and its Step 2
    const char* verdict;      // of the sample
    const char* mathError;
    const char* oneFree;  // the last solution line with a single free unknown
};
const Language kLanguages[] = {
    {"C", "Solve", "Watch on a solving", "Solving", "Answer", "Exit", "Cancel",
     "No change: row 1 already has 1 in column 1", "Subtract 4 × row 1 from row 2",
     "Infinitely many solutions: x3, x4, x5 free", "Math error", "x4 free"},
    {"de", "Lösen", "Lösungsweg ansehen", "Lösungsweg", "Ergebnis", "Beenden", "Abbrechen",
     "Keine Änderung: Zeile 1 hat in Spalte 1 schon eine 1", "4 × Zeile 1 von Zeile 2 subtrahieren",
     "Unendlich viele Lösungen: x3, x4, x5 frei", "Rechenfehler", "x4 frei"},
    {"fr", "Résoudre", "Voir la résolution", "Résolution", "Résultat", "Quitter", "Annuler",
     "Aucun changement\u00a0: la ligne 1 a déjà 1 en colonne 1", "Soustraire 4 × ligne 1 de la ligne 2",
     "Une infinité de solutions\u00a0: x3, x4, x5 libres", "Erreur mathématique", "x4 libre"},
    {"es", "Resolver", "Ver la resolución", "Resolución", "Resultado", "Salir", "Cancelar",
     "Sin cambios: la fila 1 ya tiene 1 en la columna 1", "Restar 4 × fila 1 a la fila 2",
     "Infinitas soluciones: x3, x4, x5 libres", "Error matemático", "x4 libre"},
};

// Solvable, with x4 the one free unknown, yet row 3 of the result is not
// all zero, so the "Math error" box shows.
const GridTexts kOneFreeUnknown{{{"1", "", "", "", "", "1"}, {"", "1", "", "", "", "1"}, {"", "", "1", "1", "", "1"}}};

QWidget* topLevel(std::string_view name)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == toQString(name))
            return window;
    return nullptr;
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
    QString stageExplanation(std::size_t stage)
    {
        return solving().findChild<QGroupBox*>(toQString(names::kStageFrames[stage]))->toolTip();
    }
    QLabel& verdict() { return *form_->findChild<QLabel*>(toQString(names::kVerdict)); }

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

    click(*form_, names::kSampleButton);
    click(*form_, names::kSolveButton);
    EXPECT_EQ(stageExplanation(0), QString::fromUtf8(language.firstStage));
    EXPECT_EQ(stageExplanation(1), QString::fromUtf8(language.secondStage));
    EXPECT_EQ(verdict().text(), QString::fromUtf8(language.verdict));

    fillGrid(*form_, names::kInputRows, kOneFreeUnknown);
    answerBoxes({QMessageBox::Ok});
    click(*form_, names::kSolveButton);
    ASSERT_EQ(seenBoxes_.size(), 1U);
    EXPECT_EQ(seenBoxes_[0].title, QString::fromUtf8(language.mathError));
    EXPECT_TRUE(verdict().text().endsWith(QString::fromUtf8(language.oneFree))) << "the singular of free";
    EXPECT_TRUE(verdict().toolTip().endsWith(u'\n' + QString::fromUtf8(language.oneFree)));

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

// The cells find Qt's own Undo in its menu by the name Qt's translation
// gives it, or Undo would walk the line edit's history, not the grid's.
TEST_P(TranslationTest, TheCellMenusUndoWalksTheGridsHistory)
{
    click(*form_, names::kSampleButton);
    QLineEdit& first = cell(*form_, elementName(names::kInputRows[0], 0));
    ASSERT_FALSE(first.text().isEmpty());
    QContextMenuEvent event(QContextMenuEvent::Keyboard, {}, first.mapToGlobal(QPoint()));
    QApplication::sendEvent(&first, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QAction* undo = menu->actions().front();  // Qt's menu starts with Undo
    EXPECT_TRUE(undo->isEnabled()) << undo->text().toStdString();
    undo->trigger();
    menu->close();
    EXPECT_TRUE(first.text().isEmpty()) << "Sample undone";
}

// A word-wrapped button caption, a frame title, a label or a line of the
// About text that needs more room than its control has is clipped; labels
// that wrap grow with their text.
void expectCaptionsFit(const QWidget& window)
{
    for (const ClassicButton* button : window.findChildren<ClassicButton*>()) {
        const QRect room = button->captionRect();
        EXPECT_TRUE(room.contains(button->fontMetrics().boundingRect(
            room, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, button->text())))
            << button->text().toStdString();
    }
    for (const QGroupBox* frame : window.findChildren<QGroupBox*>()) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxLabel;
        const QRect label = frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
        EXPECT_TRUE(frame->rect().contains(label)) << frame->title().toStdString();
    }
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->wordWrap()) {
            EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->contentsRect().width())
                << label->text().toStdString();
        }
    }
    if (const auto* credits = window.findChild<QPlainTextEdit*>(toQString(names::kCreditsText))) {
        const int room = credits->contentsRect().width() - 2 * static_cast<int>(credits->document()->documentMargin());
        for (const QString& line : credits->toPlainText().split(u'\n'))
            EXPECT_LE(credits->fontMetrics().horizontalAdvance(line), room) << line.toStdString();
    }
}

TEST_P(TranslationTest, EveryCaptionFitsItsControl)
{
    click(*form_, names::kSampleButton);
    click(*form_, names::kSolveButton);
    click(*form_, names::kWatchButton);
    click(*form_, names::kVerdict);
    for (const std::string_view name : {names::kMainWindow, names::kSolvingWindow, names::kReducedFormWindow}) {
        const QWidget* window = topLevel(name);
        ASSERT_NE(window, nullptr) << name;
        expectCaptionsFit(*window);
    }
    bool shown = false;
    expectModal(true);
    whenModalAppears([&](QWidget&) {
        QWidget* about = topLevel(names::kAboutWindow);
        ASSERT_NE(about, nullptr);
        shown = true;
        expectCaptionsFit(*about);
        about->close();
    });
    click(*form_, names::kAboutButton);
    expectModal(false);
    EXPECT_TRUE(shown);
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
