// "Button" windows under the skin: the part each state shows, the caption's
// place, format and text, images, group boxes, and the hand-over of a
// button that becomes owner-drawn.
#include <windows.h>

#include <algorithm>
#include <string>

#include "skin/core/draw_skin_part.h"
#include "skin/core/skin_data.h"
#include "skin/core/skin_resources.h"
#include "skin/render/button_layout.h"
#include "skin/render/button_paint.h"
#include "tests/skin_buttons/button_pixels.h"
#include "tests/skin_engine/engine_support.h"

namespace tebix::test {
namespace {

constexpr int kWidth = 120, kHeight = 30;

enum class Act { kNone, kFocus, kHover, kPress, kPressThenHover, kPressThenLeave, kRelease };

void Do(HWND w, Act act) {
  switch (act) {
    case Act::kNone: break;
    case Act::kFocus: SetFocus(w); break;
    case Act::kHover: SendMessageW(w, WM_MOUSEHOVER, 0, MAKELPARAM(5, 5)); break;
    case Act::kPress: SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)); break;
    case Act::kPressThenHover:
      SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
      SendMessageW(w, WM_MOUSEHOVER, MK_LBUTTON, MAKELPARAM(5, 5));
      break;
    case Act::kPressThenLeave:
      SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
      SendMessageW(w, WM_MOUSELEAVE, 0, 0);
      break;
    case Act::kRelease: {
      RECT r{};
      GetWindowRect(w, &r);
      SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);  // the pointer over it
      SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-50, -50));
      SendMessageW(w, WM_LBUTTONUP, 0, MAKELPARAM(-50, -50));  // outside: no click
      SetCursorPos(0, 0);
      break;
    }
  }
}

SIZE PartSize(int part) {
  const SkinPart& p = CurrentSkinData()->parts[part];
  return {p.width, p.height};
}

// The window shows `expected` in `rect`, and none of the other candidates
// that would look different there.
void ExpectPart(HWND w, const RECT& rect, int expected, std::initializer_list<int> candidates, const std::string& name) {
  RECT client{};
  GetClientRect(w, &client);
  const Pixels shown = CaptureClient(w);
  const Pixels want = ExpectedPart(client.right, client.bottom, expected, rect);
  EXPECT_EQ(Differences(shown, want, rect), 0) << name << ": not part " << expected;
  for (int other : candidates) {
    if (other == expected) continue;
    const Pixels alternative = ExpectedPart(client.right, client.bottom, other, rect);
    if (Differences(alternative, want, rect) > 0) {
      EXPECT_GT(Differences(shown, alternative, rect), 0) << name << ": looks like part " << other;
    }
  }
}

class ButtonTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    SetForegroundWindow(Parent());
  }
  void TearDown() override {
    ReleaseCapture();
    EngineTest::TearDown();
  }
  HWND Button(DWORD style, const wchar_t* text = L"", int width = kWidth, int height = kHeight) {
    HWND w = Make(L"Button", WS_CHILD | WS_VISIBLE | style, 0, nullptr, width, height, text);
    if (w != nullptr) {
      SetWindowPos(w, HWND_TOP, 10, 10, 0, 0, SWP_NOSIZE);  // wholly inside the parent
      Repaint(w);
    }
    return w;
  }
};

TEST_F(ButtonTest, TheSkinTellsThePushFacesApart) {
  // Without different faces the state tests below could not fail.
  const RECT r{0, 0, kWidth, kHeight};
  const Pixels normal = ExpectedPart(kWidth, kHeight, 71, r);
  int differing = 0;
  for (int part : {72, 73, 74, 75}) differing += Differences(ExpectedPart(kWidth, kHeight, part, r), normal, r) > 0;
  EXPECT_GE(differing, 3);
}

