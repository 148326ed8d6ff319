#include "skins/generator/skin_painter.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "skin/core/skin_tables.h"
#include "skins/generator/cell_sheet.h"
#include "skins/generator/shapes.h"
#include "tools/tbxtool/contrast.h"

namespace tebix::skins {
namespace {

using tbx::Mix;
using tbx::Rgb;

constexpr Colour kWhite = Rgb(255, 255, 255);
constexpr Colour kBlack = Rgb(0, 0, 0);

// One part before the sheet is packed: cell numbers instead of places.
struct PartPlan {
  int cell = -1;
  int glyph = -1;
  int left = 0, top = 0, right = 0, bottom = 0;
  int shift_x = 0, shift_y = 0;
  bool keyed = false;
};

// The colours every control family draws with, derived from the theme.
struct Palette {
  Colour face_top, face_bottom, face_border;
  Colour hot_top, hot_bottom, hot_border;
  Colour pressed_top, pressed_bottom, pressed_border;
  Colour focus_border, focus_ring;
  Colour disabled_face, disabled_border, disabled_glyph;
  Colour glyph;  // arrows and marks on faces
  Colour track, track_disabled, thumb, thumb_hot;
  Colour caption_top, caption_bottom, caption_outline, caption_edge;
  Colour inactive_top, inactive_bottom, inactive_outline, inactive_edge;
  Colour caption_glyph_dim;  // caption buttons of an inactive window, missing boxes
  Colour menu_outline, menu_highlight, menu_bar_hot, menu_bar_open;
  Colour separator;
};

Palette MakePalette(const Theme& t) {
  Palette p{};
  p.face_top = t.surface;
  p.face_bottom = t.surface_shade;
  p.face_border = t.border;
  p.hot_top = Mix(t.surface, t.accent, 0.08);
  p.hot_bottom = Mix(t.surface_shade, t.accent, 0.12);
  p.hot_border = Mix(t.border, t.accent, 0.6);
  p.pressed_top = Mix(t.surface_shade, t.accent, 0.22);
  p.pressed_bottom = Mix(t.surface_shade, t.accent, 0.16);
  p.pressed_border = t.accent;
  p.focus_border = t.accent;
  p.focus_ring = Mix(t.accent, t.surface, 0.55);
  p.disabled_face = Mix(t.window, t.surface, 0.5);
  p.disabled_border = Mix(t.border, t.window, 0.45);
  p.disabled_glyph = Mix(t.muted_text, t.window, 0.25);
  p.glyph = Mix(t.text, t.surface, 0.15);
  p.track = Mix(t.window, t.border, 0.16);
  p.track_disabled = Mix(t.window, t.border, 0.07);
  p.thumb = Mix(p.track, t.text, 0.30);
  p.thumb_hot = Mix(p.track, t.text, 0.45);
  p.caption_top = Mix(t.accent, kWhite, 0.04);
  p.caption_bottom = Mix(t.accent, kBlack, 0.08);
  p.caption_outline = Mix(t.accent, kBlack, 0.35);
  p.caption_edge = Mix(t.accent, kBlack, 0.18);
  p.inactive_top = Mix(t.caption_inactive, kWhite, 0.04);
  p.inactive_bottom = Mix(t.caption_inactive, kBlack, 0.04);
  p.inactive_outline = Mix(t.caption_inactive, t.caption_inactive_text, 0.45);
  p.inactive_edge = Mix(t.caption_inactive, t.caption_inactive_text, 0.18);
  p.caption_glyph_dim = Mix(t.accent, t.caption_inactive, 0.55);
  p.menu_outline = Mix(t.border, t.text, 0.15);
  p.menu_highlight = Mix(t.surface, t.accent, 0.18);
  p.menu_bar_hot = Mix(t.window, t.accent, 0.14);
  p.menu_bar_open = Mix(t.window, t.accent, 0.24);
  p.separator = Mix(t.border, t.surface, 0.35);
  return p;
}

struct FaceColours {
  Colour top, bottom, border;
  std::optional<Colour> ring;
};

// A bordered, rounded face with a vertical gradient; corners in the key
// colour, blended against `matte`.
Raster Face(int w, int h, double radius, const FaceColours& c, Colour matte) {
  Raster r(w, h, kKey);
  FillRoundRect(r, 0, 0, w, h, radius, Solid(c.border), matte);
  double inset = 1;
  if (c.ring) {
    FillRoundRect(r, 1, 1, w - 2, h - 2, std::max(radius - 1, 0.0), Solid(*c.ring), matte);
    inset = 2;
  }
  FillRoundRect(r, inset, inset, w - 2 * inset, h - 2 * inset, std::max(radius - inset, 0.0),
                Vertical(c.top, c.bottom, static_cast<int>(inset), h - static_cast<int>(inset) - 1), matte);
  return r;
}

// Turns every pixel of colour `c` into the key colour.
void KeyOut(Raster& r, Colour c) {
  for (int y = 0; y < r.height(); ++y) {
    for (int x = 0; x < r.width(); ++x) {
      if (r.At(x, y) == c) r.Set(x, y, kKey);
    }
  }
}

// Of the given colours, the one that stands out most on `fill`.
Colour Clearest(Colour fill, std::initializer_list<Colour> candidates) {
  Colour best = *candidates.begin();
  for (Colour c : candidates) {
    if (tbx::ContrastRatio(c, fill) > tbx::ContrastRatio(best, fill)) best = c;
  }
  return best;
}

enum class CaptionGlyph { kClose, kMaximize, kRestore, kMinimize, kHelp };

// A caption-button glyph in the s x s box at (x, y).
void DrawCaptionGlyph(Raster& r, CaptionGlyph g, double x, double y, double s, Colour c, Colour matte) {
  switch (g) {
    case CaptionGlyph::kClose:
      StrokeLine(r, {{x + 0.5, y + 0.5}, {x + s - 0.5, y + s - 0.5}}, 1.3, c, matte);
      StrokeLine(r, {{x + s - 0.5, y + 0.5}, {x + 0.5, y + s - 0.5}}, 1.3, c, matte);
      break;
    case CaptionGlyph::kMaximize:
      StrokeLine(r,
                 {{x + 0.5, y + 0.5},
                  {x + s - 0.5, y + 0.5},
                  {x + s - 0.5, y + s - 0.5},
                  {x + 0.5, y + s - 0.5},
                  {x + 0.5, y + 0.5}},
                 1.0, c, matte);
      StrokeLine(r, {{x + 0.5, y + 1.5}, {x + s - 0.5, y + 1.5}}, 1.0, c, matte);
      break;
    case CaptionGlyph::kRestore: {
      const double f = s - 3;  // the front window
      StrokeLine(r,
                 {{x + 0.5, y + 3.5},
                  {x + f - 0.5, y + 3.5},
                  {x + f - 0.5, y + s - 0.5},
                  {x + 0.5, y + s - 0.5},
                  {x + 0.5, y + 3.5}},
                 1.0, c, matte);
      StrokeLine(r,
                 {{x + 3.5, y + 3},
                  {x + 3.5, y + 0.5},
                  {x + s - 0.5, y + 0.5},
                  {x + s - 0.5, y + f - 0.5},
                  {x + f, y + f - 0.5}},
                 1.0, c, matte);
      break;
    }
    case CaptionGlyph::kMinimize:
      StrokeLine(r, {{x + 0.5, y + s - 1.5}, {x + s - 0.5, y + s - 1.5}}, 1.0, c, matte);
      break;
    case CaptionGlyph::kHelp: {
      auto at = [&](double u, double v) { return Point{x + u * s, y + v * s}; };
      StrokeLine(r,
                 {at(0.22, 0.32), at(0.3, 0.12), at(0.5, 0.04), at(0.7, 0.12), at(0.78, 0.3), at(0.68, 0.46),
                  at(0.5, 0.56), at(0.5, 0.72)},
                 1.3, c, matte);
      FillCircle(r, x + 0.5 * s, y + 0.93 * s, 0.9, Solid(c), matte);
      break;
    }
  }
}

class Painter {
 public:
  explicit Painter(const Theme& theme) : t_(theme), p_(MakePalette(theme)) {}

