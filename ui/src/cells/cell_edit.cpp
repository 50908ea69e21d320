#include "rowsweep/ui/cells/cell_edit.h"

#include <algorithm>
#include <optional>

#include <QClipboard>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolTip>

#include "rowsweep/steps/number_text.h"
#include "rowsweep/ui/cells/cell_text_elision.h"
#include "rowsweep/ui/look/contrast.h"

namespace rowsweep::ui {

namespace {

// No platform theme Qt 6.4 reads offers an error colour, so the mark has
// its own red; on a dark base a lighter red keeps it readable.
constexpr QColor kMarkRed{192, 0, 0};
constexpr QColor kMarkRedOnDark{255, 128, 128};

constexpr char kMarkText[] = "Not a number: counted as 0";

// A paste that would bring more characters than this into the undo history
// empties it instead (see pasteValue). Some hundred typed or pasted numbers
// stay undoable.
constexpr qsizetype kPastedHistoryBudget = 4096;

// Beyond this a tooltip shows the start of the text only: no cell is that
// wide, and a tooltip of a whole 32,767-character cell would be wider than
// any screen.
constexpr qsizetype kLongestHoverText = 200;

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

}  // namespace

CellEdit::CellEdit(QWidget* parent)
    : QLineEdit(parent)
{
}

void CellEdit::showText(const QString& text)
{
    // Writing what the cell already shows, from its start and with nothing
    // to undo, would change nothing but cost a repaint of every cell on
    // each Solve.
    if (text == this->text() && cursorPosition() == 0 && !hasSelectedText() && !isUndoAvailable()
        && !isRedoAvailable())
        return;
    setText(text);
    setCursorPosition(0);
    pastedIntoHistory_ = 0;  // setText empties the undo history
}

void CellEdit::setMarked(bool marked, bool fractionInFloatingPoint)
{
    markText_ = QString::fromLatin1(kMarkText);
    if (fractionInFloatingPoint)
        markText_ += QStringLiteral("\nFractions are read in Exact Fractions mode");
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
    return style()->subElementRect(QStyle::SE_LineEditContents, &option, this) - textMargins();
}

bool CellEdit::textFits() const
{
    const QString shown = text();
    if (shown.isEmpty())
        return true;  // most cells, and every one at start-up
    if (shown.size() > kLongestHoverText)
        return false;
    return fontMetrics().horizontalAdvance(shown) <= textArea().width() - 2 * kLineEditTextMargin;
}

// A text that does not fit is drawn shortened while the user is not editing
// it, where the line edit would draw its text, in the cell's text colour,
// red while it is marked.
void CellEdit::paintEvent(QPaintEvent* event)
{
    if (hasFocus() || dropTarget_ || textFits()) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);

    const QRect area = textArea();
    const FittedCellText fitted = fitCellText(text(), font(), area.width() - 2 * kLineEditTextMargin);
    const QFontMetrics metrics(fitted.font);
    const int top = area.y() + (area.height() - metrics.height() + 1) / 2;
    painter.setClipRect(area);
    painter.setFont(fitted.font);
    painter.setPen(palette().text().color());
    painter.drawText(QPoint(area.x() + kLineEditTextMargin, top + metrics.ascent()), fitted.text);
}

QString CellEdit::hoverText() const
{
    QStringList lines;
    const QString shown = text();
    const QString hint = shown.size() <= kLongestHoverText ? steps::valueHint(shown) : QString();
    if (!hint.isEmpty() || !textFits()) {
        QString line = shown.size() > kLongestHoverText ? shown.left(kLongestHoverText) + QChar(0x2026) : shown;
        if (!hint.isEmpty())
            line += u' ' + hint;
        lines << line;
    }
    if (marked_)
        lines << markText_;
    return lines.join(QChar(u'\n'));
}

// A cell whose text fits and says nothing more leaves the hover to its
// frame, which may explain its stage.
bool CellEdit::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QLineEdit::event(event);
    const QString tip = hoverText();
    if (tip.isEmpty()) {
        event->ignore();
        return false;
    }
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), tip, this);
    return true;
}

