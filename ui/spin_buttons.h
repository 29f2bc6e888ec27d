#pragma once

#include <QFrame>

class QLineEdit;
class QToolButton;

namespace ui {

// The up/down arrows beside the level box. Each click writes the next level of the 1..10 cycle
// into the box, selects it and gives the box the focus. The arrows never take the focus themselves.
class SpinButtons : public QFrame {
    Q_OBJECT
public:
    SpinButtons(QLineEdit* buddy, QWidget* parent);

    void stepUp();
    void stepDown();

private:
    void writeLevel(int level);

    QLineEdit* m_buddy;
    QToolButton* m_up;
    QToolButton* m_down;
};

} // namespace ui
