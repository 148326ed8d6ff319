// The skinned frame's own costs on one large top-level window (skinned
// phase only): repainting the frame with nothing pending, and repainting
// it when the window region has to be rebuilt.
#pragma once

namespace vdk::bench {

struct FrameCost {
  bool framed = false;        // the window got the skin's frame
  int width = 0, height = 0;  // its outer size
  double repaint = 0;         // median WM_NCPAINT with nothing pending (ms)
  double rebuild = 0;         // median WM_NCPAINT that rebuilt the region (ms)
  int repaints = 0;           // repaints measured
  int rebuildsDuringRepaints = 0;  // region rebuilds those repaints caused (0 expected)
  int rebuilds = 0;           // rebuilds measured
};

// Measures a window of the given outer size with `count` repaints of each
// kind. Needs the skin library loaded with a skin attached.
FrameCost MeasureFrameCost(int width, int height, int count);

}  // namespace vdk::bench
