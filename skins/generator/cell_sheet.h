// The skin bitmap as a sheet of cells: the painter adds each cell it draws
// (identical cells are kept once), then the sheet packs them into rows of a
// fixed width and renders the bitmap, the space between cells in the key
// colour.
#pragma once

#include <vector>

#include "tools/tbxtool/raster.h"

namespace tebix::skins {

class CellSheet {
 public:
  // Returns the cell's number; an empty raster gives -1.
  int Add(const tbx::Raster& cell);

  struct Place {
    int x;
    int y;
    int width;
    int height;
  };
  // Lays the cells out in shelves `width` pixels wide, tallest first, one
  // pixel apart. Call once, after the last Add.
  void Pack(int width);
  Place At(int cell) const { return places_[static_cast<std::size_t>(cell)]; }
  tbx::Raster Render(tbx::Colour background) const;
  int size() const { return static_cast<int>(cells_.size()); }

 private:
  std::vector<tbx::Raster> cells_;
  std::vector<Place> places_;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace tebix::skins
