#include "ui/spin_buttons.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/level_text.h"

namespace ui {

namespace {

QToolButton* makeArrow(Qt::ArrowType arrow, const char* name, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setArrowType(arrow);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    return button;
}

} // namespace

SpinButtons::SpinButtons(QLineEdit* buddy, QWidget* parent)
    : QFrame(parent)
    , m_buddy(buddy)
    , m_up(makeArrow(Qt::UpArrow, "spinUp", this))
    , m_down(makeArrow(Qt::DownArrow, "spinDown", this))
{
    setFrameStyle(QFrame::Panel | QFrame::Plain); // a thin static edge
    setLineWidth(1);
    setFocusPolicy(Qt::NoFocus);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(1, 1, 1, 1);
    column->setSpacing(0);
    column->addWidget(m_up);
    column->addWidget(m_down);
    connect(m_up, &QToolButton::clicked, this, &SpinButtons::stepUp);
    connect(m_down, &QToolButton::clicked, this, &SpinButtons::stepDown);
}

void SpinButtons::stepUp() { writeLevel(levelAfterSpinUp(m_buddy->text().toStdString())); }

void SpinButtons::stepDown() { writeLevel(levelAfterSpinDown(m_buddy->text().toStdString())); }

void SpinButtons::writeLevel(int level)
{
    m_buddy->setText(QString::number(level));
    m_buddy->selectAll();
    m_buddy->setFocus(Qt::OtherFocusReason);
}

} // namespace ui