TEST_F(ButtonTest, PushButtonShowsTheFaceOfItsState) {
  struct Case {
    const char* name;
    DWORD style;
    Act act;
    int part;
  } cases[] = {
      {"normal", BS_PUSHBUTTON, Act::kNone, 71},
      {"default button", BS_DEFPUSHBUTTON, Act::kNone, 71},
      {"focused", BS_PUSHBUTTON, Act::kFocus, 73},
      {"hot", BS_PUSHBUTTON, Act::kHover, 72},
      {"pressed", BS_PUSHBUTTON, Act::kPress, 74},
      {"held while hovering stays pressed", BS_PUSHBUTTON, Act::kPressThenHover, 74},
      {"left while held", BS_PUSHBUTTON, Act::kPressThenLeave, 73},  // the press took the focus
      {"released", BS_PUSHBUTTON, Act::kRelease, 72},
      {"disabled", BS_PUSHBUTTON | WS_DISABLED, Act::kNone, 75},
      {"disabled and hovered", BS_PUSHBUTTON | WS_DISABLED, Act::kHover, 75},
  };
  for (const Case& c : cases) {
    HWND w = Button(c.style);
    ASSERT_NE(ObjectOf(w), nullptr) << c.name;
    Do(w, c.act);
    ExpectPart(w, RECT{0, 0, kWidth, kHeight}, c.part, {71, 72, 73, 74, 75}, c.name);
    ReleaseCapture();
    DestroyWindow(w);
  }
}

TEST_F(ButtonTest, CheckBoxAndRadioShowTheGlyphOfTheirStateReadAtPaintTime) {
  using button::Kind;
  struct Case {
    const char* name;
    DWORD style;
    WPARAM check;
    Act act;
    int part;
  } cases[] = {
      {"check unchecked", BS_AUTOCHECKBOX, BST_UNCHECKED, Act::kNone, 76},
      {"check checked", BS_AUTOCHECKBOX, BST_CHECKED, Act::kNone, 81},
      {"check hot", BS_CHECKBOX, BST_UNCHECKED, Act::kHover, 77},
      {"check checked pressed", BS_CHECKBOX, BST_CHECKED, Act::kPress, 83},
      {"check focused", BS_CHECKBOX, BST_UNCHECKED, Act::kFocus, 79},
      {"three-state indeterminate", BS_AUTO3STATE, BST_INDETERMINATE, Act::kNone, 86},
      {"three-state indeterminate hot", BS_3STATE, BST_INDETERMINATE, Act::kHover, 87},
      {"disabled checked", BS_AUTOCHECKBOX | WS_DISABLED, BST_CHECKED, Act::kNone, 85},
      {"disabled indeterminate", BS_AUTO3STATE | WS_DISABLED, BST_INDETERMINATE, Act::kHover, 90},
      {"check on the right", BS_AUTOCHECKBOX | BS_LEFTTEXT, BST_CHECKED, Act::kNone, 81},
      {"check at the top", BS_AUTOCHECKBOX | BS_TOP, BST_UNCHECKED, Act::kNone, 76},
      {"check at the bottom", BS_AUTOCHECKBOX | BS_BOTTOM, BST_CHECKED, Act::kNone, 81},
      {"radio", BS_AUTORADIOBUTTON, BST_UNCHECKED, Act::kNone, 91},
      {"radio checked", BS_RADIOBUTTON, BST_CHECKED, Act::kNone, 96},
      {"radio hot", BS_RADIOBUTTON, BST_UNCHECKED, Act::kHover, 92},
      {"radio checked focused", BS_RADIOBUTTON, BST_CHECKED, Act::kFocus, 99},
      {"radio disabled checked", BS_AUTORADIOBUTTON | WS_DISABLED, BST_CHECKED, Act::kNone, 100},
      {"radio on the right", BS_RADIOBUTTON | BS_LEFTTEXT, BST_CHECKED, Act::kNone, 96},
  };
  for (const Case& c : cases) {
    HWND w = Button(c.style, L"", 140, 24);
    ASSERT_NE(ObjectOf(w), nullptr) << c.name;
    // The renderer paints as the state changes; no repaint is asked for.
    SendMessageW(w, BM_SETCHECK, c.check, 0);
    Do(w, c.act);
    const bool radio = (c.style & 0xF) == BS_RADIOBUTTON || (c.style & 0xF) == BS_AUTORADIOBUTTON;
    const SIZE glyph = PartSize(radio ? 91 : 76);
    const button::GlyphLayout layout = button::PlaceGlyph({0, 0, 140, 24}, glyph.cx, glyph.cy, c.style);
    const RECT rect{layout.glyph.left, layout.glyph.top, layout.glyph.right, layout.glyph.bottom};
    if (radio) ExpectPart(w, rect, c.part, {91, 92, 93, 94, 95, 96, 97, 98, 99, 100}, c.name);
    else ExpectPart(w, rect, c.part, {76, 77, 78, 79, 80, 81, 82, 83, 84, 85, 86, 87, 88, 89, 90}, c.name);
    ReleaseCapture();
    DestroyWindow(w);
  }
}

