#include "rowsweep/ui/cells/cell_edit.h"

#include <algorithm>
#include <optional>

#include <QCoreApplication>
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

#include "rowsweep/ui/cells/cell_context_menu.h"
#include "rowsweep/ui/cells/cell_hover_text.h"
#include "rowsweep/ui/cells/cell_keys.h"
#include "rowsweep/ui/cells/cell_text_fitting.h"
#include "rowsweep/ui/look/contrast.h"

namespace rowsweep::ui {

CellEdit::CellEdit(QWidget* parent)
    : QLineEdit(parent)
{
    // textEdited comes before textChanged, which then takes the new text.
    connect(this, &QLineEdit::textEdited, this, &CellEdit::noteTyping);
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) { lastText_ = text; });
}

void CellEdit::showNumber(const QString& text, const WrittenNumber& number)
{
    if (text == this->text() && number_ && cursorPosition() == 0 && !hasSelectedText())
        return;  // the same text is the same number
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

void CellEdit::setMarked(const QString& mark)
{
    const bool marked = !mark.isEmpty();
    markText_ = mark;
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
    unmarkOnChange_ = connect(this, &QLineEdit::textChanged, this, [this] { setMarked({}); });
    QPalette red = palette();
    red.setColor(QPalette::Text, markRed(red.color(QPalette::Base)));
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

// While the user edits the text, or a drag shows where it would drop, the
// line edit draws the real text; so it does a text that fits.
std::optional<FittedCellText> CellEdit::drawnText() const
{
    if (hasFocus() || dropTarget_)
        return std::nullopt;
    return drawnCellText(text(), number_, font(), textArea());
}

QString CellEdit::shownText() const
{
    return drawnText().value_or(FittedCellText{text(), font()}).text;
}

qreal CellEdit::shownPointSize() const
{
    return QFontInfo(drawnText().value_or(FittedCellText{text(), font()}).font).pointSizeF();
}

// A text drawn smaller or shortened, in the cell's text colour, red while
// it is marked.
void CellEdit::paintEvent(QPaintEvent* event)
{
    const std::optional<FittedCellText> drawn = drawnText();
    if (!drawn) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    paintFittedText(painter, textArea(), *drawn, palette().text().color());
}

// A cell that says nothing more than it shows leaves the hover to its
// frame, which may explain its stage.
bool CellEdit::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QLineEdit::event(event);
    const QString tip = cellHoverText({text(), !drawnText() || shownText() == text(),
                                       !readsFractions_ || readsFractions_(), marked_ ? markText_ : QString(), hint_});
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
    if (const HistoryStep step = historyStep(*event); step != nullptr && !isReadOnly()) {
        if (history_ != nullptr)
            (history_->*step)();
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
    routeEditCommands(*menu, isReadOnly() ? nullptr : history_,
                      [this] { pasteText(QGuiApplication::clipboard()->text(QClipboard::Clipboard)); });
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
    paste(event->mimeData()->text(), true);
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
    paste(text, false);
}

// One value pasted goes where the cursor is, over the selection; one
// dropped replaces the whole text. Whatever the clipboard holds, no more
// than a full grid of text is split into values.
void CellEdit::paste(const QString& pasted, bool replacing)
{
    const qsizetype longest = longestPaste(maxLength());
    bool cut = pasted.size() > longest;
    const PastedBlock block = splitPastedText(QStringView(pasted).left(longest));
    if (isBlock(block)) {
        if (requests_.block)
            requests_.block(block, cut);
        return;
    }
    const QString value = singleValue(block);
    if (!requests_.write || (value.isEmpty() && (replacing || !hasSelectedText())))
        return;
    const int start = replacing ? 0 : hasSelectedText() ? selectionStart() : cursorPosition();
    QString next = text();
    next.replace(start, replacing ? next.size() : selectionLength(), value);
    cut = cut || next.size() > maxLength();
    next.truncate(maxLength());
    requests_.write(content(), {next, std::nullopt, static_cast<int>(std::min<qsizetype>(start + value.size(), next.size()))},
                    cut);
}

}  // namespace rowsweep::ui
