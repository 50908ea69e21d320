#include "rowsweep/ui/cells/cell_edit.h"

#include <algorithm>

#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolTip>

#include "rowsweep/engine/cell_text.h"
#include "rowsweep/engine/fraction.h"
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

// Splits one line by tabs, else semicolons, else white space.
QStringList splitLine(const QString& line)
{
    QStringList values;
    for (const QChar separator : {QChar(u'\t'), QChar(u';')}) {
        if (!line.contains(separator))
            continue;
        for (const QString& value : line.split(separator))
            values << value.trimmed();
        return values;
    }
    QString value;
    for (const QChar character : line) {
        if (!character.isSpace()) {
            value += character;
        } else if (!value.isEmpty()) {
            values << value;
            value.clear();
        }
    }
    if (!value.isEmpty())
        values << value;
    return values;
}

bool isBlank(const QString& line)
{
    return std::all_of(line.begin(), line.end(), [](QChar c) { return c.isSpace(); });
}

}  // namespace

PastedBlock splitPastedText(const QString& text)
{
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    for (const QChar lineEnd : {QChar(u'\r'), QChar(QChar::LineSeparator), QChar(QChar::ParagraphSeparator)})
        lines.replace(lineEnd, QChar(u'\n'));
    QStringList split = lines.split(QChar(u'\n'));
    while (!split.isEmpty() && isBlank(split.back()))
        split.removeLast();
    while (!split.isEmpty() && isBlank(split.front()))
        split.removeFirst();

    PastedBlock block;
    for (const QString& line : split)
        block << splitLine(line);
    return block;
}

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

void CellEdit::setMarked(bool marked)
{
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
    setAccessibleDescription(QString::fromLatin1(kMarkText));
}

bool CellEdit::textFits() const
{
    const QString shown = text();
    if (shown.size() > kLongestHoverText)
        return false;
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this) - textMargins();
    return fontMetrics().horizontalAdvance(shown) <= contents.width() - 2 * kLineEditTextMargin;
}

QString CellEdit::hoverText() const
{
    QStringList lines;
    const QString shown = text();
    std::optional<Fraction> fraction;
    if (shown.size() <= kLongestHoverText)
        if (const std::optional<double> number = parseCellText(shown.toStdString()))
            fraction = nearbyFraction(*number);
    if (fraction || !textFits()) {
        QString line = shown.size() > kLongestHoverText ? shown.left(kLongestHoverText) + QChar(0x2026) : shown;
        if (fraction)
            line += QStringLiteral(" \u2248 %1/%2").arg(fraction->numerator).arg(fraction->denominator);
        lines << line;
    }
    if (marked_)
        lines << QString::fromLatin1(kMarkText);
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
    for (QAction* action : menu->actions()) {
        if (action->text().section(QChar(u'\t'), 0, 0) != paste)
            continue;
        disconnect(action, &QAction::triggered, nullptr, nullptr);
        connect(action, &QAction::triggered, this,
                [this] { pasteText(QGuiApplication::clipboard()->text(QClipboard::Clipboard)); });
    }
    return menu;
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

void CellEdit::pasteText(const QString& text)
{
    const PastedBlock block = splitPastedText(text);
    if (block.size() > 1 || (block.size() == 1 && block.front().size() > 1)) {
        if (blockPasted_)
            blockPasted_(block);
        return;
    }
    pasteValue(block.isEmpty() || block.front().isEmpty() ? QString() : block.front().front());
}

// The undo history of a line edit keeps every character a paste removes
// and inserts, until the text is next assigned: pasting a full cell again
// and again would grow it without end. Pastes stay undoable within a
// budget; one that would exceed it is made as an assignment, which starts
// the history afresh.
void CellEdit::pasteValue(const QString& value)
{
    if (value.isEmpty() && !hasSelectedText())
        return;
    if (!isUndoAvailable() && !isRedoAvailable())
        pastedIntoHistory_ = 0;
    const qsizetype touched = selectionLength() + value.size();
    if (pastedIntoHistory_ + touched <= kPastedHistoryBudget) {
        startUndoStep();
        insert(value);
        startUndoStep();
        pastedIntoHistory_ += touched;
        return;
    }
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    QString next = text();
    next.replace(start, selectionLength(), value);
    setText(next.left(maxLength()));
    setCursorPosition(static_cast<int>(std::min<qsizetype>(start + value.size(), text().size())));
    pastedIntoHistory_ = 0;
    emit textEdited(text());
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
