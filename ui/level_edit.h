#pragma once

#include <QLineEdit>

namespace ui {

// The level box 编辑框_级别设置: accepts typed digits only and normalises its text to 0..255 when
// it loses the focus. Pasted text is not filtered; it is normalised on leaving like typed text.
class LevelEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit LevelEdit(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

} // namespace ui