TEST_F(ButtonTest, PushLikeTogglesShowPushFacesByCheckStateOnly) {
  struct Case {
    const char* name;
    DWORD style;
    WPARAM check;
    Act act;
    int part;
  } cases[] = {
      {"unchecked", BS_AUTOCHECKBOX | BS_PUSHLIKE, BST_UNCHECKED, Act::kHover, 71},
      {"checked", BS_AUTOCHECKBOX | BS_PUSHLIKE, BST_CHECKED, Act::kNone, 74},
      {"indeterminate ignores hover", BS_AUTO3STATE | BS_PUSHLIKE, BST_INDETERMINATE, Act::kHover, 72},
      {"indeterminate", BS_AUTO3STATE | BS_PUSHLIKE, BST_INDETERMINATE, Act::kNone, 72},
      {"radio checked", BS_RADIOBUTTON | BS_PUSHLIKE, BST_CHECKED, Act::kNone, 74},
      {"radio focused", BS_RADIOBUTTON | BS_PUSHLIKE, BST_UNCHECKED, Act::kFocus, 71},
      {"disabled", BS_AUTOCHECKBOX | BS_PUSHLIKE | WS_DISABLED, BST_CHECKED, Act::kNone, 75},
  };
  for (const Case& c : cases) {
    HWND w = Button(c.style);
    SendMessageW(w, BM_SETCHECK, c.check, 0);
    Do(w, c.act);
    ExpectPart(w, RECT{0, 0, kWidth, kHeight}, c.part, {71, 72, 73, 74, 75}, c.name);
    DestroyWindow(w);
  }
}

// The caption's pixels: where the window differs from its face or glyph alone.
struct TextBox {
  button::Box box;  // first and last differing column and row, as a half-open box
};

TextBox CaptionPixels(HWND w, int part, const RECT& part_rect) {
  RECT client{};
  GetClientRect(w, &client);
  const Pixels shown = CaptureClient(w);
  const Pixels face = ExpectedPart(client.right, client.bottom, part, part_rect);
  const Span cols = DifferingColumns(shown, face, client);
  const Span rows = DifferingRows(shown, face, client);
  return {{cols.first, rows.first, cols.last + 1, rows.last + 1}};
}

