#include "rowsweep/ui/cells/cell_edit.h"

#include <algorithm>
#include <optional>

#include <QClipboard>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QFontInfo>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolTip>
#include <QUndoStack>

#include "rowsweep/ui/cells/cell_hover_text.h"
#include "rowsweep/ui/cells/cell_text_fitting.h"
#include "rowsweep/ui/look/contrast.h"

namespace rowsweep::ui {

namespace {

// No platform theme Qt 6.4 reads offers an error colour, so the mark has
// its own red; on a dark base a lighter red keeps it readable.
constexpr QColor kMarkRed{192, 0, 0};
constexpr QColor kMarkRedOnDark{255, 128, 128};

// QLineEdit keeps this much room left and right of its text.
constexpr int kLineEditTextMargin = 2;

// Enter and keypad Enter, Up and Down on the arrow keys or the keypad,
// without other modifiers.
std::optional<CellMove> cellMove(const QKeyEvent& event)
{
    if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return std::nullopt;
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return CellMove::Next;
    case Qt::Key_Up:
        return CellMove::Up;
    case Qt::Key_Down:
        return CellMove::Down;
    default:
        return std::nullopt;
    }
}

enum class HistoryStep { Undo, Redo };

// Both Ctrl+Shift+Z and Ctrl+Y redo, whichever of them the desktop names
// its redo key.
std::optional<HistoryStep> historyStep(const QKeyEvent& event)
{
    if (event.matches(QKeySequence::Undo))
        return HistoryStep::Undo;
    const QKeyCombination keys = event.keyCombination();
    if (event.matches(QKeySequence::Redo) || keys == QKeyCombination(Qt::ControlModifier, Qt::Key_Y)
        || keys == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z))
        return HistoryStep::Redo;
    return std::nullopt;
}

void takeStep(QUndoStack* history, HistoryStep step)
{
    if (history != nullptr)
        step == HistoryStep::Undo ? history->undo() : history->redo();
}

}  // namespace

CellEdit::CellEdit(QWidget* parent)
    : QLineEdit(parent)
{
    // textEdited comes before textChanged, which then takes the new text.
    connect(this, &QLineEdit::textEdited, this, &CellEdit::noteTyping);
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) { lastText_ = text; });
}

void CellEdit::showText(const QString& text)
{
    // Writing what the cell already shows, from its start, would change
    // nothing but cost a repaint of every cell on each Solve.
    if (text == this->text() && !number_ && cursorPosition() == 0 && !hasSelectedText())
        return;
    restore({text, std::nullopt, 0});
}

void CellEdit::showNumber(const QString& text, const WrittenNumber& number)
{
    restore({text, number, 0});
}

CellContent CellEdit::content() const
{
    return {text(), number_, cursorPosition()};
}

void CellEdit::restore(const CellContent& content)
{
    number_ = content.number;
    setText(content.text);
    setCursorPosition(content.cursor < 0 ? static_cast<int>(text().size()) : content.cursor);
    ++typingRun_;
}

void CellEdit::noteTyping(const QString& typed)
{
    CellContent before{lastText_, number_, -1};
    number_.reset();
    if (requests_.typed)
        requests_.typed(std::move(before), {typed, std::nullopt, cursorPosition()}, typingRun_);
}

void CellEdit::setMarked(bool marked, bool fractionInFloatingPoint)
{
    markText_ = fractionInFloatingPoint ? tr("Not read in floating point: counted as 0")
                                        : tr("Not a number: counted as 0");
    if (marked_ && marked)
        setAccessibleDescription(markText_);
    if (marked == marked_)
        return;
    marked_ = marked;
    if (!marked) {
        disconnect(unmarkOnChange_);
        setPalette(QPalette());
        setAccessibleDescription({});
        return;
    }
    unmarkOnChange_ = connect(this, &QLineEdit::textChanged, this, [this] { setMarked(false); });
    QPalette red = palette();
    const QColor base = red.color(QPalette::Base);
    red.setColor(QPalette::Text, contrastRatio(kMarkRed, base) >= kReadableContrast ? kMarkRed : kMarkRedOnDark);
    setPalette(red);
    setAccessibleDescription(markText_);
}

// Where the line edit draws its text: inside the frame and the margins.
QRect CellEdit::textArea() const
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_LineEditContents, &option, this) - textMargins()
           - QMargins(kLineEditTextMargin, 0, kLineEditTextMargin, 0);
}

// While the user edits the text, or a drag shows where it would drop, the
// line edit draws the real text; so it does a text that fits.
bool CellEdit::drawsItself() const
{
    if (hasFocus() || dropTarget_ || text().isEmpty())
        return false;
    const FittedCellText fitted = fitCellText(text(), number_, font(), textArea().width());
    return fitted.text != text() || fitted.font != font();
}

QString CellEdit::shownText() const
{
    return drawsItself() ? fitCellText(text(), number_, font(), textArea().width()).text : text();
}

qreal CellEdit::shownPointSize() const
{
    return QFontInfo(drawsItself() ? fitCellText(text(), number_, font(), textArea().width()).font : font())
        .pointSizeF();
}

