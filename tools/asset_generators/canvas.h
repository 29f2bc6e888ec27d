#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace assetgen {

// A colour with straight (not premultiplied) alpha, every channel in [0, 1].
struct Rgba {
    double r = 0, g = 0, b = 0, a = 0;
};

Rgba rgb(int red, int green, int blue, double alpha = 1.0);
Rgba mix(const Rgba& from, const Rgba& to, double t);

// A shape as a signed distance: negative inside, positive outside, in the drawing's unit square.
// It never overstates the distance to the edge, so a far pixel can be settled without sampling.
using Shape = std::function<double(double x, double y)>;
// A paint gives the colour at a point of the unit square.
using Paint = std::function<Rgba(double x, double y)>;

// A square RGBA picture drawn in unit coordinates, so one drawing renders at any size.
// Edges are smoothed by sampling each pixel on a grid.
class Canvas {
public:
    explicit Canvas(int size);

    void fill(const Shape& shape, const Rgba& colour);
    void fill(const Shape& shape, const Paint& paint);

    [[nodiscard]] int size() const { return m_size; }
    [[nodiscard]] const Rgba& pixel(int x, int y) const { return m_pixels[y * m_size + x]; }
    // Rows top to bottom, four bytes a pixel in the order red, green, blue, alpha.
    [[nodiscard]] std::vector<std::uint8_t> rgba8() const;

private:
    [[nodiscard]] double coverageAt(const Shape& shape, int x, int y, double centreDistance) const;
    void blend(Rgba& under, const Rgba& over, double coverage) const;

    int m_size;
    int m_grid;
    std::vector<Rgba> m_pixels;
};

namespace shapes {
Shape circle(double cx, double cy, double radius);
Shape roundedBox(double left, double top, double right, double bottom, double radius);
Shape segment(double ax, double ay, double bx, double by, double halfWidth);
Shape polygon(std::vector<std::pair<double, double>> points);
Shape grown(Shape shape, double distance);
Shape unite(Shape a, Shape b);
Shape intersect(Shape a, Shape b);
} // namespace shapes

} // namespace assetgen
