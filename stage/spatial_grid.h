#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

namespace stage {

// A box of grid cells, inclusive; empty when the sprite has no opaque pixel.
struct CellRange {
    int left = 0, top = 0, right = -1, bottom = -1;

    [[nodiscard]] bool isEmpty() const { return right < left; }
    friend bool operator==(const CellRange&, const CellRange&) = default;
};

// A uniform grid over the drawing area and a margin around it, holding which sprites have opaque pixels in
// each cell, so a collision search looks only at nearby sprites. Places beyond the margin fall into the
// outermost cells, which keeps the grid small without losing any sprite.
template<typename Item> class SpatialGrid {
public:
    static constexpr int kCellSize = 64;

    SpatialGrid(int width, int height)
        : m_columns((std::max(width, 0) + 2 * kMargin) / kCellSize + 1)
        , m_rows((std::max(height, 0) + 2 * kMargin) / kCellSize + 1)
        , m_cells(static_cast<std::size_t>(m_columns) * m_rows)
    { }

    // The cells touched by the half-open box [x0, x1) x [y0, y1) of stage coordinates.
    [[nodiscard]] CellRange cellsOf(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1) const
    {
        if (x1 <= x0 || y1 <= y0)
            return {};
        return {column(x0), row(y0), column(x1 - 1), row(y1 - 1)};
    }

    void insert(Item item, const CellRange& range)
    {
        forCells(range, [&](std::vector<Item>& cell) { cell.push_back(item); });
    }

    void remove(Item item, const CellRange& range)
    {
        forCells(range, [&](std::vector<Item>& cell) {
            for (auto& held : cell) {
                if (held == item) {
                    held = cell.back();
                    cell.pop_back();
                    return;
                }
            }
        });
    }

    // Calls f for every item of the cells in range; an item in several cells comes several times.
    template<typename F> void forEach(const CellRange& range, F f) const
    {
        for (int r = range.top; r <= range.bottom; ++r)
            for (int c = range.left; c <= range.right; ++c)
                for (const Item& item : m_cells[static_cast<std::size_t>(r) * m_columns + c])
                    f(item);
    }

private:
    static constexpr int kMargin = 2 * kCellSize;

    [[nodiscard]] int column(std::int64_t x) const { return cellIndex(x, m_columns); }
    [[nodiscard]] int row(std::int64_t y) const { return cellIndex(y, m_rows); }
    static int cellIndex(std::int64_t v, int count)
    {
        const std::int64_t shifted = v + kMargin;
        if (shifted < 0)
            return 0;
        return static_cast<int>(std::min<std::int64_t>(shifted / kCellSize, count - 1));
    }

    template<typename F> void forCells(const CellRange& range, F f)
    {
        for (int r = range.top; r <= range.bottom; ++r)
            for (int c = range.left; c <= range.right; ++c)
                f(m_cells[static_cast<std::size_t>(r) * m_columns + c]);
    }

    int m_columns;
    int m_rows;
    std::vector<std::vector<Item>> m_cells;
};

} // namespace stage