  tbx::SkinSource Paint();

 private:
  // Registers a cell as part `index` with the given nine-grid margins.
  PartPlan& Set(int index, const Raster& cell, int l, int t, int r, int b) {
    PartPlan& plan = parts_[static_cast<std::size_t>(index)];
    plan = {};
    plan.cell = sheet_.Add(cell);
    plan.left = l, plan.top = t, plan.right = r, plan.bottom = b;
    plan.keyed = UsesKey(cell);
    return plan;
  }
  PartPlan& SetWithGlyph(int index, const Raster& cell, int margin, const Raster& glyph) {
    PartPlan& plan = Set(index, cell, margin, margin, margin, margin);
    plan.glyph = sheet_.Add(glyph);
    return plan;
  }

  FaceColours Normal() const { return {p_.face_top, p_.face_bottom, p_.face_border, {}}; }
  FaceColours Hot() const { return {p_.hot_top, p_.hot_bottom, p_.hot_border, {}}; }
  FaceColours Pressed() const { return {p_.pressed_top, p_.pressed_bottom, p_.pressed_border, {}}; }
  FaceColours Focused() const { return {p_.face_top, p_.face_bottom, p_.focus_border, p_.focus_ring}; }
  FaceColours Disabled() const { return {p_.disabled_face, p_.disabled_face, p_.disabled_border, {}}; }

  void Frames();
  void FrameSet(int first, int caption_height, int radius, Colour top, Colour bottom, Colour outline,
                Colour edge, bool square);
  void CaptionButtons(int first, int w, int h, double glyph, bool all_kinds);
  void Menus();
  void Buttons();
  void CheckAndRadio();
  void Groups();
  void ToolAndStatusBars();
  void ScrollBars();
  void Headers();
  void Progress();
  void Tabs();
  void UpDown();
  void DropButtons();
  void Trackbars();
  void Calendar();
  void Tables(tbx::SkinSource& skin) const;

