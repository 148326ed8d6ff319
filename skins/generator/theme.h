// The handful of values a skin is drawn from: a few colours and sizes, read
// from a "name = value" text file (colours as #RRGGBB). Everything else the
// painter derives from them.
#pragma once

#include <string>
#include <string_view>

#include "tools/tbxtool/raster.h"

namespace tebix::skins {

using tbx::Colour;

struct Theme {
  // Colours.
  Colour window = tbx::Rgb(0xF3, 0xF5, 0xF8);         // form and control background
  Colour surface = tbx::Rgb(0xFF, 0xFF, 0xFF);        // button faces, menus, fields
  Colour surface_shade = tbx::Rgb(0xE8, 0xEC, 0xF1);  // lower end of face gradients, tracks
  Colour border = tbx::Rgb(0xA9, 0xB3, 0xC1);         // control outlines
  Colour text = tbx::Rgb(0x1C, 0x23, 0x2E);
  Colour muted_text = tbx::Rgb(0x5E, 0x67, 0x73);   // disabled text
  Colour accent = tbx::Rgb(0x2B, 0x64, 0xC8);       // selection, focus, caption
  Colour accent_text = tbx::Rgb(0xFF, 0xFF, 0xFF);  // text on the accent
  Colour caption_inactive = tbx::Rgb(0xDA, 0xDF, 0xE6);
  Colour caption_inactive_text = tbx::Rgb(0x45, 0x4D, 0x59);
  Colour danger = tbx::Rgb(0xD0, 0x36, 0x2F);  // close button under the pointer
  // Sizes in pixels.
  int caption_height = 28;
  int border_width = 4;
  int corner_radius = 6;   // window corners
  int control_radius = 3;  // button and field corners
  int scroll_size = 16;    // scroll bar width and arrow length
  int menu_item_height = 22;
  int glyph_size = 14;  // check boxes and radio buttons

  std::string name = "unnamed";
};

// Reads a theme file over the defaults above. Blank lines and lines starting
// with '#' are skipped. False, with `error` naming the line, for an unknown
// name, a malformed value or a size out of its sensible range.
bool ParseTheme(std::string_view text, Theme& theme, std::string& error);

}  // namespace tebix::skins
