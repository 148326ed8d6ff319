// What each entry of a skin's tables is for, as the library's renderers use
// them: labels for the preview, and the pairs of a text colour and the part
// (or background) it is drawn on, for the contrast report.
#pragma once

#include <string>
#include <vector>

namespace tebix::tbx {

// Empty for entries no renderer reads.
std::string PartUse(int index);
std::string ColourUse(int index);
std::string MetricUse(int index);
std::string OffsetPairUse(int index);
std::string RectangleUse(int index);

// A text colour and what it is drawn on: a skin part, or (part -1) the
// skin background of rectangle 0.
struct TextOnPart {
  int colour;
  int part;
};
const std::vector<TextOnPart>& TextPairs();

}  // namespace tebix::tbx