  const Theme& t_;
  const Palette p_;
  CellSheet sheet_;
  std::array<PartPlan, kPartCapacity> parts_{};
  int background_cell_ = -1;
};

// ---- window frames (parts 0..47) --------------------------------------------------------------

void Painter::FrameSet(int first, int caption_height, int radius, Colour top, Colour bottom, Colour outline,
                       Colour edge, bool square) {
  const int bw = t_.border_width;
  const int side = std::max(radius + 2, bw + 2);  // fixed columns at both ends of caption and bottom
  const int w = 2 * side + 8;
  // Caption (or top border): rounded top corners in the key colour, which
  // the window region cuts away. No blending at the cut: what lies behind a
  // window is unknown.
  Raster caption(w, caption_height, kKey);
  const double r = square ? 0 : radius;
  FillRoundRect(caption, 0, 0, w, caption_height + r + 1, r, Solid(outline), kKey);
  FillRoundRect(caption, 1, 1, w - 2, caption_height + r, std::max(r - 1, 0.0),
                Vertical(top, bottom, 1, caption_height - 1), kKey);
  if (caption_height > 2 * bw) caption.Fill(side, 1, w - 2 * side, 1, Mix(top, kWhite, 0.12));
  Set(first, caption, side, 0, side, 0);

  Raster left(bw, 8, bottom);
  left.Fill(0, 0, 1, 8, outline);
  left.Fill(bw - 1, 0, 1, 8, edge);
  Set(first + 2, left, 0, 0, 0, 0);
  Set(first + 4, left.FlippedHorizontally(), 0, 0, 0, 0);

  Raster base(w, bw, kKey);
  const double br = square ? 0 : std::min(3, bw);
  FillRoundRect(base, 0, -br - 1, w, bw + br + 1, br, Solid(outline), kKey);
  FillRoundRect(base, 1, -br - 1, w - 2, bw + br, std::max(br - 1, 0.0), Solid(bottom), kKey);
  base.Fill(bw - 1, 0, w - 2 * (bw - 1), 1, edge);
  Set(first + 6, base, side, 0, side, 0);
}

void Painter::CaptionButtons(int first, int w, int h, double glyph, bool all_kinds) {
  // Four states of each button: normal, hot, pressed, inactive (or a
  // missing box). Backgrounds stay in the key colour so the caption shows.
  const CaptionGlyph kinds[] = {CaptionGlyph::kClose, CaptionGlyph::kMaximize, CaptionGlyph::kRestore,
                                CaptionGlyph::kMinimize, CaptionGlyph::kHelp};
  const int count = all_kinds ? 5 : 1;
  for (int k = 0; k < count; ++k) {
    const bool close = kinds[k] == CaptionGlyph::kClose;
    const Colour hover = close ? t_.danger : Mix(p_.caption_bottom, kWhite, 0.22);
    const Colour press = close ? Mix(t_.danger, kBlack, 0.22) : Mix(p_.caption_bottom, kBlack, 0.25);
    const Colour fills[4] = {kKey, hover, press, kKey};
    const Colour mattes[4] = {p_.caption_bottom, hover, press, t_.caption_inactive};
    const Colour glyphs[4] = {t_.accent_text, Clearest(hover, {t_.accent_text, kWhite, t_.text}),
                              Clearest(press, {t_.accent_text, kWhite, t_.text}), p_.caption_glyph_dim};
    for (int s = 0; s < 4; ++s) {
      Raster cell(w, h, kKey);
      if (fills[s] != kKey) FillRoundRect(cell, 0, 0, w, h, 3, Solid(fills[s]), p_.caption_bottom);
      const double gx = std::floor((w - glyph) / 2), gy = std::floor((h - glyph) / 2);
      DrawCaptionGlyph(cell, kinds[k], gx, gy, glyph, glyphs[s], mattes[s]);
      Set(first + 4 * k + s, cell, 0, 0, 0, 0);
    }
  }
}

void Painter::Frames() {
  const int ch = t_.caption_height;
  const int tool = ch - 6;
  // Normal frame: parts 0..7 (active at even, inactive at odd indices),
  // caption buttons 8..27.
  FrameSet(0, ch, t_.corner_radius, p_.caption_top, p_.caption_bottom, p_.caption_outline, p_.caption_edge,
           false);
  FrameSet(1, ch, t_.corner_radius, p_.inactive_top, p_.inactive_bottom, p_.inactive_outline,
           p_.inactive_edge, false);
  CaptionButtons(8, 28, ch - 8, 10, true);
  // Tool frame: 28..35, its close button 36..39.
  FrameSet(28, tool, std::max(t_.corner_radius - 2, 0), p_.caption_top, p_.caption_bottom, p_.caption_outline,
           p_.caption_edge, false);
  FrameSet(29, tool, std::max(t_.corner_radius - 2, 0), p_.inactive_top, p_.inactive_bottom,
           p_.inactive_outline, p_.inactive_edge, false);
  CaptionButtons(36, 22, tool - 6, 8, false);
  // Border-only frame: 40..47, the "caption" is the top border.
  FrameSet(40, t_.border_width, 0, p_.caption_bottom, p_.caption_bottom, p_.caption_outline, p_.caption_edge,
           true);
  FrameSet(41, t_.border_width, 0, p_.inactive_bottom, p_.inactive_bottom, p_.inactive_outline,
           p_.inactive_edge, true);
}

// ---- menus (48..68) ----------------------------------------------------------------------------

void Painter::Menus() {
  const int row = t_.menu_item_height;
  Raster bar(8, row, t_.window);
  bar.Fill(0, row - 1, 8, 1, Mix(t_.border, t_.window, 0.5));
  Set(48, bar, 0, 0, 0, 1);
  auto pill = [&](Colour fill) {
    Raster cell(16, row - 2, kKey);
    FillRoundRect(cell, 0, 0, 16, row - 2, 3, Solid(fill), t_.window);
    return cell;
  };
  Set(50, pill(p_.menu_bar_hot), 4, 4, 4, 4);
  Set(51, pill(p_.menu_bar_open), 4, 4, 4, 4);
  // The buttons of a maximised child window in the bar: close 53..55,
  // restore 57..59, minimize 61..63 (normal, hot, open).
  const CaptionGlyph kinds[] = {CaptionGlyph::kClose, CaptionGlyph::kRestore, CaptionGlyph::kMinimize};
  for (int k = 0; k < 3; ++k) {
    const Colour fills[3] = {kKey, p_.menu_bar_hot, p_.menu_bar_open};
    for (int s = 0; s < 3; ++s) {
      Raster cell(18, 16, kKey);
      if (fills[s] != kKey) FillRoundRect(cell, 0, 0, 18, 16, 3, Solid(fills[s]), t_.window);
      DrawCaptionGlyph(cell, kinds[k], 5, 4, 8, t_.text, fills[s] == kKey ? t_.window : fills[s]);
      Set(53 + 4 * k + s, cell, 0, 0, 0, 0);
    }
  }
  // Popup background with its outline; rounded corners cut by the region.
  Raster popup(24, 24, kKey);
  FillRoundRect(popup, 0, 0, 24, 24, 4, Solid(p_.menu_outline), kKey);
  FillRoundRect(popup, 1, 1, 22, 22, 3, Solid(t_.surface), kKey);
  Set(65, popup, 5, 5, 5, 5);
  Raster separator(12, 7, kKey);
  separator.Fill(4, 3, 4, 1, p_.separator);
  Set(66, separator, 4, 0, 4, 0);
  Raster highlight(16, row, kKey);
  FillRoundRect(highlight, 2, 1, 12, row - 2, 3, Solid(p_.menu_highlight), t_.surface);
  Set(68, highlight, 6, 4, 6, 4);
}

// ---- buttons (71..104) -------------------------------------------------------------------------

void Painter::Buttons() {
  const double r = t_.control_radius;
  const int m = t_.control_radius + 2;
  Set(71, Face(16, 24, r, Normal(), t_.window), m, m, m, m);
  Set(72, Face(16, 24, r, Hot(), t_.window), m, m, m, m);
  Set(73, Face(16, 24, r, Focused(), t_.window), m, m, m, m);
  Set(74, Face(16, 24, r, Pressed(), t_.window), m, m, m, m);
  Set(75, Face(16, 24, r, Disabled(), t_.window), m, m, m, m);
}

void Painter::CheckAndRadio() {
  const int g = t_.glyph_size;
  const double u = g / 14.0;  // marks are drawn for 14 pixels and scaled
  // State order within a row: normal, hot, pressed, focused, disabled.
  const FaceColours off[5] = {{t_.surface, t_.surface, p_.face_border, {}},
                              {p_.hot_top, p_.hot_top, p_.hot_border, {}},
                              {p_.pressed_top, p_.pressed_top, p_.pressed_border, {}},
                              {t_.surface, t_.surface, p_.focus_border, p_.focus_ring},
                              {p_.disabled_face, p_.disabled_face, p_.disabled_border, {}}};
  const Colour on_fill[5] = {t_.accent, Mix(t_.accent, kWhite, 0.15), Mix(t_.accent, kBlack, 0.2), t_.accent,
                             p_.disabled_border};
  const Colour on_border[5] = {t_.accent, Mix(t_.accent, kWhite, 0.15), Mix(t_.accent, kBlack, 0.2),
                               Mix(t_.accent, kBlack, 0.3), p_.disabled_border};
  const Colour mark[5] = {t_.accent_text, t_.accent_text, t_.accent_text, t_.accent_text, p_.disabled_face};
  for (int s = 0; s < 5; ++s) {
    // Check box: unchecked 76.., checked 81.., indeterminate 86..
    Set(76 + s, Face(g, g, 3 * u, off[s], t_.window), 0, 0, 0, 0);
    Raster checked = Face(g, g, 3 * u, {on_fill[s], on_fill[s], on_border[s], {}}, t_.window);
    StrokeLine(checked, {{3.4 * u, 7.2 * u}, {5.9 * u, 9.8 * u}, {10.6 * u, 4.4 * u}}, 1.8 * u, mark[s],
               on_fill[s]);
    Set(81 + s, checked, 0, 0, 0, 0);
    Raster mixed = Face(g, g, 3 * u, {on_fill[s], on_fill[s], on_border[s], {}}, t_.window);
    StrokeLine(mixed, {{4 * u, g / 2.0}, {g - 4 * u, g / 2.0}}, 2 * u, mark[s], on_fill[s]);
    Set(86 + s, mixed, 0, 0, 0, 0);
    // Radio: unchecked 91.., checked 96..
    Raster radio(g, g, kKey);
    FillCircle(radio, g / 2.0, g / 2.0, g / 2.0, Solid(off[s].border), t_.window);
    double inner = g / 2.0 - 1;
    if (off[s].ring) {
      FillCircle(radio, g / 2.0, g / 2.0, inner, Solid(*off[s].ring), t_.window);
      inner -= 1;
    }
    FillCircle(radio, g / 2.0, g / 2.0, inner, Solid(off[s].top), t_.window);
    Set(91 + s, radio, 0, 0, 0, 0);
    Raster dot(g, g, kKey);
    FillCircle(dot, g / 2.0, g / 2.0, g / 2.0, Solid(on_border[s]), t_.window);
    FillCircle(dot, g / 2.0, g / 2.0, g / 2.0 - 1, Solid(on_fill[s]), t_.window);
    FillCircle(dot, g / 2.0, g / 2.0, g * 0.19, Solid(mark[s]), on_fill[s]);
    Set(96 + s, dot, 0, 0, 0, 0);
  }
}

void Painter::Groups() {
  // Group frame (101 enabled, 102 disabled): a rounded outline, hollow.
  for (int s = 0; s < 2; ++s) {
    Raster frame(16, 16, kKey);
    const Colour line = s == 0 ? t_.border : p_.disabled_border;
    FillRoundRect(frame, 0, 0, 16, 16, 4, Solid(line), t_.window);
    FillRoundRect(frame, 1, 1, 14, 14, 3, Solid(t_.window), t_.window);
    KeyOut(frame, t_.window);  // hollow: the group's inside shows through
    Set(101 + s, frame, 6, 6, 6, 6);
    // Caption background (103, 104): a soft pill behind the group's title.
    Raster pill(12, 18, kKey);
    FillRoundRect(pill, 0, 0, 12, 18, 4, Solid(Mix(t_.window, t_.border, s == 0 ? 0.2 : 0.1)), t_.window);
    Set(103 + s, pill, 5, 5, 5, 5);
  }
}

// ---- toolbars and status bars (106..113, 149, 266) --------------------------------------------

void Painter::ToolAndStatusBars() {
  const double r = t_.control_radius;
  const int m = t_.control_radius + 2;
  Set(106, Face(16, 22, r, Normal(), t_.window), m, m, m, m);
  Set(107, Face(16, 22, r, Hot(), t_.window), m, m, m, m);
  Set(108, Face(16, 22, r, Pressed(), t_.window), m, m, m, m);
  Set(109, Face(16, 22, r, Disabled(), t_.window), m, m, m, m);
  Raster separator(5, 16, kKey);
  separator.Fill(2, 3, 1, 10, p_.separator);
  Set(111, separator, 0, 3, 0, 3);
  Raster bar(8, 24);
  for (int y = 0; y < 24; ++y) bar.Fill(0, y, 8, 1, Mix(t_.surface, t_.surface_shade, y / 23.0));
  bar.Fill(0, 23, 8, 1, Mix(t_.border, t_.window, 0.3));
  Set(266, bar, 0, 1, 0, 1);

  Raster status(8, 22, Mix(t_.window, t_.surface_shade, 0.5));
  status.Fill(0, 0, 8, 1, Mix(t_.border, t_.window, 0.3));
  Set(112, status, 0, 1, 0, 1);
  Raster divider(3, 12, kKey);
  divider.Fill(1, 3, 1, 6, p_.separator);
  Set(113, divider, 0, 3, 0, 3);
  Raster grip(12, 12, kKey);
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j <= i; ++j) grip.Fill(9 - 3 * j, 3 + 3 * i, 2, 2, Mix(t_.border, t_.text, 0.2));
  }
  Set(149, grip, 0, 0, 0, 0);
}

