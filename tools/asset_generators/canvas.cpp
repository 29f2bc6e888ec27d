#include "tools/asset_generators/canvas.h"

#include <algorithm>
#include <cmath>

namespace assetgen {

Rgba rgb(int red, int green, int blue, double alpha) { return {red / 255.0, green / 255.0, blue / 255.0, alpha}; }

Rgba mix(const Rgba& from, const Rgba& to, double t)
{
    auto lerp = [t](double a, double b) { return a + (b - a) * t; };
    return {lerp(from.r, to.r), lerp(from.g, to.g), lerp(from.b, to.b), lerp(from.a, to.a)};
}

Canvas::Canvas(int size)
    : m_size(size)
    , m_grid(std::max(4, 128 / size))
    , m_pixels(static_cast<std::size_t>(size) * size)
{ }

void Canvas::fill(const Shape& shape, const Rgba& colour)
{
    fill(shape, [&colour](double, double) { return colour; });
}

void Canvas::fill(const Shape& shape, const Paint& paint)
{
    for (int y = 0; y < m_size; ++y) {
        for (int x = 0; x < m_size; ++x) {
            const double cx = (x + 0.5) / m_size;
            const double cy = (y + 0.5) / m_size;
            const double coverage = coverageAt(shape, x, y, shape(cx, cy));
            if (coverage > 0)
                blend(m_pixels[y * m_size + x], paint(cx, cy), coverage);
        }
    }
}

// A distance from the pixel's centre beyond half its diagonal settles the whole pixel at once,
// since no point of a shape lies nearer than its distance says; otherwise count the samples inside.
double Canvas::coverageAt(const Shape& shape, int x, int y, double centreDistance) const
{
    const double halfDiagonal = 0.7072 / m_size;
    if (centreDistance > halfDiagonal)
        return 0;
    if (centreDistance < -halfDiagonal)
        return 1;
    const double step = 1.0 / (m_size * m_grid);
    int inside = 0;
    for (int sy = 0; sy < m_grid; ++sy)
        for (int sx = 0; sx < m_grid; ++sx)
            inside += shape((x * m_grid + sx + 0.5) * step, (y * m_grid + sy + 0.5) * step) <= 0 ? 1 : 0;
    return double(inside) / (m_grid * m_grid);
}

void Canvas::blend(Rgba& under, const Rgba& over, double coverage) const
{
    const double a = over.a * coverage;
    const double outA = a + under.a * (1 - a);
    if (outA <= 0)
        return;
    auto channel = [&](double top, double bottom) { return (top * a + bottom * under.a * (1 - a)) / outA; };
    under = {channel(over.r, under.r), channel(over.g, under.g), channel(over.b, under.b), outA};
}

std::vector<std::uint8_t> Canvas::rgba8() const
{
    auto byte = [](double v) { return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
    std::vector<std::uint8_t> bytes;
    bytes.reserve(m_pixels.size() * 4);
    for (const Rgba& p : m_pixels) {
        const bool clear = byte(p.a) == 0;
        bytes.push_back(clear ? 0 : byte(p.r));
        bytes.push_back(clear ? 0 : byte(p.g));
        bytes.push_back(clear ? 0 : byte(p.b));
        bytes.push_back(byte(p.a));
    }
    return bytes;
}

namespace shapes {

Shape circle(double cx, double cy, double radius)
{
    return [=](double x, double y) { return std::hypot(x - cx, y - cy) - radius; };
}

Shape roundedBox(double left, double top, double right, double bottom, double radius)
{
    const double cx = (left + right) / 2, cy = (top + bottom) / 2;
    const double hx = (right - left) / 2 - radius, hy = (bottom - top) / 2 - radius;
    return [=](double x, double y) {
        const double qx = std::abs(x - cx) - hx, qy = std::abs(y - cy) - hy;
        return std::hypot(std::max(qx, 0.0), std::max(qy, 0.0)) + std::min(std::max(qx, qy), 0.0) - radius;
    };
}

Shape segment(double ax, double ay, double bx, double by, double halfWidth)
{
    return [=](double x, double y) {
        const double px = x - ax, py = y - ay, dx = bx - ax, dy = by - ay;
        const double h = std::clamp((px * dx + py * dy) / (dx * dx + dy * dy), 0.0, 1.0);
        return std::hypot(px - dx * h, py - dy * h) - halfWidth;
    };
}

// Distance to the nearest edge, negative when the point lies inside (even-odd rule).
Shape polygon(std::vector<std::pair<double, double>> points)
{
    return [points = std::move(points)](double x, double y) {
        double nearest = 1e9;
        bool inside = false;
        for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
            const auto [ax, ay] = points[j];
            const auto [bx, by] = points[i];
            nearest = std::min(nearest, segment(ax, ay, bx, by, 0)(x, y));
            if ((by > y) != (ay > y) && x < (ax - bx) * (y - by) / (ay - by) + bx)
                inside = !inside;
        }
        return inside ? -nearest : nearest;
    };
}

Shape grown(Shape shape, double distance)
{
    return [=](double x, double y) { return shape(x, y) - distance; };
}

Shape unite(Shape a, Shape b)
{
    return [=](double x, double y) { return std::min(a(x, y), b(x, y)); };
}

Shape intersect(Shape a, Shape b)
{
    return [=](double x, double y) { return std::max(a(x, y), b(x, y)); };
}

} // namespace shapes

} // namespace assetgen
