#include "tests/e2e/glyph_reader/readout_reader.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <vector>

#include <QFontMetrics>
#include <QPainter>

namespace glyph_reader {

namespace {

constexpr int kShift = 2; // our drawing may sit up to this many pixels away from the label's
constexpr int kMaxDigits = 9;
constexpr double kInkThreshold = 0.25;

// How dark each pixel is against the ground: 0 for the ground, 1 for black.
struct Darkness {
    int width = 0;
    int height = 0;
    std::vector<double> value;

    [[nodiscard]] double at(int x, int y) const
    {
        return x >= 0 && y >= 0 && x < width && y < height ? value[static_cast<std::size_t>(y) * width + x] : 0.0;
    }
};

double luminance(QRgb c) { return 0.299 * qRed(c) + 0.587 * qGreen(c) + 0.114 * qBlue(c); }

// The ground is the colour most pixels of the box have.
QRgb groundColour(const QImage& shot, QRect box)
{
    std::map<QRgb, int> counts;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            counts[shot.pixel(x, y) | 0xFF000000u] += 1;
    return std::max_element(counts.begin(), counts.end(), [](auto a, auto b) { return a.second < b.second; })->first;
}

Darkness darknessOf(const QImage& image, QRect box, double groundLuminance)
{
    Darkness d {box.width(), box.height(), std::vector<double>(static_cast<std::size_t>(box.width()) * box.height())};
    for (int y = 0; y < d.height; ++y) {
        for (int x = 0; x < d.width; ++x) {
            const double l = luminance(image.pixel(box.left() + x, box.top() + y));
            d.value[static_cast<std::size_t>(y) * d.width + x]
                = std::clamp((groundLuminance - l) / groundLuminance, 0.0, 1.0);
        }
    }
    return d;
}

// Our own drawing of text as the label draws it, black on white.
Darkness drawn(const QString& text, QSize size, const QFont& font)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QRect(QPoint(0, 0), size), Qt::AlignLeft | Qt::AlignVCenter, text);
    }
    return darknessOf(image, image.rect(), 255.0);
}

// The smallest difference between the picture and the drawing over the picture's first columns,
// with the drawing shifted by up to kShift pixels each way; the best shift is stored.
double difference(const Darkness& seen, const Darkness& ours, int columns, QPoint& bestShift)
{
    double best = std::numeric_limits<double>::max();
    for (int dy = -kShift; dy <= kShift; ++dy) {
        for (int dx = -kShift; dx <= kShift; ++dx) {
            double sum = 0.0;
            for (int y = 0; y < seen.height; ++y)
                for (int x = 0; x < columns; ++x)
                    sum += std::fabs(seen.at(x, y) - ours.at(x - dx, y - dy));
            if (sum < best) {
                best = sum;
                bestShift = {dx, dy};
            }
        }
    }
    return best;
}

// Shared darkness over all darkness: 1 when the drawing and the picture agree everywhere.
double similarity(const Darkness& seen, const Darkness& ours, QPoint shift)
{
    double shared = 0.0, any = 0.0;
    for (int y = 0; y < seen.height; ++y) {
        for (int x = 0; x < seen.width; ++x) {
            const double a = seen.at(x, y), b = ours.at(x - shift.x(), y - shift.y());
            shared += std::min(a, b);
            any += std::max(a, b);
        }
    }
    return any == 0.0 ? 0.0 : shared / any;
}

bool hasInk(const Darkness& d)
{
    return std::any_of(d.value.begin(), d.value.end(), [](double v) { return v > kInkThreshold; });
}

// The digit that, written after text, best matches the picture over the columns the longer text covers.
QString bestExtension(const QString& text, const Darkness& seen, const QFont& font)
{
    const QFontMetrics metrics(font);
    QString best;
    double bestDifference = std::numeric_limits<double>::max();
    for (QChar digit = u'0'; digit <= u'9'; digit = QChar(digit.unicode() + 1)) {
        const QString candidate = text + digit;
        const int columns = std::min(seen.width, metrics.horizontalAdvance(candidate) + 1);
        QPoint shift;
        const double d = difference(seen, drawn(candidate, {seen.width, seen.height}, font), columns, shift);
        if (d < bestDifference) {
            bestDifference = d;
            best = candidate;
        }
    }
    return best;
}

double wholeDifference(const QString& text, const Darkness& seen, const QFont& font, QPoint& shift)
{
    return difference(seen, drawn(text, {seen.width, seen.height}, font), seen.width, shift);
}

} // namespace

std::optional<Reading> readNumber(const QImage& shot, QRect box, const QFont& font)
{
    if (!shot.rect().contains(box))
        return std::nullopt;
    const Darkness seen = darknessOf(shot, box, luminance(groundColour(shot, box)));
    if (!hasInk(seen))
        return std::nullopt;

    QString text = bestExtension({}, seen, font);
    QPoint shift;
    double current = wholeDifference(text, seen, font, shift);
    while (text.size() < kMaxDigits) {
        const QString longer = bestExtension(text, seen, font);
        QPoint longerShift;
        const double d = wholeDifference(longer, seen, font, longerShift);
        if (d >= current)
            break;
        text = longer;
        current = d;
        shift = longerShift;
    }
    return Reading {text, similarity(seen, drawn(text, {seen.width, seen.height}, font), shift)};
}

} // namespace glyph_reader