// ---- scroll bars (116..146) -------------------------------------------------------------------

void Painter::ScrollBars() {
  const int s = t_.scroll_size;
  // Arrow faces: flat on the track, a rounded fill when hot or pressed.
  const Colour fills[4] = {p_.track, Mix(p_.track, t_.border, 0.5), t_.accent, p_.track_disabled};
  const Colour marks[4] = {p_.glyph, t_.text, t_.accent_text, p_.disabled_glyph};
  const Chevron directions[4] = {Chevron::kUp, Chevron::kDown, Chevron::kLeft, Chevron::kRight};
  const int gw = std::max(7, s / 2), gh = (gw + 1) / 2;
  for (int d = 0; d < 4; ++d) {
    const bool vertical = d < 2;
    for (int state = 0; state < 4; ++state) {
      const Colour under = state == 3 ? p_.track_disabled : p_.track;
      Raster face(s, s, under);
      if (state == 1 || state == 2) FillRoundRect(face, 1, 1, s - 2, s - 2, 3, Solid(fills[state]), under);
      Raster glyph(vertical ? gw : gh, vertical ? gh : gw, kKey);
      DrawChevron(glyph, 0, 0, glyph.width(), glyph.height(), directions[d], 1.5, marks[state], fills[state]);
      SetWithGlyph(116 + 4 * d + state, face, 4, glyph);
    }
  }
  // Tracks: 132 vertical, 135 its disabled look; 136, 139 horizontal.
  Set(132, Raster(s, 8, p_.track), 0, 0, 0, 0);
  Set(135, Raster(s, 8, p_.track_disabled), 0, 0, 0, 0);
  Set(136, Raster(8, s, p_.track), 0, 0, 0, 0);
  Set(139, Raster(8, s, p_.track_disabled), 0, 0, 0, 0);
  // Thumbs: a pill inset from the track's sides; its ends keep their shape.
  const Colour thumbs[3] = {p_.thumb, p_.thumb_hot, t_.accent};
  const int inset = std::max(3, s / 5);
  const int end = (s - 2 * inset) / 2 + 2;
  for (int state = 0; state < 3; ++state) {
    Raster thumb(s, 2 * end + 4, kKey);
    FillRoundRect(thumb, inset, 1, s - 2 * inset, thumb.height() - 2, (s - 2 * inset) / 2.0,
                  Solid(thumbs[state]), p_.track);
    Set(140 + state, thumb, 0, end, 0, end);
    Set(144 + state, thumb.RotatedClockwise(), end, 0, end, 0);
  }
}