TEST_F(ButtonTest, CaptionIsPlacedByAlignmentAndLeftText) {
  constexpr int W = 200, H = 40;
  struct Case {
    const char* name;
    DWORD style;
    int left_min, left_max;    // where the text may start
    int right_min, right_max;  // where it may end (exclusive)
    int top_max;               // the text's top at most (-1: no limit)
    int bottom_min;            // its bottom at least (-1: no limit)
  };
  const SIZE glyph = PartSize(76);
  const int cap = glyph.cx + 4;
  const Case cases[] = {
      {"push left", BS_PUSHBUTTON | BS_LEFT, 0, 3, 0, W / 2, -1, -1},
      {"push right", BS_PUSHBUTTON | BS_RIGHT, W / 2, W, W - 4, W + 1, -1, -1},
      {"push top", BS_PUSHBUTTON | BS_TOP, 10, W / 2, W / 2, W - 10, 3, -1},
      {"push bottom", BS_PUSHBUTTON | BS_BOTTOM, 10, W / 2, W / 2, W - 10, -1, H - 3},
      {"check default", BS_AUTOCHECKBOX, cap, cap + 3, cap, W / 2, -1, -1},
      {"check right", BS_AUTOCHECKBOX | BS_RIGHT, W / 2, W, W - 4, W + 1, -1, -1},
      {"check left text", BS_AUTOCHECKBOX | BS_LEFTTEXT, 0, 3, 0, W - cap + 1, -1, -1},
      {"check left text right-aligned", BS_AUTOCHECKBOX | BS_LEFTTEXT | BS_RIGHT, W / 2, W - cap, W - cap - 4,
       W - cap + 1, -1, -1},
      {"radio default", BS_AUTORADIOBUTTON, PartSize(91).cx + 4, PartSize(91).cx + 7, 0, W / 2, -1, -1},
  };
  for (const Case& c : cases) {
    HWND w = Button(c.style, L"Caption", W, H);
    const std::uint32_t style = static_cast<std::uint32_t>(GetWindowLongW(w, GWL_STYLE));
    RECT part_rect{0, 0, W, H};
    int part = 71;
    if ((c.style & 0xF) != BS_PUSHBUTTON) {
      const bool radio = (c.style & 0xF) == BS_AUTORADIOBUTTON;
      const SIZE g = PartSize(radio ? 91 : 76);
      const button::Box b = button::PlaceGlyph({0, 0, W, H}, g.cx, g.cy, style).glyph;
      part_rect = {b.left, b.top, b.right, b.bottom};
      part = radio ? 91 : 76;
    }
    const TextBox text = CaptionPixels(w, part, part_rect);
    ASSERT_GE(text.box.left, 0) << c.name << ": no caption drawn";
    EXPECT_GE(text.box.left, c.left_min) << c.name;
    EXPECT_LE(text.box.left, c.left_max) << c.name;
    EXPECT_GE(text.box.right, c.right_min) << c.name;
    EXPECT_LE(text.box.right, c.right_max) << c.name;
    if (c.top_max >= 0) {
      EXPECT_LE(text.box.top, c.top_max) << c.name;
    }
    if (c.bottom_min >= 0) {
      EXPECT_GE(text.box.bottom, c.bottom_min) << c.name;
    }
    if (c.top_max < 0 && c.bottom_min < 0) {  // centred vertically
      EXPECT_NEAR(text.box.top + text.box.bottom, H, 4) << c.name;
    }
    DestroyWindow(w);
  }
}

