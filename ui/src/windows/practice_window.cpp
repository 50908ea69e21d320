#include "rowsweep/ui/windows/practice_window.h"

#include <algorithm>

#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QShortcut>
#include <QVBoxLayout>

#include "rowsweep/steps/plain_text.h"
#include "rowsweep/steps/practice_outline.h"
#include "rowsweep/steps/solve.h"
#include "rowsweep/steps/written_stage.h"
#include "rowsweep/ui/desktop/steps_output.h"
#include "rowsweep/ui/look/classic_button.h"
#include "rowsweep/ui/look/window_style.h"
#include "rowsweep/ui/session/session.h"
#include "practice_window_controls.h"

namespace rowsweep::ui {

using namespace practice_window;

namespace {

template<typename Control>
Control* named(Control* control, std::string_view name)
{
    control->setObjectName(toQString(name));
    return control;
}

// Wraps onto as many lines as it needs at the window's width.
QLabel* wrappedText(std::string_view name, QWidget* parent)
{
    auto* label = named(new QLabel(parent), name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

bool allBlank(const steps::CellTexts& texts)
{
    return std::all_of(texts.begin(), texts.end(), [](const auto& row) {
        return std::all_of(row.begin(), row.end(), &steps::isBlankCell);
    });
}

void copyText(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
}

}  // namespace

PracticeWindow::PracticeWindow(Session& session, const QPixmap& mainPicture, InputGrid input)
    : QWidget(nullptr, kMinimizeCloseWindow)
    , session_(session)
    , practice_(session.practice())
    , input_(std::move(input))
{
    setObjectName(toQString(names::kPracticeWindow));
    //: Title of the window where the student takes the row operations.
    setWindowTitle(QCoreApplication::translate("PracticeWindow", "Practice"));
    setWindowIcon(QIcon(mainPicture));
    buildControls();
    addShortcuts();
    connect(&practice_, &Practice::changed, this, &PracticeWindow::showPractice);
    connect(&practice_, &Practice::feedbackChanged, this, &PracticeWindow::showFeedback);
    if (!practice_.hasStarted()) {
        const steps::CellTexts texts = input_.texts();
        if (allBlank(texts))
            newExercise();
        else
            practice_.startFromInput(texts);
    }
    showPractice();
    showFeedback(practice_.feedback());
    operation_->setFocus();
}

void PracticeWindow::buildControls()
{
    const auto button = [this](const Button& control) {
        auto* pushButton = named(new ClassicButton(captionText(control.caption), this), control.name);
        pushButton->setFixedSize(toPixels(kButtonWidth, kButtonHeight));
        return pushButton;
    };

    exerciseNumber_ = wrappedText(names::kExerciseNumber, this);
    grid_ = new CellGridView(kFrame, kGrid, session_, this);
    grid_->setFixedSize(toPixels(kFrame.rect).size());
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            grid_->cell(row, column)->setReadOnly(true);
    grid_->offerOwnSteps([this](QMenu& menu) { addHandInCommands(menu); });
    history_ = named(new QListWidget(this), names::kHistory);
    //: What a screen reader calls the list of the operations taken so far.
    history_->setAccessibleName(QCoreApplication::translate("PracticeWindow", "Operations taken"));
    history_->setFixedSize(twipsToPixels(kHistoryWidth), grid_->height());

    operation_ = named(new QLineEdit(this), names::kOperation);
    //: What a screen reader calls the line the student types an operation into.
    operation_->setAccessibleName(QCoreApplication::translate("PracticeWindow", "Row operation"));
    operation_->setPlaceholderText(QStringLiteral("R2 -> R2 - 4R1"));
    connect(operation_, &QLineEdit::returnPressed, this, &PracticeWindow::takeOperation);
    QPushButton* apply = button(kApply);
    connect(apply, &QPushButton::clicked, this, &PracticeWindow::takeOperation);
    QPushButton* hint = button(kHint);
    connect(hint, &QPushButton::clicked, &practice_, &Practice::hint);

    feedback_ = wrappedText(names::kFeedback, this);
    progress_ = wrappedText(names::kProgress, this);

    kind_ = named(new QComboBox(this), names::kExerciseKind);
    for (const KindChoice& choice : kKinds)
        kind_->addItem(captionText(choice.caption));
    //: What a screen reader calls the chooser of the kind of a new exercise.
    kind_->setAccessibleName(QCoreApplication::translate("PracticeWindow", "Kind of exercise"));
    QPushButton* restart = button(kRestart);
    QPushButton* fromInput = button(kFromInput);
    QPushButton* toMainWindow = button(kToMainWindow);
    QPushButton* newExercise = button(kNewExercise);
    connect(newExercise, &QPushButton::clicked, this, &PracticeWindow::newExercise);
    connect(restart, &QPushButton::clicked, &practice_, &Practice::restart);
    connect(fromInput, &QPushButton::clicked, this, [this] { practice_.startFromInput(input_.texts()); });
    connect(toMainWindow, &QPushButton::clicked, this, [this] { input_.write(steps::startTexts(practice_.state())); });

    auto* matrixRow = new QHBoxLayout;
    matrixRow->addWidget(grid_);
    matrixRow->addWidget(history_);
    auto* operationRow = new QHBoxLayout;
    operationRow->addWidget(operation_, 1);
    operationRow->addWidget(apply);
    operationRow->addWidget(hint);
    auto* startRow = new QHBoxLayout;
    for (QPushButton* start : {restart, fromInput, toMainWindow})
        startRow->addWidget(start);
    startRow->addStretch(1);
    auto* exerciseRow = new QHBoxLayout;
    exerciseRow->addWidget(exerciseNumber_, 1);
    exerciseRow->addWidget(kind_);
    exerciseRow->addWidget(newExercise);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(exerciseRow);
    layout->addLayout(matrixRow);
    layout->addLayout(operationRow);
    layout->addWidget(feedback_);
    layout->addWidget(progress_);
    layout->addLayout(startRow);
    // The texts wrap at the width of the widest row.
    const int width = std::max({matrixRow->sizeHint().width(), exerciseRow->sizeHint().width(),
                                startRow->sizeHint().width()});
    for (QLabel* text : {feedback_, progress_})
        text->setFixedWidth(width);

    // Tab reaches the line and its buttons first, then the exercise, the
    // starts, the history and the cells.
    std::vector<QWidget*> order{operation_, apply, hint, kind_, newExercise, restart, fromInput, toMainWindow, history_};
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            order.push_back(grid_->cell(row, column));
    for (std::size_t i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
}

// The operation line keeps a line edit's own undo, whichever keys reach
// the window for it.
void PracticeWindow::addShortcuts()
{
    const auto add = [this](const QKeySequence& keys, bool undo) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, [this, undo] {
            if (operation_->hasFocus())
                undo ? operation_->undo() : operation_->redo();
            else if (undo)
                practice_.undoStack().undo();
            else
                practice_.undoStack().redo();
        });
    };
    add(QKeySequence(Qt::CTRL | Qt::Key_Z), true);
    add(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), false);
    add(QKeySequence(Qt::CTRL | Qt::Key_Y), false);
}

// Enter or Apply: a refused line stays, selected, for the student to mend.
void PracticeWindow::takeOperation()
{
    if (practice_.take(operation_->text()))
        operation_->clear();
    else
        operation_->selectAll();
    operation_->setFocus();
}

void PracticeWindow::newExercise()
{
    practice_.startExercise(kKinds[static_cast<std::size_t>(std::max(0, kind_->currentIndex()))].kind);
}

void PracticeWindow::showPractice()
{
    const steps::PracticeState& state = practice_.state();
    grid_->showNumbers(steps::writtenMatrix(state.matrix));
    exerciseNumber_->setText(state.exercise ? steps::exerciseTitle(*state.exercise) : QString());
    history_->clear();
    history_->addItems(practice_.history());
    history_->scrollToBottom();
    progress_->setText(practice_.progressText());
    progress_->setFixedHeight(progress_->heightForWidth(progress_->width()));
}

// A screen reader hears it as the operation line's description, and the
// line itself as a status.
void PracticeWindow::showFeedback(const QString& feedback)
{
    feedback_->setText(feedback);
    feedback_->setFixedHeight(std::max(feedback_->heightForWidth(feedback_->width()), feedback_->fontMetrics().lineSpacing() * 2));
    operation_->setAccessibleDescription(feedback);
}

void PracticeWindow::addHandInCommands(QMenu& menu)
{
    QUndoStack& stack = practice_.undoStack();
    const char* const lineEdit = QLineEdit::staticMetaObject.className();
    QAction* undo = menu.addAction(QCoreApplication::translate(lineEdit, "&Undo"), &stack, &QUndoStack::undo);
    undo->setShortcut(QKeySequence::Undo);
    undo->setEnabled(stack.canUndo());
    QAction* redo = menu.addAction(QCoreApplication::translate(lineEdit, "&Redo"), &stack, &QUndoStack::redo);
    redo->setShortcut(QKeySequence::Redo);
    redo->setEnabled(stack.canRedo());
    menu.addSeparator();

    const steps::PracticeState state = practice_.state();
    menu.addAction(QCoreApplication::translate("CellMenu", "Copy All Steps"), &menu,
                   [state] { copyText(steps::outlineText(steps::practiceOutline(state))); });
    menu.addAction(QCoreApplication::translate("CellMenu", "Copy All Steps as LaTeX"), &menu,
                   [state] { copyText(steps::practiceLatex(state)); });
    const QPointer<QWidget> window = this;
    menu.addAction(QCoreApplication::translate("CellMenu", "Print All Steps…"), &menu,
                   [state, window] { printSteps(window, steps::practiceOutline(state)); });
    menu.addAction(QCoreApplication::translate("CellMenu", "Save All Steps as PDF…"), &menu,
                   [state, window] { saveStepsAsPdf(window, steps::practiceOutline(state)); });
}

}  // namespace rowsweep::ui