// ---- headers (150..152) ------------------------------------------------------------------------

void Painter::Headers() {
  const Colour tops[3] = {t_.surface, p_.hot_top, p_.pressed_top};
  const Colour bottoms[3] = {t_.surface_shade, p_.hot_bottom, p_.pressed_bottom};
  for (int s = 0; s < 3; ++s) {
    Raster cell(12, 24);
    for (int y = 0; y < 24; ++y) cell.Fill(0, y, 12, 1, Mix(tops[s], bottoms[s], y / 23.0));
    cell.Fill(11, 4, 1, 16, p_.separator);
    cell.Fill(0, 23, 12, 1, t_.border);
    Set(150 + s, cell, 1, 4, 2, 4);
  }
}

// ---- progress bars (154..163) -----------------------------------------------------------------

void Painter::Progress() {
  for (int s = 0; s < 2; ++s) {
    const bool on = s == 0;
    Raster track(16, 14, kKey);
    FillRoundRect(track, 0, 0, 16, 14, 3, Solid(on ? t_.border : p_.disabled_border), t_.window);
    FillRoundRect(track, 1, 1, 14, 12, 2, Solid(on ? p_.track : p_.track_disabled), t_.window);
    const Colour fill_top = on ? Mix(t_.accent, kWhite, 0.18) : p_.disabled_border;
    const Colour fill_bottom = on ? t_.accent : p_.disabled_border;
    Raster fill(12, 10, kKey);
    FillRoundRect(fill, 0, 0, 12, 10, 2, Vertical(fill_top, fill_bottom, 0, 9),
                  on ? p_.track : p_.track_disabled);
    Set(154 + s, track, 2, 2, 2, 2);
    Set(156 + s, fill, 3, 3, 3, 3);
    Set(160 + s, track.RotatedAnticlockwise(), 2, 2, 2, 2);
    Set(162 + s, fill.RotatedAnticlockwise(), 3, 3, 3, 3);
  }
}