TEST_F(ButtonTest, MultiLineWrapsOnlyAsTheWholeNibble) {
  const wchar_t* text = L"a caption long enough to wrap twice";
  HWND single = Button(BS_PUSHBUTTON, text, 90, 70);
  HWND wrapped = Button(BS_PUSHBUTTON | BS_MULTILINE, text, 90, 70);
  HWND notify = Button(BS_PUSHBUTTON | BS_MULTILINE | BS_NOTIFY, text, 90, 70);
  HWND bottom = Button(BS_PUSHBUTTON | BS_MULTILINE | BS_BOTTOM, text, 90, 70);
  int x = 10;
  for (HWND w : {single, wrapped, notify, bottom}) {  // side by side, none over another
    SetWindowPos(w, nullptr, x, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Repaint(w);
    x += 96;
  }
  const RECT face{0, 0, 90, 70};
  const int single_height = CaptionPixels(single, 71, face).box.height();
  EXPECT_GT(CaptionPixels(wrapped, 71, face).box.height(), single_height * 2) << "word-wrapped";
  EXPECT_EQ(CaptionPixels(notify, 71, face).box.height(), single_height) << "BS_NOTIFY makes it one line";
  // Wrapped and centred: the lines' block sits in the middle.
  const TextBox middle = CaptionPixels(wrapped, 71, face);
  EXPECT_NEAR(middle.box.top + middle.box.bottom, 70, 4);
  EXPECT_GE(CaptionPixels(bottom, 71, face).box.bottom, 70 - 3);
}

TEST_F(ButtonTest, PressedCaptionMovesByTheSkinOffset) {
  const OffsetPair shift = CurrentSkinData()->offset_pairs[14];
  HWND w = Button(BS_PUSHBUTTON, L"Go");
  const RECT face{0, 0, kWidth, kHeight};
  SendMessageW(w, WM_MOUSEHOVER, 0, 0);
  const TextBox hot = CaptionPixels(w, 72, face);
  SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  const TextBox pressed = CaptionPixels(w, 74, face);
  ASSERT_GE(hot.box.left, 0);
  EXPECT_EQ(pressed.box.left - hot.box.left, shift.dx);
  EXPECT_EQ(pressed.box.top - hot.box.top, shift.dy);
}

TEST_F(ButtonTest, IconBesideCaptionMovesOnePixelWhenPressed) {
  HICON icon = LoadIconW(nullptr, IDI_APPLICATION);
  HWND w = Button(BS_PUSHBUTTON | BS_ICON, L"Open", 160, 44);
  SendMessageW(w, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
  const RECT face{0, 0, 160, 44};
  // Only the image: the caption is measured and drawn right of it.
  RECT client{};
  GetClientRect(w, &client);
  SendMessageW(w, WM_MOUSEHOVER, 0, 0);
  const TextBox hot = CaptionPixels(w, 72, face);
  SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  const TextBox pressed = CaptionPixels(w, 74, face);
  ASSERT_GE(hot.box.left, 0) << "icon drawn";
  // The group (icon, gap, caption) is centred: the icon starts left of the middle.
  EXPECT_LT(hot.box.left, 80 - 16);
  EXPECT_EQ(pressed.box.left - hot.box.left, 1) << "the icon leads the group";
  EXPECT_EQ(pressed.box.top - hot.box.top, 1);
}

TEST_F(ButtonTest, BitmapReplacesTheCheckBoxCaption) {
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 12, 8);
  ReleaseDC(nullptr, screen);
  HDC dc = CreateCompatibleDC(nullptr);
  const HGDIOBJ old = SelectObject(dc, bitmap);
  const RECT all{0, 0, 12, 8};
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  FillRect(dc, &all, red);
  DeleteObject(red);
  SelectObject(dc, old);
  DeleteDC(dc);

  HWND w = Button(BS_AUTOCHECKBOX | BS_BITMAP, L"hidden", 140, 24);
  SendMessageW(w, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
  const SIZE glyph = PartSize(76);
  const int left = glyph.cx + 4;
  const Pixels shown = CaptureClient(w);
  EXPECT_EQ(shown.at(left, 12), RGB(255, 0, 0)) << "bitmap at the caption's left, centred";
  EXPECT_EQ(shown.at(left + 11, 8), RGB(255, 0, 0));
  EXPECT_NE(shown.at(left + 12, 12), RGB(255, 0, 0)) << "at its own size";
  EXPECT_NE(shown.at(left, 7), RGB(255, 0, 0));
  DestroyWindow(w);
  DeleteObject(bitmap);
}

TEST_F(ButtonTest, WideCaptionIsDrawnWholeUnderAnyCodePage) {
  const wchar_t* text = L"\x5199\x5165\x6570\x636E";  // four Chinese characters
  constexpr int W = 160, H = 24;
  // The dialog font, as the editor's forms give their controls.
  const HFONT dialog = CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0,
                                   L"MS Shell Dlg");
  for (DWORD style : {BS_AUTOCHECKBOX, BS_GROUPBOX}) {
    HWND w = Button(style, text, W, H);
    ASSERT_TRUE(IsWindowUnicode(w));
    SendMessageW(w, WM_SETFONT, reinterpret_cast<WPARAM>(dialog), TRUE);
    Repaint(w);
    // A caption beyond ASCII is drawn in the control's own font under either code page.
    const HFONT font = dialog;
    const bool box = style == BS_GROUPBOX;
    const SIZE glyph = PartSize(76);
    const button::Box g = button::PlaceGlyph({0, 0, W, H}, glyph.cx, glyph.cy, BS_AUTOCHECKBOX).glyph;
    auto with_text = [&](const wchar_t* caption, HFONT in) {
      return Expected(W, H, [&](HDC dc) {
        if (!box) {
          DrawSkinPart(dc, RECT{g.left, g.top, g.right, g.bottom}, CurrentSkinData()->parts[76], SkinBitmapDc());
        }
        const HGDIOBJ old = SelectObject(dc, in);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, SkinColour(box ? 28 : 0));
        RECT r{glyph.cx + 4, 0, W, H};
        if (box) {  // measured, padded when the caption has a background part, 10 px in
          RECT m{0, 0, 0, 0};
          DrawTextW(dc, caption, -1, &m, DT_CALCRECT | DT_SINGLELINE);
          const int pad = CurrentSkinData()->parts[103].width != 0 ? 8 : 0;
          r = {10, 0, 10 + m.right + pad, m.bottom + pad};
          if (pad != 0) DrawSkinPart(dc, r, CurrentSkinData()->parts[103], SkinBitmapDc());
          DrawTextW(dc, caption, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        } else {
          DrawTextW(dc, caption, -1, &r, DT_SINGLELINE | DT_VCENTER);
        }
        SelectObject(dc, old);
      });
    };
    const Pixels shown_wide = CaptureClient(w);
    SetWindowTextW(w, L"Data");
    Repaint(w);
    const Pixels shown_plain = CaptureClient(w);
    // A group box paints no background of its own: only its caption's upper half, above the line.
    const RECT area = box ? RECT{12, 1, 52, 8} : RECT{0, 0, W, H};
    const Pixels& shown = shown_wide;
    EXPECT_EQ(Differences(shown, with_text(text, font), area), 0) << style << ": the wide caption, whole";
    const RECT plain_area = box ? RECT{12, 1, 30, 8} : RECT{0, 0, W, H};
    // An ASCII caption in the skin font, unless the system made it an East Asian face (too small to read).
    const HFONT plain_font = SkinFontIsEastAsian() ? dialog : SkinFont();
    const HFONT other_font = plain_font == dialog ? SkinFont() : dialog;
    EXPECT_EQ(Differences(shown_plain, with_text(L"Data", plain_font), plain_area), 0) << style;
    EXPECT_GT(Differences(shown_plain, with_text(L"Data", other_font), plain_area), 0) << style;
    EXPECT_GT(Differences(shown, with_text(L"????", font), area), 0) << style << ": not a code-page replacement";
    EXPECT_GT(Differences(shown, with_text(L"\xE000\xE000\xE000\xE000", font), area), 0)
        << style << ": not boxes for missing glyphs";
    DestroyWindow(w);
  }
  DeleteObject(dialog);
}

TEST_F(ButtonTest, AnsiButtonKeepsItsAnsiCaption) {
  HWND w = MakeAnsi("Button", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON);
  ASSERT_FALSE(IsWindowUnicode(w));
  SetWindowTextA(w, "Save");
  const TextBox text = CaptionPixels(w, 71, RECT{0, 0, 120, 40});
  EXPECT_GT(text.box.width(), 10) << "the caption drawn after WM_SETTEXT";
}

TEST_F(ButtonTest, OwnerDrawStyleHandsTheButtonToTheGenericRenderer) {
  UseProbesFor({RendererId::kGeneric});
  for (DWORD style : {BS_PUSHBUTTON, BS_AUTOCHECKBOX, BS_RADIOBUTTON}) {
    HWND w = Button(style, L"switch");
    ASSERT_NE(ObjectOf(w), nullptr);
    ASSERT_EQ(dynamic_cast<Probe*>(ObjectOf(w)), nullptr);
    Probes().Clear();
    SetWindowLongW(w, GWL_STYLE, (GetWindowLongW(w, GWL_STYLE) & ~0xF) | BS_OWNERDRAW);
    ASSERT_NE(dynamic_cast<Probe*>(ObjectOf(w)), nullptr) << "generic renderer attached";
    const std::vector<UINT>& seen = Probes().messages[w];
    ASSERT_GE(seen.size(), 2u);
    EXPECT_EQ(seen[0], 0x6A30u) << "attach message first";
    EXPECT_NE(std::find(seen.begin(), seen.end(), static_cast<UINT>(WM_STYLECHANGED)), seen.end())
        << "the style change itself reaches the generic renderer";
    EXPECT_TRUE(HasProperty(w, "Tebix"));
    DestroyWindow(w);
  }
}

TEST_F(ButtonTest, OwnerDrawStyleWithoutGenericRendererLeavesTheButtonAlone) {
  LeaveOut({RendererId::kGeneric});
  HWND w = Button(BS_PUSHBUTTON, L"plain");
  ASSERT_NE(ObjectOf(w), nullptr);
  SetWindowLongW(w, GWL_STYLE, (GetWindowLongW(w, GWL_STYLE) & ~0xF) | BS_OWNERDRAW);
  EXPECT_EQ(ObjectOf(w), nullptr);
  EXPECT_FALSE(HasProperty(w, "Tebix"));
  EXPECT_FALSE(HasProperty(w, "Tebix_OldProc"));
  SendMessageW(w, WM_MOUSEHOVER, 0, 0);  // still a working window
  Repaint(w);
}

TEST_F(ButtonTest, UnskinnedButtonTypesStayUnskinned) {
  int checked = 0;
  for (DWORD type : {DWORD{BS_USERBUTTON}, DWORD{BS_PUSHBOX}, DWORD{12}, DWORD{13}, DWORD{14}, DWORD{15}}) {
    HWND w = Make(L"Button", WS_CHILD | WS_VISIBLE | type, 0, nullptr, kWidth, kHeight, L"x");
    if (w == nullptr) continue;  // the system refuses some of them
    // The system may make one of them a push button of its own accord.
    if ((GetWindowLongW(w, GWL_STYLE) & 0xF) != static_cast<LONG>(type)) continue;
    ++checked;
    Repaint(w);
    EXPECT_EQ(ObjectOf(w), nullptr) << type;
    EXPECT_FALSE(HasProperty(w, "Tebix")) << type;
  }
  EXPECT_GE(checked, 1) << "the push box at least";
}

TEST_F(ButtonTest, StyleChangeBetweenToggleKindsTakesTheNewLook) {
  HWND w = Button(BS_AUTOCHECKBOX, L"", 140, 24);
  SendMessageW(w, BM_SETCHECK, BST_CHECKED, 0);
  SendMessageW(w, BM_SETSTYLE, BS_AUTORADIOBUTTON, TRUE);
  Repaint(w);
  const SIZE glyph = PartSize(91);
  const button::Box g = button::PlaceGlyph({0, 0, 140, 24}, glyph.cx, glyph.cy, BS_AUTORADIOBUTTON).glyph;
  ExpectPart(w, RECT{g.left, g.top, g.right, g.bottom}, 96, {81, 91}, "now a radio button");
}

TEST_F(ButtonTest, GroupBoxDrawsItsLineAndCaption) {
  struct Case {
    const char* name;
    DWORD style;
    const wchar_t* text;
  } cases[] = {
      {"no caption", BS_GROUPBOX, L""},
      {"caption", BS_GROUPBOX, L"Group"},
      {"disabled", BS_GROUPBOX | WS_DISABLED, L"Group"},
      {"right caption", BS_GROUPBOX | BS_RIGHT, L"Group"},
  };
  for (const Case& c : cases) {
    HWND w = Button(c.style, c.text, 200, 100);
    ASSERT_NE(ObjectOf(w), nullptr) << c.name;
    const bool enabled = (c.style & WS_DISABLED) == 0;
    const Pixels shown = CaptureClient(w);
    if (SkinMetric(4) == 0) {
      const COLORREF line = SkinColour(enabled ? 30 : 31);
      EXPECT_EQ(shown.at(0, 60), line) << c.name << ": left line";
      EXPECT_EQ(shown.at(199, 60), line) << c.name << ": right line";
      EXPECT_EQ(shown.at(100, 99), line) << c.name << ": bottom line";
      if (c.text[0] == 0) {
        EXPECT_EQ(shown.at(100, 0), line) << c.name << ": the top line at y = 0";
      }
    }
    if (c.text[0] != 0) {
      // The caption, in its colour, 10 px from its side and not on the other.
      const COLORREF ink = SkinColour(enabled ? 28 : 29);
      auto inked = [&](int from, int to) {
        for (int y = 0; y < 20; ++y)
          for (int x = from; x < to; ++x)
            if (shown.at(x, y) == ink) return true;
        return false;
      };
      const bool right = (c.style & BS_RIGHT) != 0;
      EXPECT_TRUE(inked(right ? 130 : 10, right ? 190 : 70)) << c.name;
      EXPECT_FALSE(inked(right ? 0 : 130, right ? 70 : 200)) << c.name;
    }
    DestroyWindow(w);
  }
}

TEST_F(ButtonTest, GroupBoxShowsANewCaptionAtOnce) {
  HWND w = Button(BS_GROUPBOX, L"A", 200, 100);
  const COLORREF ink = SkinColour(28);
  auto inked = [&](const Pixels& p) {
    for (int y = 0; y < 20; ++y)
      for (int x = 50; x < 120; ++x)
        if (p.at(x, y) == ink) return true;
    return false;
  };
  ASSERT_FALSE(inked(CaptureClient(w))) << "a one-letter caption ends before x = 50";
  SetWindowTextW(w, L"A much longer caption");  // no repaint asked for
  EXPECT_TRUE(inked(CaptureClient(w))) << "the new caption, not the old one";
}

TEST_F(ButtonTest, ForeignImageHandlesDrawNothingAndHarmNothing) {
  const struct {
    DWORD style;
    WPARAM type;
  } cases[] = {
      {BS_PUSHBUTTON | BS_ICON, IMAGE_ICON},     {BS_PUSHBUTTON | BS_BITMAP, IMAGE_BITMAP},
      {BS_AUTOCHECKBOX | BS_ICON, IMAGE_ICON},   {BS_AUTORADIOBUTTON | BS_BITMAP, IMAGE_BITMAP},
      {BS_GROUPBOX | BS_BITMAP, IMAGE_BITMAP},   {BS_PUSHBUTTON | BS_BITMAP, IMAGE_ICON},
  };
  // A handle of the wrong kind, a stale one and one that was never a handle.
  HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
  HBITMAP gone = CreateBitmap(4, 4, 1, 32, nullptr);
  DeleteObject(gone);
  for (const auto& c : cases) {
    for (HANDLE image : {static_cast<HANDLE>(brush), static_cast<HANDLE>(gone), reinterpret_cast<HANDLE>(0x12345)}) {
      HWND w = Button(c.style, L"image");
      SendMessageW(w, BM_SETIMAGE, c.type, reinterpret_cast<LPARAM>(image));
      Repaint(w);
      SendMessageW(w, WM_MOUSEHOVER, 0, 0);
      EXPECT_TRUE(IsWindow(w));
      DestroyWindow(w);
    }
  }
  DeleteObject(brush);
}

// Handles this thread's messages until `seen` has passed through `w` or a second is over.
bool PumpUntil(HWND w, UINT seen) {
  bool arrived = false;
  for (int i = 0; i < 100 && !arrived; ++i) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      arrived |= msg.hwnd == w && msg.message == seen;
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    if (!arrived) Sleep(10);
  }
  return arrived;
}