// A text drawn smaller or shortened is drawn where the line edit would
// draw its text, in the cell's text colour, red while it is marked.
void CellEdit::paintEvent(QPaintEvent* event)
{
    if (!drawsItself()) {
        QLineEdit::paintEvent(event);
        return;
    }
    const QRect area = textArea();
    const FittedCellText fitted = fitCellText(text(), number_, font(), area.width());
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    const QFontMetrics metrics(fitted.font);
    const int top = area.y() + (area.height() - metrics.height() + 1) / 2;
    painter.setClipRect(area.marginsAdded(QMargins(kLineEditTextMargin, 0, kLineEditTextMargin, 0)));
    painter.setFont(fitted.font);
    painter.setPen(palette().text().color());
    painter.drawText(QPoint(area.x(), top + metrics.ascent()), fitted.text);
}

// A cell that says nothing more than it shows leaves the hover to its
// frame, which may explain its stage.
bool CellEdit::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QLineEdit::event(event);
    const bool readsFractions = !readsFractions_ || readsFractions_();
    const QString tip = cellHoverText({text(), shownText() == text() || hasFocus(), readsFractions,
                                       marked_ ? markText_ : QString(), hint_});
    if (tip.isEmpty()) {
        event->ignore();
        return false;
    }
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), tip, this);
    return true;
}

void CellEdit::keyPressEvent(QKeyEvent* event)
{
    if (const std::optional<CellMove> move = cellMove(*event); move && requests_.move) {
        requests_.move(*move);
        event->accept();
        return;
    }
    if (const std::optional<HistoryStep> step = historyStep(*event); step && !isReadOnly()) {
        takeStep(history_, *step);
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Paste) && !isReadOnly()) {
        pasteText(QGuiApplication::clipboard()->text(QClipboard::Clipboard));
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

// The middle button pastes the selection where the system has one.
void CellEdit::mouseReleaseEvent(QMouseEvent* event)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (event->button() == Qt::MiddleButton && clipboard->supportsSelection() && !isReadOnly()) {
        pasteText(clipboard->text(QClipboard::Selection));
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

QMenu* CellEdit::createEditMenu()
{
    QMenu* menu = createStandardContextMenu();
    const QString paste = QLineEdit::tr("&Paste");
    const QString undoText = QLineEdit::tr("&Undo");
    const QString redoText = QLineEdit::tr("&Redo");
    for (QAction* action : menu->actions()) {
        const QString command = action->text().section(QChar(u'\t'), 0, 0);
        if (command != paste && command != undoText && command != redoText)
            continue;
        disconnect(action, &QAction::triggered, nullptr, nullptr);
        if (command == paste) {
            connect(action, &QAction::triggered, this,
                    [this] { pasteText(QGuiApplication::clipboard()->text(QClipboard::Clipboard)); });
            continue;
        }
        const HistoryStep step = command == undoText ? HistoryStep::Undo : HistoryStep::Redo;
        const bool offered = history_ != nullptr && (step == HistoryStep::Undo ? history_->canUndo() : history_->canRedo());
        action->setEnabled(!isReadOnly() && offered);
        connect(action, &QAction::triggered, this, [this, step] { takeStep(history_, step); });
    }
    return menu;
}

void CellEdit::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createEditMenu();
    if (requests_.menu)
        requests_.menu(*menu);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

// Once the user moves on, the typed text shows from its start like the
// rest, and the next typing here is a step of its own; a menu or another
// window taking the focus for a while keeps the place the user was typing at.
void CellEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason) {
        setCursorPosition(0);
        ++typingRun_;
    }
}

void CellEdit::dragEnterEvent(QDragEnterEvent* event)
{
    QLineEdit::dragEnterEvent(event);
    setDropTarget(event->isAccepted());
}

void CellEdit::dragLeaveEvent(QDragLeaveEvent* event)
{
    QLineEdit::dragLeaveEvent(event);
    setDropTarget(false);
}

// Text dropped from elsewhere replaces the cell's text, or fills the grid
// as a block, and the cell takes the focus, so that Ctrl+Z undoes the drop
// at once. Text dragged within the cell moves as in any line edit.
void CellEdit::dropEvent(QDropEvent* event)
{
    setDropTarget(false);
    if (event->source() == this || isReadOnly() || !event->mimeData()->hasText()) {
        QLineEdit::dropEvent(event);
        return;
    }
    event->acceptProposedAction();
    setFocus(Qt::OtherFocusReason);
    const PastedBlock block = splitPastedText(event->mimeData()->text());
    if (isBlock(block)) {
        if (requests_.block)
            requests_.block(block);
        return;
    }
    const QString value = singleValue(block).left(maxLength());
    if (!value.isEmpty() && requests_.write)
        requests_.write(content(), {value, std::nullopt, static_cast<int>(value.size())});
}

void CellEdit::setDropTarget(bool target)
{
    if (target == dropTarget_)
        return;
    dropTarget_ = target;
    update();
}

// One value goes where the cursor is, over the selection.
void CellEdit::pasteText(const QString& text)
{
    const PastedBlock block = splitPastedText(text);
    if (isBlock(block)) {
        if (requests_.block)
            requests_.block(block);
        return;
    }
    const QString value = singleValue(block);
    if ((value.isEmpty() && !hasSelectedText()) || !requests_.write)
        return;
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    QString next = this->text();
    next.replace(start, selectionLength(), value);
    next.truncate(maxLength());
    const auto cursor = static_cast<int>(std::min<qsizetype>(start + value.size(), next.size()));
    requests_.write(content(), {next, std::nullopt, cursor});
}

}  // namespace rowsweep::ui