// ---- tabs (166..186) ---------------------------------------------------------------------------

void Painter::Tabs() {
  // Drawn for tabs above the pane, then mirrored and turned for the other
  // three sides. Normal 0, selected 2, disabled 4 within each group of five.
  const int w = 16, h = 22, r = 4;
  auto tab = [&](Colour fill_top, Colour fill_bottom, Colour line, bool selected) {
    Raster cell(w, h, kKey);
    FillRoundRect(cell, 0, 0, w, h + r, r, Solid(line), t_.window);
    const Shader gradient = Vertical(fill_top, fill_bottom, 1, h - 1);
    // The selected tab carries an accent strip along its outer edge.
    const Shader fill = [&](int x, int y) { return selected && y < 3 ? t_.accent : gradient(x, y); };
    FillRoundRect(cell, 1, 1, w - 2, h + r, r - 1, fill, t_.window);
    if (!selected) cell.Fill(0, h - 1, w, 1, line);
    return cell;
  };
  const Raster normal =
      tab(Mix(t_.window, t_.surface, 0.6), Mix(t_.window, t_.surface_shade, 0.6), t_.border, false);
  const Raster selected = tab(t_.surface, t_.surface, t_.border, true);
  const Raster disabled = tab(p_.disabled_face, p_.disabled_face, p_.disabled_border, false);
  const Raster* cells[3] = {&normal, &selected, &disabled};
  for (int s = 0; s < 3; ++s) {
    const Raster& c = *cells[s];
    Set(166 + 2 * s, c, r + 1, r + 1, r + 1, 2);
    Set(171 + 2 * s, c.FlippedVertically(), r + 1, 2, r + 1, r + 1);
    Set(176 + 2 * s, c.RotatedAnticlockwise(), r + 1, r + 1, 2, r + 1);
    Set(181 + 2 * s, c.RotatedClockwise(), 2, r + 1, r + 1, r + 1);
  }
  Raster pane(16, 16, t_.surface);
  pane.Fill(0, 0, 16, 1, t_.border);
  pane.Fill(0, 15, 16, 1, t_.border);
  pane.Fill(0, 0, 1, 16, t_.border);
  pane.Fill(15, 0, 1, 16, t_.border);
  Set(186, pane, 2, 2, 2, 2);
}

// ---- up-down buttons (194..209) ---------------------------------------------------------------

void Painter::UpDown() {
  const FaceColours faces[4] = {Normal(), Hot(), Pressed(), Disabled()};
  const Chevron directions[4] = {Chevron::kUp, Chevron::kDown, Chevron::kLeft, Chevron::kRight};
  for (int d = 0; d < 4; ++d) {
    const bool vertical = d < 2;
    for (int s = 0; s < 4; ++s) {
      const Raster face = Face(12, 12, 2, faces[s], t_.window);
      Raster glyph(vertical ? 7 : 4, vertical ? 4 : 7, kKey);
      const Colour mark = s == 3 ? p_.disabled_glyph : s == 2 ? t_.text : p_.glyph;
      DrawChevron(glyph, 0, 0, glyph.width(), glyph.height(), directions[d], 1.4, mark, faces[s].top);
      SetWithGlyph(194 + 4 * d + s, face, 3, glyph);
    }
  }
}

// ---- drop buttons of combos, data combos and date pickers (214..265) --------------------------