void CellEdit::keyPressEvent(QKeyEvent* event)
{
    if (const std::optional<CellMove> move = cellMove(*event); move && moveTo_) {
        moveTo_(*move);
        event->accept();
        return;
    }
    if (const std::optional<HistoryStep> step = historyStep(*event); step && !isReadOnly()) {
        takeHistoryStep(*step);
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
        const bool own = step == HistoryStep::Undo ? isUndoAvailable() : isRedoAvailable();
        action->setEnabled(!isReadOnly() && (own || (blockHistory_ != nullptr && blockHistory_->offers(*this, step))));
        connect(action, &QAction::triggered, this, [this, step] { takeHistoryStep(step); });
    }
    return menu;
}

void CellEdit::takeHistoryStep(HistoryStep step)
{
    if (blockHistory_ != nullptr && blockHistory_->take(*this, step))
        return;
    if (step == HistoryStep::Undo)
        undo();
    else
        redo();
}

void CellEdit::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createEditMenu();
    if (menuExtension_)
        menuExtension_(*menu);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

// Once the user moves on, the typed text shows from its start like the
// rest; a menu or another window taking the focus for a while keeps the
// place the user was typing at.
void CellEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        setCursorPosition(0);
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

// Text dropped from elsewhere is pasted where it is dropped, and the cell
// takes the focus, so that Ctrl+Z undoes the drop at once. Text dragged
// within the cell moves as in any line edit.
void CellEdit::dropEvent(QDropEvent* event)
{
    setDropTarget(false);
    if (event->source() == this || isReadOnly() || !event->mimeData()->hasText()) {
        QLineEdit::dropEvent(event);
        return;
    }
    event->acceptProposedAction();
    setFocus(Qt::OtherFocusReason);
    setCursorPosition(cursorPositionAt(event->position().toPoint()));
    pasteText(event->mimeData()->text());
}

void CellEdit::setDropTarget(bool target)
{
    if (target == dropTarget_)
        return;
    dropTarget_ = target;
    update();
}

void CellEdit::pasteText(const QString& text)
{
    const PastedBlock block = splitPastedText(text);
    if (isBlock(block)) {
        if (blockPasted_)
            blockPasted_(block);
        return;
    }
    pasteValue(singleValue(block));
}

bool CellEdit::pasteOver(const QString& value)
{
    selectAll();
    return pasteValue(value);
}

// The undo history of a line edit keeps every character a paste removes
// and inserts, until the text is next assigned: pasting a full cell again
// and again would grow it without end. Pastes stay undoable within a
// budget; one that would exceed it is made as an assignment, which starts
// the history afresh.
bool CellEdit::pasteValue(const QString& value)
{
    if (value.isEmpty() && !hasSelectedText())
        return false;
    if (!isUndoAvailable() && !isRedoAvailable())
        pastedIntoHistory_ = 0;
    const qsizetype touched = selectionLength() + value.size();
    if (pastedIntoHistory_ + touched <= kPastedHistoryBudget) {
        startUndoStep();
        insert(value);
        startUndoStep();
        pastedIntoHistory_ += touched;
        return true;
    }
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    QString next = text();
    next.replace(start, selectionLength(), value);
    setText(next.left(maxLength()));
    setCursorPosition(static_cast<int>(std::min<qsizetype>(start + value.size(), text().size())));
    pastedIntoHistory_ = 0;
    emit textEdited(text());
    return false;
}

// A paste is an undo step of its own, apart from the typing around it. The
// line edit starts a new step whenever its cursor moves, so the cursor
// steps aside and back, the selection kept.
void CellEdit::startUndoStep()
{
    if (text().isEmpty())
        return;
    const int at = cursorPosition();
    const int start = selectionStart();
    const int length = selectionLength();
    setCursorPosition(at > 0 ? at - 1 : at + 1);
    if (length == 0)
        setCursorPosition(at);
    else if (at == start)
        setSelection(start + length, -length);
    else
        setSelection(start, length);
}

}  // namespace rowsweep::ui
