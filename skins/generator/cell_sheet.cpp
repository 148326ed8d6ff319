#include "skins/generator/cell_sheet.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

namespace tebix::skins {

int CellSheet::Add(const tbx::Raster& cell) {
  if (cell.width() == 0 || cell.height() == 0) return -1;
  for (std::size_t i = 0; i < cells_.size(); ++i) {
    if (cells_[i] == cell) return static_cast<int>(i);
  }
  cells_.push_back(cell);
  return static_cast<int>(cells_.size() - 1);
}

void CellSheet::Pack(int width) {
  std::vector<std::size_t> order(cells_.size());
  std::iota(order.begin(), order.end(), 0);
  // Tallest first, then widest: shelves waste little height that way.
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    if (cells_[a].height() != cells_[b].height()) return cells_[a].height() > cells_[b].height();
    return cells_[a].width() > cells_[b].width();
  });
  places_.assign(cells_.size(), {});
  int x = 0, y = 0, shelf = 0;
  for (std::size_t i : order) {
    const tbx::Raster& cell = cells_[i];
    if (cell.width() > width) throw std::runtime_error("a cell is wider than the skin bitmap");
    if (x + cell.width() > width) {
      y += shelf + 1;
      x = 0;
      shelf = 0;
    }
    places_[i] = {x, y, cell.width(), cell.height()};
    x += cell.width() + 1;
    shelf = std::max(shelf, cell.height());
  }
  width_ = width;
  height_ = y + shelf;
}

tbx::Raster CellSheet::Render(tbx::Colour background) const {
  tbx::Raster sheet(width_, std::max(height_, 1), background);
  for (std::size_t i = 0; i < cells_.size(); ++i) {
    sheet.Copy(cells_[i], 0, 0, cells_[i].width(), cells_[i].height(), places_[i].x, places_[i].y);
  }
  return sheet;
}

}  // namespace tebix::skins