void Painter::DropButtons() {
  // Inside the field: the field's colour, a separator on the left and a
  // chevron. Pressed tints it, disabled fades it.
  const Colour fills[3] = {t_.surface, Mix(t_.surface, t_.accent, 0.2), Mix(t_.window, t_.surface, 0.5)};
  const Colour marks[3] = {p_.glyph, t_.text, p_.disabled_glyph};
  Raster faces[3];
  Raster glyphs[3];
  for (int s = 0; s < 3; ++s) {
    faces[s] = Raster(16, 16, fills[s]);
    faces[s].Fill(0, 3, 1, 10, p_.separator);
    glyphs[s] = Raster(8, 5, kKey);
    DrawChevron(glyphs[s], 0, 0, 8, 5, Chevron::kDown, 1.5, marks[s], fills[s]);
  }
  auto set = [&](int index, int state) {
    PartPlan& plan = SetWithGlyph(index, faces[state], 3, glyphs[state]);
    plan.top = plan.bottom = 3;
    plan.left = 1;
  };
  set(214, 0);  // combo box and data combo: normal, pressed, disabled
  set(217, 1);
  set(218, 2);
  set(261, 0);  // date picker: normal, pressed, disabled
  set(264, 1);
  set(265, 2);
}

// ---- trackbars (219..252) ---------------------------------------------------------------------

void Painter::Trackbars() {
  const int w = 11, h = 20;
  // State order: normal, hot, pressed, disabled, focused.
  const FaceColours faces[5] = {
      Normal(), Hot(), Pressed(), Disabled(), {p_.face_top, p_.face_bottom, p_.focus_border, {}}};
  auto thumb = [&](int state, bool pointed) {
    Raster cell(w, h, kKey);
    const FaceColours& c = faces[state];
    if (!pointed) return Face(w, h, 3, c, t_.window);
    // Pointing up: a house shape, outline then fill one pixel inside.
    FillPolygon(cell, {{0, 5.5}, {w / 2.0, 0}, {double(w), 5.5}, {double(w), double(h)}, {0, double(h)}},
                Solid(c.border), t_.window);
    FillPolygon(cell, {{1, 6}, {w / 2.0, 1.4}, {w - 1.0, 6}, {w - 1.0, h - 1.0}, {1, h - 1.0}},
                Vertical(c.top, c.bottom, 1, h - 2), t_.window);
    return cell;
  };
  // Normal, hot, pressed and disabled go to slots 0, 1, 3 and 4 of each
  // group of five; slot 2 (focused) is drawn only for the left-pointing one.
  const int slots[4] = {0, 1, 3, 4};
  for (int s = 0; s < 4; ++s) {
    const int slot = slots[s];
    const Raster both = thumb(s, false);
    const Raster up = thumb(s, true);
    const Raster down = up.FlippedVertically();
    Set(219 + slot, both, 0, 4, 0, 4);
    Set(224 + slot, up, 0, 7, 0, 3);
    Set(229 + slot, down, 0, 3, 0, 7);
    Set(234 + slot, both.RotatedClockwise(), 4, 0, 4, 0);
    Set(244 + slot, up.RotatedClockwise(), 3, 0, 7, 0);  // pointing right
  }
  // Vertical thumb pointing left: normal, hot, focused, pressed, disabled.
  const int left_states[5] = {0, 1, 4, 2, 3};
  for (int i = 0; i < 5; ++i) Set(239 + i, thumb(left_states[i], true).RotatedAnticlockwise(), 7, 0, 3, 0);
  // Channels: 249, 250 vertical; 251, 252 horizontal (enabled, disabled).
  for (int s = 0; s < 2; ++s) {
    Raster channel(12, 4, kKey);
    FillRoundRect(channel, 0, 0, 12, 4, 2,
                  Solid(s == 0 ? Mix(t_.border, t_.window, 0.2) : p_.disabled_border), t_.window);
    Set(251 + s, channel, 2, 1, 2, 1);
    Set(249 + s, channel.RotatedClockwise(), 1, 2, 1, 2);
  }
}

// ---- month calendar title buttons (253..260) --------------------------------------------------

void Painter::Calendar() {
  const Colour title = t_.accent;
  const Colour title_off = Mix(t_.window, t_.border, 0.5);
  for (int d = 0; d < 2; ++d) {
    const Chevron direction = d == 0 ? Chevron::kLeft : Chevron::kRight;
    // normal, hot, pressed, disabled
    const Colour fills[4] = {kKey, Mix(title, kWhite, 0.2), Mix(title, kBlack, 0.22), kKey};
    const Colour under[4] = {title, fills[1], fills[2], title_off};
    for (int s = 0; s < 4; ++s) {
      Raster face(16, 16, kKey);
      if (fills[s] != kKey) FillRoundRect(face, 0, 0, 16, 16, 3, Solid(fills[s]), title);
      Raster glyph(5, 9, kKey);
      DrawChevron(glyph, 0, 0, 5, 9, direction, 1.5,
                  s == 3 ? Mix(t_.muted_text, title_off, 0.2) : t_.accent_text, under[s]);
      SetWithGlyph(253 + 4 * d + s, face, 4, glyph);
    }
  }
}

// ---- tables ------------------------------------------------------------------------------------

