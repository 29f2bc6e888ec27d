#pragma once

#include "skin/skin.h"
#include "skin/window_decoration.h"

#include <QObject>

#include <memory>
#include <vector>

class QApplication;
class QWidget;

namespace skin {

// Draws the application's windows in a skin's look: the palette and the style sheet for the standard
// controls, and a WindowDecoration for every top-level window, those that exist now and those shown later.
// The application owns the engine, as one of its children.
class SkinEngine : public QObject {
public:
    explicit SkinEngine(QApplication& application);
    ~SkinEngine() override;

    SkinEngine(const SkinEngine&) = delete;
    SkinEngine& operator=(const SkinEngine&) = delete;

    // Puts a sound, already checked skin into effect; a later call replaces the earlier skin.
    void attach(Skin skin);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyPalette();
    void decorate(QWidget* window);
    [[nodiscard]] bool isDecorated(const QWidget* window) const;

    QApplication& m_application;
    Skin m_skin;
    std::vector<std::unique_ptr<WindowDecoration>> m_decorations;
};

} // namespace skin
