#include "ui/level_edit.h"

#include <QKeyEvent>

#include "ui/level_text.h"

namespace ui {

LevelEdit::LevelEdit(QWidget* parent)
    : QLineEdit(parent)
{
    setFrame(true);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setContextMenuPolicy(Qt::DefaultContextMenu);
}

void LevelEdit::keyPressEvent(QKeyEvent* event)
{
    // Keys without text (arrows, Delete), control characters (Backspace) and shortcuts (Ctrl+V)
    // go through; a printable character other than a digit is dropped without a sound.
    const QString text = event->text();
    const bool shortcut = event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
    if (!text.isEmpty() && !shortcut) {
        for (const char32_t c : text.toUcs4()) {
            if (!acceptsTypedCharacter(c)) {
                event->accept();
                return;
            }
        }
    }
    QLineEdit::keyPressEvent(event);
}

void LevelEdit::focusOutEvent(QFocusEvent* event)
{
    const QString normalised = QString::fromStdString(normalisedLevelText(text().toStdString()));
    if (normalised != text()) {
        const int caret = hasSelectedText() ? selectionStart() : cursorPosition();
        setText(normalised);
        setCursorPosition(qMin(caret, static_cast<int>(normalised.size())));
    }
    QLineEdit::focusOutEvent(event);
}

} // namespace ui