void Painter::Tables(tbx::SkinSource& skin) const {
  const Colour text = t_.text, muted = t_.muted_text;
  std::array<Colour, kColourCapacity> c{};
  c.fill(text);
  // Captions of check boxes (0..4), push buttons (5..9), radio buttons
  // (10..14): normal, then three unused states, then disabled.
  for (int base : {0, 5, 10}) c[static_cast<std::size_t>(base + 4)] = muted;
  // Client-edge border: line and fill for normal, state 1, focused, disabled.
  c[15] = t_.border, c[16] = t_.surface;
  c[17] = t_.border, c[18] = t_.surface;
  c[19] = t_.accent, c[20] = t_.surface;
  c[21] = p_.disabled_border, c[22] = Mix(t_.window, t_.surface, 0.5);
  c[23] = t_.border;
  // Caption text: normal frame active, inactive; tool frame active, inactive.
  c[24] = t_.accent_text, c[25] = t_.caption_inactive_text;
  c[26] = t_.accent_text, c[27] = t_.caption_inactive_text;
  // Group boxes: caption enabled, disabled; line enabled, disabled.
  c[28] = text, c[29] = muted, c[30] = t_.border, c[31] = p_.disabled_border;
  // Header text 32..34; menus 36, 37 (highlighted), 39 (disabled);
  // menu bar 40..42.
  c[39] = muted;
  // Month calendar title: enabled, disabled.
  c[44] = t_.accent, c[45] = Mix(t_.window, t_.border, 0.5);
  // Toolbar text: normal 53, hot 54, pressed 55, disabled 56.
  c[56] = muted;
  // What controls paint themselves on the skin background: enabled, disabled.
  c[62] = muted;
  skin.colours.assign(c.begin(), c.end());
  for (auto& colour : skin.colours) colour &= 0x00FFFFFF;

  const int s = t_.scroll_size;
  skin.metrics.assign(kMetricCapacity, 0);
  auto& m = skin.metrics;
  m[1] = 0;                     // help button at the maximize place without boxes
  m[4] = 1;                     // group frames from parts 101/102
  m[5] = m[6] = 6;              // rounding of the plain group line
  m[7] = t_.menu_item_height;   // menu item
  m[8] = 7;                     // menu separator
  m[9] = 6;                     // submenu arrow from the item's right edge
  m[10] = 8;                    // check mark x
  m[11] = 28;                   // menu text x
  m[13] = t_.menu_item_height;  // menu bar row
  m[14] = m[15] = m[17] = m[18] = s;
  m[16] = m[19] = s + 4;  // shortest thumbs
  m[20] = 0;              // combo buttons keep their own size
  m[21] = 0;              // date picker button inside the frame
  m[22] = m[23] = 0;      // square client edges

  const int ch = t_.caption_height, bw = t_.border_width;
  const int button_w = 28, button_h = ch - 8;
  const int top = (ch - button_h) / 2;
  skin.offset_pairs.assign(kOffsetPairCapacity, {0, 0});
  auto& o = skin.offset_pairs;
  o[0] = {-(bw + 2 + button_w), top};      // close
  o[1] = {-(bw + 2 + 2 * button_w), top};  // maximize
  o[2] = {-(bw + 2 + 3 * button_w), top};  // minimize
  o[3] = {-(bw + 2 + 4 * button_w), top};  // help
  o[4] = {bw + 6, (ch - 16) / 2};          // icon
  o[5] = {16, 16};                         // icon size
  o[6] = {6, 4};                           // caption text gap and top
  const int tool = ch - 6, tool_button_h = tool - 6;
  o[8] = {-(bw + 2 + 22), (tool - tool_button_h) / 2};  // tool frame close
  o[9] = {6, 2};                                        // tool frame caption text
  o[14] = {1, 1};                                       // pressed push button caption
}

tbx::SkinSource Painter::Paint() {
  Frames();
  Menus();
  Buttons();
  CheckAndRadio();
  Groups();
  ToolAndStatusBars();
  ScrollBars();
  Headers();
  Progress();
  Tabs();
  UpDown();
  DropButtons();
  Trackbars();
  Calendar();
  background_cell_ = sheet_.Add(Raster(4, 4, t_.window));

  sheet_.Pack(kSheetWidth);
  tbx::SkinSource skin;
  Tables(skin);
  // Rectangle 0 is the background pattern. Rectangles 1..28 stay empty: a
  // rectangle with a width there would stop the menus' own check marks,
  // arrows and window glyphs from being drawn.
  const CellSheet::Place bg = sheet_.At(background_cell_);
  skin.rectangles.assign(kRectangleCapacity, {0, 0, 0, 0});
  skin.rectangles[0] = {bg.x, bg.y, bg.width, bg.height};
  skin.parts.assign(kPartCapacity, SkinPart{});
  for (std::size_t i = 0; i < kPartCapacity; ++i) {
    const PartPlan& plan = parts_[i];
    if (plan.cell < 0) continue;
    SkinPart& part = skin.parts[i];
    const CellSheet::Place cell = sheet_.At(plan.cell);
    part.x = cell.x, part.y = cell.y, part.width = cell.width, part.height = cell.height;
    part.transparent = plan.keyed ? static_cast<std::int32_t>(kKey) : 0;
    part.left_margin = plan.left, part.top_margin = plan.top;
    part.right_margin = plan.right, part.bottom_margin = plan.bottom;
    part.glyph_transparent = static_cast<std::int32_t>(kKey);
    if (plan.glyph >= 0) {
      const CellSheet::Place glyph = sheet_.At(plan.glyph);
      part.glyph_x = glyph.x, part.glyph_y = glyph.y;
      part.glyph_width = glyph.width, part.glyph_height = glyph.height;
    }
    part.glyph_shift_x = plan.shift_x, part.glyph_shift_y = plan.shift_y;
  }
  skin.bitmap = tbx::RasterToDib(sheet_.Render(kKey));
  return skin;
}

}  // namespace

tbx::SkinSource PaintSkin(const Theme& theme) {
  return Painter(theme).Paint();
}

}  // namespace tebix::skins