TEST_F(ButtonTest, AMouseMoveArmsHoverAndLeaveTracking) {
  HWND w = Button(BS_PUSHBUTTON);
  RECT r{};
  GetWindowRect(w, &r);
  POINT saved{};
  GetCursorPos(&saved);
  SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  SendMessageW(w, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_TRUE(PumpUntil(w, WM_MOUSEHOVER)) << "hover tracking armed";
  ExpectPart(w, RECT{0, 0, kWidth, kHeight}, 72, {71}, "hot once hovered");
  SetCursorPos(r.right + 200, r.bottom + 200);
  EXPECT_TRUE(PumpUntil(w, WM_MOUSELEAVE)) << "leave tracking armed";
  ExpectPart(w, RECT{0, 0, kWidth, kHeight}, 71, {72}, "normal after leaving");
  SetCursorPos(saved.x, saved.y);
}

TEST_F(ButtonTest, AClickMadeByAProgramDoesNotLeaveTheButtonHot) {
  HWND w = Button(BS_PUSHBUTTON);
  RECT r{};
  GetWindowRect(w, &r);
  POINT saved{};
  GetCursorPos(&saved);
  SetCursorPos(r.right + 200, r.bottom + 200);
  SendMessageW(w, BM_CLICK, 0, 0);
  ExpectPart(w, RECT{0, 0, kWidth, kHeight}, 73, {72}, "focused by the click, not hot");
  SetCursorPos(saved.x, saved.y);
}

}  // namespace
}  // namespace tebix::test
