#include "ui/qt_text_rasterizer.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "ui/font_substitution.h"

namespace ui {
namespace {

// The sprite's font, or the application's default font when it has none; never antialiased.
QFont fontFor(const std::optional<stage::Font>& font)
{
    QFont qfont = QApplication::font();
    if (font) {
        const int pixelHeight = font->pixelHeight > 0 ? font->pixelHeight : qfont.pixelSize();
        qfont = requestedFont(QString::fromStdString(font->face), pixelHeight > 0 ? pixelHeight : 12, font->weight);
    }
    qfont.setStyleStrategy(QFont::NoAntialias);
    return qfont;
}

} // namespace

stage::InkLine QtTextRasterizer::drawLine(std::string_view line, const std::optional<stage::Font>& font)
{
    const QFont qfont = fontFor(font);
    const QFontMetrics metrics(qfont);
    const QString text = QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));

    stage::InkLine out;
    out.width = std::max(metrics.horizontalAdvance(text), 0);
    out.height = std::max(metrics.height(), 0);
    out.ink.assign(static_cast<std::size_t>(out.width) * out.height, 0);
    if (out.ink.empty())
        return out;

    // Black on white; every pixel that is no longer white is ink.
    QImage image(out.width, out.height, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setFont(qfont);
        painter.setPen(Qt::black);
        painter.drawText(0, metrics.ascent(), text);
    }
    const QRgb white = qRgb(255, 255, 255);
    for (int y = 0; y < out.height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < out.width; ++x)
            out.ink[static_cast<std::size_t>(y) * out.width + x] = (row[x] | 0xFF000000u) != white ? 1 : 0;
    }
    return out;
}

} // namespace ui
