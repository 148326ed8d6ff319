#include "skin/attach/frame_layout.h"

#include <algorithm>

namespace tebix::frame {
namespace {

bool Has(std::uint32_t value, std::uint32_t bits) {
  return (value & bits) != 0;
}

int Clamp(int value, int most) {
  return std::clamp(value, 0, most);
}

bool HasCaption(Choice choice) {
  return choice == Choice::kNormal || choice == Choice::kTool;
}

// Offsets far outside any window are cut to keep the arithmetic in range.
Rect ButtonAt(const OffsetPair& pair, const SkinPart& part, int width) {
  const int dx = std::clamp(pair.dx, -kMaxPieceSize * 8, kMaxPieceSize * 8);
  const int dy = std::clamp(pair.dy, -kMaxPieceSize * 8, kMaxPieceSize * 8);
  const int x = dx <= 0 ? dx + width : dx;
  return {x, dy, x + Clamp(part.width, kMaxPieceSize), dy + Clamp(part.height, kMaxPieceSize)};
}

int SizingCode(const Layout& l, std::uint32_t style, int x, int y) {
  const bool in_piece = l.strip.contains(x, y) || l.left.contains(x, y) || l.right.contains(x, y) ||
                        l.bottom.contains(x, y);
  if (!in_piece) return hit::kNowhere;
  const bool sizable = Has(style, style::kThickFrame) && !Has(style, style::kIconic | style::kZoomed);
  if (!sizable) return hit::kBorder;
  constexpr int kCorner = 16;
  const int width = l.strip.width();
  const int height = std::max(l.bottom.bottom, l.left.bottom);
  const int top_edge = l.caption.empty() ? l.strip.bottom : l.caption.top;
  if (y < top_edge) return x < kCorner ? hit::kTopLeft : x >= width - kCorner ? hit::kTopRight : hit::kTop;
  if (l.bottom.contains(x, y)) {
    return x < kCorner ? hit::kBottomLeft : x >= width - kCorner ? hit::kBottomRight : hit::kBottom;
  }
  if (x < std::max(l.left.right, l.caption.left)) {
    return y >= height - kCorner ? hit::kBottomLeft : y < kCorner ? hit::kTopLeft : hit::kLeft;
  }
  if (x >= std::min(l.right.left, l.caption.empty() ? width : l.caption.right)) {
    return y >= height - kCorner ? hit::kBottomRight : y < kCorner ? hit::kTopRight : hit::kRight;
  }
  return hit::kBorder;
}

}  // namespace

Choice ChooseFrame(std::uint32_t style, std::uint32_t ex_style) {
  if ((style & style::kCaption) == style::kCaption) {
    return Has(ex_style, style::kExToolWindow) ? Choice::kTool : Choice::kNormal;
  }
  if (Has(style, style::kBorder | style::kThickFrame | style::kModalFrame)) return Choice::kBorderOnly;
  return Choice::kNone;
}

Borders BordersOf(const FrameStyle& record) {
  return {Clamp(record.parts[0].height, kMaxPieceSize), Clamp(record.parts[1].width, kMaxPieceSize),
          Clamp(record.parts[2].width, kMaxPieceSize), Clamp(record.parts[3].height, kMaxPieceSize)};
}

Insets SkinInsets(Choice choice, const Borders& borders, std::uint32_t style, std::uint32_t ex_style,
                  const Extras& extras) {
  Insets insets;
  if (choice != Choice::kNone) insets = {borders.left, borders.caption, borders.right, borders.bottom};
  insets.top += Clamp(extras.menu_rows, kMaxMenuRows) * Clamp(extras.menu_row_height, kMaxPieceSize);
  if (Has(style, style::kVScroll)) {
    (Has(ex_style, style::kExLeftScrollBar) ? insets.left : insets.right) +=
        Clamp(extras.vscroll_width, kMaxPieceSize);
  }
  if (Has(style, style::kHScroll)) insets.bottom += Clamp(extras.hscroll_height, kMaxPieceSize);
  return insets;
}

Rect ClientOf(const Rect& window, const Insets& insets) {
  // A window smaller than its frame gets an empty client area inside it.
  Rect client;
  client.left = std::min(window.left + insets.left, window.right);
  client.top = std::min(window.top + insets.top, window.bottom);
  client.right = std::max(client.left, window.right - insets.right);
  client.bottom = std::max(client.top, window.bottom - insets.bottom);
  return client;
}

Size CompensatedSize(Size current, const Insets& system, const Insets& skin) {
  const int client_width = std::max(0, current.width - system.left - system.right);
  const int client_height = std::max(0, current.height - system.top - system.bottom);
  return {client_width + skin.left + skin.right, client_height + skin.top + skin.bottom};
}

Layout LayOut(const LayoutInput& in) {
  Layout l;
  l.client = in.client;
  l.has_frame = !(in.client == Rect{0, 0, in.width, in.height});
  const int menu_height = Clamp(in.menu_rows, kMaxMenuRows) * Clamp(in.menu_row_height, kMaxPieceSize);
  if (in.choice == Choice::kNone || in.record == nullptr) {
    if (menu_height > 0) l.menu_bar = {0, 0, in.width, std::min(menu_height, std::max(0, in.client.top))};
    return l;
  }
  const FrameStyle& r = *in.record;
  const Borders b = BordersOf(r);
  const bool caption = HasCaption(in.choice);
  const bool normal = in.choice == Choice::kNormal;
  const std::uint32_t s = in.style;

  if (caption && Has(s, style::kSysMenu)) {
    l.close = ButtonAt(r.offset_pairs[0], r.parts[8], in.width);
    const bool boxes = Has(s, style::kMinimizeBox | style::kMaximizeBox);
    if (normal && boxes) {
      l.maximize = ButtonAt(r.offset_pairs[1], r.parts[12], in.width);
      l.minimize = ButtonAt(r.offset_pairs[2], r.parts[20], in.width);
    }
    if (normal && Has(s, style::kContextHelp)) {
      const OffsetPair& at = boxes || r.metric == 1 ? r.offset_pairs[3] : r.offset_pairs[1];
      l.help = ButtonAt(at, r.parts[24], in.width);
    }
    if (normal && in.has_icon) {
      const int x = std::clamp(r.offset_pairs[4].dx, -kMaxPieceSize, kMaxPieceSize);
      const int y = std::clamp(r.offset_pairs[4].dy, -kMaxPieceSize, kMaxPieceSize);
      l.icon = {x, y, x + Clamp(r.offset_pairs[5].dx, kMaxIconSize), y + Clamp(r.offset_pairs[5].dy, kMaxIconSize)};
    }
  }

  if (caption) {
    l.caption = {2, 2, in.width - 2, b.caption};
    const OffsetPair gap{std::clamp(r.offset_pairs[6].dx, -kMaxPieceSize, kMaxPieceSize),
                         std::clamp(r.offset_pairs[6].dy, -kMaxPieceSize, kMaxPieceSize)};
    l.text.left = normal && !l.icon.empty() ? l.icon.right + gap.dx : b.left + gap.dx;
    int right = l.caption.right;
    for (const Rect* button : {&l.close, &l.maximize, &l.minimize, &l.help}) {
      if (!button->empty()) right = std::min(right, button->left);
    }
    l.text.right = std::max(l.text.left, right);
    l.text.top = gap.dy;
    l.text.bottom = std::max(l.text.top, b.caption - std::clamp(r.offset_pairs[7].dy, -kMaxPieceSize, kMaxPieceSize));
  }

  if (menu_height > 0) l.menu_bar = {b.left, b.caption, in.width - b.right, b.caption + menu_height};

  l.strip = {0, 0, in.width, b.caption};
  l.left = {0, b.caption, b.left, in.height - b.bottom};
  l.right = {in.width - b.right, b.caption, in.width, in.height - b.bottom};
  l.bottom = {0, in.height - b.bottom, in.width, in.height};
  return l;
}

int HitTest(const Layout& l, std::uint32_t style, int x, int y) {
  if (l.menu_bar.contains(x, y)) return hit::kMenuBar;
  if (l.client.contains(x, y)) return hit::kClient;
  if (!l.close.empty()) {
    if (l.close.contains(x, y)) return hit::kClose;
    if (l.maximize.contains(x, y)) return hit::kMaxButton;
    if (l.minimize.contains(x, y)) return hit::kMinButton;
    if (l.help.contains(x, y)) return hit::kHelp;
    if (l.icon.contains(x, y)) return hit::kSysMenu;
  }
  if (l.caption.contains(x, y)) return hit::kCaption;
  return SizingCode(l, style, x, y);
}

int HoverState(Button button) {
  switch (button) {
    case Button::kMinimize: return 1;
    case Button::kMaximize: return 3;
    case Button::kClose: return 5;
    case Button::kHelp: return 7;
    case Button::kNone: break;
  }
  return 0;
}

int PressedState(Button button) {
  const int hover = HoverState(button);
  return hover == 0 ? 0 : hover + 1;
}

Button ButtonOfState(int state) {
  switch (state) {
    case 1: case 2: return Button::kMinimize;
    case 3: case 4: return Button::kMaximize;
    case 5: case 6: return Button::kClose;
    case 7: case 8: return Button::kHelp;
  }
  return Button::kNone;
}

bool IsPressedState(int state) {
  return state >= 1 && state <= 8 && state % 2 == 0;
}

Button ButtonOfHit(int hit_code) {
  switch (hit_code) {
    case hit::kMinButton: return Button::kMinimize;
    case hit::kMaxButton: return Button::kMaximize;
    case hit::kClose: return Button::kClose;
    case hit::kHelp: return Button::kHelp;
  }
  return Button::kNone;
}

unsigned ButtonCommand(Button button, std::uint32_t s) {
  switch (button) {
    case Button::kMinimize:
      if (!Has(s, style::kMinimizeBox)) return 0;
      return Has(s, style::kIconic) ? command::kRestore : command::kMinimize;
    case Button::kMaximize:
      if (!Has(s, style::kMaximizeBox)) return 0;
      return Has(s, style::kZoomed) ? command::kRestore : command::kMaximize;
    case Button::kClose:
      return Has(s, style::kSysMenu) ? command::kClose : 0;
    case Button::kHelp:
      return Has(s, style::kContextHelp) ? command::kContextHelp : 0;
    case Button::kNone:
      break;
  }
  return 0;
}

unsigned CaptionDoubleClickCommand(std::uint32_t s) {
  if (!Has(s, style::kMaximizeBox)) return 0;
  return Has(s, style::kZoomed) ? command::kRestoreByCaption : command::kMaximizeByCaption;
}

unsigned PressCommand(int hit_code, std::uint32_t s) {
  if (hit_code == hit::kCaption) return Has(s, style::kZoomed) ? 0 : command::kDragMove;
  if (hit_code >= hit::kLeft && hit_code <= hit::kBottomRight) {
    return command::kSize + static_cast<unsigned>(hit_code - hit::kLeft + 1);
  }
  return 0;
}

int ButtonSlot(Button button, std::uint32_t s, bool active, int state) {
  int base = 0;
  bool enabled = true;
  switch (button) {
    case Button::kClose: base = 8; break;
    case Button::kMaximize:
      base = Has(s, style::kZoomed) ? 16 : 12;
      enabled = Has(s, style::kMaximizeBox);
      break;
    case Button::kMinimize:
      base = Has(s, style::kIconic) ? 16 : 20;
      enabled = Has(s, style::kMinimizeBox);
      break;
    case Button::kHelp: base = 24; break;
    case Button::kNone: return -1;
  }
  if (!enabled || !active) return base + 3;
  if (state == PressedState(button)) return base + 2;
  if (state == HoverState(button)) return base + 1;
  return base;
}

int SizingCursor(int hit_code) {
  switch (hit_code) {
    case hit::kLeft: case hit::kRight: return 1;
    case hit::kTop: case hit::kBottom: return 2;
    case hit::kTopLeft: case hit::kBottomRight: return 3;
    case hit::kTopRight: case hit::kBottomLeft: return 4;
  }
  return 0;
}

Rect MdiMaximizedRect(const Insets& insets, Size area) {
  return {-insets.left, -insets.top, area.width + insets.right, area.height + insets.bottom};
}

std::vector<Rect> KeyRuns(const std::uint32_t* pixels, int width, int height, std::uint32_t key) {
  std::vector<Rect> runs;
  if (pixels == nullptr || width <= 0 || height <= 0) return runs;
  const std::uint32_t want = ((key & 0xFF) << 16) | (key & 0xFF00) | ((key >> 16) & 0xFF);
  for (int y = 0; y < height; ++y) {
    const std::uint32_t* row = pixels + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
    int x = 0;
    while (x < width) {
      if ((row[x] & 0xFFFFFF) != want) {
        ++x;
        continue;
      }
      const int start = x;
      while (x < width && (row[x] & 0xFFFFFF) == want) ++x;
      runs.push_back({start, y, x, y + 1});
    }
  }
  return runs;
}

}  // namespace tebix::frame
