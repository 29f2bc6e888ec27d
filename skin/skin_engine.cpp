#include "skin/skin_engine.h"

#include <QApplication>
#include <QEvent>
#include <QPalette>
#include <QWidget>

#include <algorithm>

namespace skin {
namespace {

// Ordinary windows and dialogs get the skin's frame; popups, tool tips, splash screens and windows
// that chose to have no frame at all keep what they have.
bool wantsFrame(const QWidget* widget)
{
    if (!widget->isWindow() || widget->testAttribute(Qt::WA_DontShowOnScreen))
        return false;
    const auto type = widget->windowType();
    return (type == Qt::Window || type == Qt::Dialog) && !widget->windowFlags().testFlag(Qt::FramelessWindowHint);
}

QColor colourOf(const Skin& skin, ColourRole role) { return QColor::fromRgba(skin.colour(role)); }

} // namespace

SkinEngine::SkinEngine(QApplication& application)
    : QObject(&application)
    , m_application(application)
{
    m_application.installEventFilter(this);
}

SkinEngine::~SkinEngine() = default;

void SkinEngine::attach(Skin skin)
{
    m_skin = std::move(skin);
    applyPalette();
    m_application.setStyleSheet(QString::fromUtf8(m_skin.styleSheet.data(), qsizetype(m_skin.styleSheet.size())));
    for (auto& decoration : m_decorations)
        decoration->refresh();
    for (QWidget* window : QApplication::topLevelWidgets())
        decorate(window);
}

void SkinEngine::applyPalette()
{
    QPalette palette = QApplication::palette();
    const std::pair<QPalette::ColorRole, ColourRole> roles[] = {
        {QPalette::Window, ColourRole::Window},
        {QPalette::WindowText, ColourRole::WindowText},
        {QPalette::Base, ColourRole::Base},
        {QPalette::Text, ColourRole::Text},
        {QPalette::Button, ColourRole::Button},
        {QPalette::ButtonText, ColourRole::ButtonText},
        {QPalette::Highlight, ColourRole::Highlight},
        {QPalette::HighlightedText, ColourRole::HighlightedText},
    };
    // Disabled controls keep the greyed text the desktop gives them; everything else takes the skin.
    for (const auto& [qtRole, skinRole] : roles) {
        palette.setColor(QPalette::Active, qtRole, colourOf(m_skin, skinRole));
        palette.setColor(QPalette::Inactive, qtRole, colourOf(m_skin, skinRole));
    }
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        palette.setColor(QPalette::Disabled, role, palette.color(QPalette::Active, role));
    QApplication::setPalette(palette);
}

bool SkinEngine::eventFilter(QObject* watched, QEvent* event)
{
    // Polish comes before a window is first shown; Show catches a window polished before the skin came.
    const auto type = event->type();
    if ((type == QEvent::Polish || type == QEvent::Show) && watched->isWidgetType())
        decorate(static_cast<QWidget*>(watched));
    return false;
}

void SkinEngine::decorate(QWidget* window)
{
    if (isDecorated(window) || !wantsFrame(window))
        return;
    std::erase_if(m_decorations, [](const auto& decoration) { return decoration->window() == nullptr; });
    m_decorations.push_back(std::make_unique<WindowDecoration>(window, m_skin));
}

bool SkinEngine::isDecorated(const QWidget* window) const
{
    return std::any_of(m_decorations.begin(), m_decorations.end(),
        [window](const auto& decoration) { return decoration->window() == window; });
}

} // namespace skin
