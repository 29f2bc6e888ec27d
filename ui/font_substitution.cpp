#include "ui/font_substitution.h"

#include <QApplication>
#include <QStringList>

namespace ui {

namespace {

const QString kYaHei = QStringLiteral("微软雅黑");
const QString kArialBlack = QStringLiteral("Arial Black");

QStringList cjkFaces() { return {QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC")}; }

QStringList heavyLatinFaces() { return {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")}; }

} // namespace

void installFontSubstitutions()
{
    QFont::insertSubstitutions(kYaHei, cjkFaces());
    QFont::insertSubstitutions(QStringLiteral("Microsoft YaHei"), cjkFaces());
    QFont::insertSubstitutions(kArialBlack, heavyLatinFaces());
    QApplication::setFont(defaultGuiFont());
}

QFont requestedFont(const QString& face, int pixelHeight, int weight)
{
    QFont font;
    if (face == kYaHei) {
        font.setFamilies(cjkFaces());
    } else if (face == kArialBlack) {
        font.setFamilies(heavyLatinFaces());
        weight = QFont::Black; // the face is heavy by design, whatever weight the request names
    } else {
        font.setFamily(face);
    }
    font.setPixelSize(pixelHeight);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QFont defaultGuiFont()
{
    // A plain sans for Latin text that falls back to the CJK face for Chinese captions.
    QFont font;
    font.setFamilies(
        {QStringLiteral("DejaVu Sans"), QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC")});
    font.setPixelSize(12);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace ui
