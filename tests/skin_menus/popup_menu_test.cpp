// Popup menus: the items the skin converts and the sizes they take, the
// picture of the open menu, applications' own items, and the items given
// back when the skin lets go.
#include <windows.h>

#include <functional>
#include <string>

#include "skin/core/exports.h"
#include "skin/core/skin_data.h"
#include "skin/core/skin_resources.h"
#include "skin/render/menu_items.h"
#include "tests/skin_menus/menu_support.h"

namespace tebix::test {
namespace {

RECT ItemRectIn(HWND popup, HMENU menu, int index) {
  RECT r{}, w{};
  GetMenuItemRect(popup, menu, static_cast<UINT>(index), &r);
  GetWindowRect(popup, &w);
  OffsetRect(&r, -w.left, -w.top);
  return r;
}

MENUITEMINFOW ItemInfo(HMENU menu, int index) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_DATA | MIIM_BITMAP | MIIM_STATE | MIIM_SUBMENU;
  GetMenuItemInfoW(menu, static_cast<UINT>(index), TRUE, &info);
  return info;
}

// Columns of `item` where `with` and `without` differ: where the text was.
std::pair<int, int> InkColumns(const Capture& with, const Capture& without, const RECT& item) {
  int first = -1, last = -1;
  for (int x = item.left; x < item.right; ++x) {
    for (int y = item.top; y < item.bottom; ++y) {
      if (with.At(x, y) != without.At(x, y)) {
        if (first < 0) first = x;
        last = x;
        break;
      }
    }
  }
  return {first, last};
}

TEST_F(MenuTest, ConvertedItemsTakeTheSkinsSizes) {
  HWND owner = Form();
  HMENU plain = CreatePopupMenu();
  AppendMenuW(plain, MF_STRING, 1, L"Same");
  AppendMenuW(plain, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(plain, MF_STRING, 2, L"Same");
  HMENU with_submenu = CreatePopupMenu();
  HMENU sub = CreatePopupMenu();
  AppendMenuW(sub, MF_STRING, 9, L"inner");
  AppendMenuW(with_submenu, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), L"Same");

  int plain_width = 0, submenu_width = 0;
  RECT item{}, separator{};
  // The window region: cut where the background's corner has its key
  // colour; none at all (a rectangle) for a background without one.
  const SkinPart& back = CurrentSkinData()->parts[65];
  const bool corner_keyed = back.transparent != 0 &&
                            GetPixel(SkinBitmapDc(), back.x, back.y) == static_cast<COLORREF>(back.transparent);
  bool corner_shown = true, has_region = false;
  OpenMenu(owner, plain, [&](HWND popup) {
    item = ItemRectIn(popup, plain, 0);
    separator = ItemRectIn(popup, plain, 1);
    plain_width = item.right - item.left;
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    has_region = GetWindowRgn(popup, region) != ERROR;
    corner_shown = !has_region || PtInRegion(region, 0, 0);
    DeleteObject(region);
  });
  EXPECT_EQ(has_region, back.transparent != 0);
  EXPECT_EQ(corner_shown, !corner_keyed) << "the background's key colour cuts the corner";
  const std::int32_t key = back.transparent;
  const_cast<SkinData*>(CurrentSkinData())->parts[65].transparent = 0;
  OpenMenu(owner, plain, [&](HWND popup) {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    has_region = GetWindowRgn(popup, region) != ERROR;
    DeleteObject(region);
  });
  const_cast<SkinData*>(CurrentSkinData())->parts[65].transparent = key;
  EXPECT_FALSE(has_region) << "without a key colour the popup stays rectangular";
  OpenMenu(owner, with_submenu, [&](HWND popup) {
    const RECT r = ItemRectIn(popup, with_submenu, 0);
    submenu_width = r.right - r.left;
  });
  EXPECT_EQ(item.bottom - item.top, SkinMetric(7)) << "item height";
  EXPECT_EQ(separator.bottom - separator.top, SkinMetric(8)) << "separator height";
  EXPECT_EQ(submenu_width - plain_width, 10) << "a submenu item is 10 px wider";
  for (int i = 0; i < 3; ++i) {
    const MENUITEMINFOW info = ItemInfo(plain, i);
    EXPECT_TRUE(info.fType & MFT_OWNERDRAW) << i;
    ASSERT_NE(RecordOf(info.dwItemData), nullptr) << i;
  }
  EXPECT_TRUE(MenuConverted(plain));
  EXPECT_EQ(RecordOf(ItemInfo(plain, 0).dwItemData)->Text(), L"Same");
  DestroyMenu(plain);
  DestroyMenu(with_submenu);
  // A new menu for every opening: the records of destroyed ones are freed.
  for (int round = 0; round < 3; ++round) {
    HMENU fresh = CreatePopupMenu();
    for (int i = 0; i < 5; ++i) AppendMenuW(fresh, MF_STRING, 1 + i, L"again");
    OpenMenu(owner, fresh, [](HWND) {});
    EXPECT_EQ(MenuRecordCount(), 5u) << "round " << round;
    DestroyMenu(fresh);
  }
}

TEST_F(MenuTest, HighlightAndDisabledItemsByPixels) {
  HWND owner = Form();
  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING, 1, L"x");
  AppendMenuW(menu, MF_STRING, 2, L"x");
  AppendMenuW(menu, MF_STRING | MF_GRAYED, 3, L"x");
  AppendMenuW(menu, MF_STRING, 4, L"x");
  struct Case {
    const char* name;
    int item;
    bool hilite;
    bool expect_part_68;
  };
  const Case cases[] = {
      {"plain", 0, false, false},
      {"highlighted", 1, true, true},
      {"highlighted but disabled", 2, true, false},
  };
  Capture shot;
  RECT rects[4]{};
  OpenMenu(owner, menu, [&](HWND popup) {
    for (const Case& c : cases) {
      MENUITEMINFOW info{};
      info.cbSize = sizeof info;
      info.fMask = MIIM_STATE;
      info.fState = (c.item == 2 ? MFS_GRAYED : 0) | (c.hilite ? MFS_HILITE : 0);
      SetMenuItemInfoW(menu, c.item, TRUE, &info);
    }
    RedrawWindow(popup, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    for (int i = 0; i < 4; ++i) rects[i] = ItemRectIn(popup, menu, i);
    shot = CaptureWindow(popup);
  });
  ASSERT_GT(shot.width, 0);
  for (const Case& c : cases) {
    const RECT& r = rects[c.item];
    const int w = r.right - r.left, h = r.bottom - r.top;
    const int x = w * 3 / 4, y = h / 2;  // clear of the text and the arrow
    const COLORREF highlight = PartPixel(68, w, h, x, y);
    ASSERT_NE(highlight, shot.At(rects[3].left + x, rects[3].top + y)) << "the skin's highlight must show";
    EXPECT_EQ(shot.At(r.left + x, r.top + y) == highlight, c.expect_part_68) << c.name;
  }
  DestroyMenu(menu);
}

// An item with pictures of its own for the check states shows the one for
// its state, never both.
TEST_F(MenuTest, CheckPicturesFollowTheItemsState) {
  HWND owner = Form();
  HDC screen = GetDC(nullptr);
  auto solid = [screen](COLORREF colour) {
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 16, 16);
    HDC dc = CreateCompatibleDC(screen);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    HBRUSH brush = CreateSolidBrush(colour);
    const RECT all{0, 0, 16, 16};
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    SelectObject(dc, old);
    DeleteDC(dc);
    return bitmap;
  };
  const COLORREF unchecked_colour = RGB(0, 160, 0), checked_colour = RGB(0, 0, 200);
  HBITMAP unchecked = solid(unchecked_colour), checked = solid(checked_colour);
  ReleaseDC(nullptr, screen);
  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING | MF_CHECKED, 1, L"checked");
  AppendMenuW(menu, MF_STRING, 2, L"unchecked");
  for (UINT id : {1u, 2u}) SetMenuItemBitmaps(menu, id, MF_BYCOMMAND, unchecked, checked);
  Capture shot;
  RECT rects[2]{};
  OpenMenu(owner, menu, [&](HWND popup) {
    for (int i = 0; i < 2; ++i) rects[i] = ItemRectIn(popup, menu, i);
    shot = CaptureWindow(popup);
  });
  for (int i = 0; i < 2; ++i) {
    const COLORREF want = i == 0 ? checked_colour : unchecked_colour;
    EXPECT_EQ(shot.At(rects[i].left + 8, (rects[i].top + rects[i].bottom) / 2), want) << "item " << i;
  }
  DestroyMenu(menu);
  DeleteObject(unchecked);
  DeleteObject(checked);
}

TEST_F(MenuTest, TextPlacesAndWideTextUnderAnyCodePage) {
  HWND owner = Form();  // an ANSI window owns the menu
  HMENU menu = CreatePopupMenu();
  const std::wstring cjk = L"\x6587\x4EF6\x83DC\x5355";
  const std::wstring long_text(400, L'\x4E2D');
  AppendMenuW(menu, MF_STRING, 1, L"W\tH");
  AppendMenuW(menu, MF_STRING, 2, cjk.c_str());
  HMENU long_menu = CreatePopupMenu();
  AppendMenuW(long_menu, MF_STRING, 3, long_text.c_str());
  Capture with, without;
  RECT tab_item{}, cjk_item{};
  std::wstring kept;
  OpenMenu(owner, menu, [&](HWND popup) {
    tab_item = ItemRectIn(popup, menu, 0);
    cjk_item = ItemRectIn(popup, menu, 1);
    with = CaptureWindow(popup);
    kept.assign(RecordOf(ItemInfo(menu, 1).dwItemData)->Text());
    // The same popup with the texts taken out shows where they were.
    for (int i = 0; i < 2; ++i) RecordOf(ItemInfo(menu, i).dwItemData)->length = 0;
    RedrawWindow(popup, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    without = CaptureWindow(popup);
  });
  const auto [first, last] = InkColumns(with, without, tab_item);
  EXPECT_GE(first, tab_item.left + SkinMetric(11));
  EXPECT_LE(first, tab_item.left + SkinMetric(11) + 2) << "left part at metric 11";
  EXPECT_LE(last, tab_item.right - 6 - 1);
  EXPECT_GE(last, tab_item.right - 6 - 4) << "right part 6 px inside the right edge";
  const auto cjk_ink = InkColumns(with, without, cjk_item);
  EXPECT_GE(cjk_ink.first, 0) << "the CJK text is drawn";
  // The records keep the text wide, cut to what they hold.
  EXPECT_EQ(kept, cjk);
  OpenMenu(owner, long_menu, [](HWND) {});
  const MenuItemRecord* long_record = RecordOf(ItemInfo(long_menu, 0).dwItemData);
  ASSERT_NE(long_record, nullptr);
  EXPECT_EQ(long_record->Text(), long_text.substr(0, MenuItemRecord::kTextCapacity - 1));
  EXPECT_EQ(long_record->text[MenuItemRecord::kTextCapacity - 1], L'\0');
  DestroyMenu(menu);
  DestroyMenu(long_menu);
}

TEST_F(MenuTest, ApplicationsOwnItemsStayTheirsAndAreDrawnThroughTheRedKey) {
  HWND owner = Form();
  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_OWNERDRAW, 1, reinterpret_cast<LPCWSTR>(kAppItemData));
  AppendMenuW(menu, MF_OWNERDRAW, 2, reinterpret_cast<LPCWSTR>(kAppItemData));
  Capture shot;
  RECT item{};
  HDC screen_dc = nullptr;
  OpenMenu(owner, menu, [&](HWND popup) {
    item = ItemRectIn(popup, menu, 0);
    Log().app_item_dcs.clear();
    RedrawWindow(popup, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    shot = CaptureWindow(popup);
    screen_dc = GetWindowDC(popup);
    ReleaseDC(popup, screen_dc);
  });
  EXPECT_FALSE(MenuConverted(menu));
  EXPECT_EQ(ItemInfo(menu, 0).dwItemData, kAppItemData);
  // Widened for the skin's text inset and check room (the system may add its own).
  EXPECT_GE(item.right - item.left, kAppItemWidth + SkinMetric(11) - SkinMetric(10) + 50);
  ASSERT_FALSE(Log().app_item_dcs.empty()) << "the skin asked for the items";
  const int y = (item.top + item.bottom) / 2;
  EXPECT_EQ(shot.At(item.left + 6, y), RGB(0, 0, 255)) << "the application's drawing shows";
  EXPECT_NE(shot.At(item.left + 25, y), RGB(255, 0, 0)) << "red is the key";
  EXPECT_NE(shot.At(item.left + 45, y), kAppItemBackground) << "its background is left out";
  DestroyMenu(menu);
}

TEST_F(MenuTest, DetachGivesEveryItemItsOwnTypeDataAndBitmapBack) {
  HWND owner = Form();
  HDC screen = GetDC(nullptr);
  HBITMAP picture = CreateCompatibleBitmap(screen, 12, 12);
  ReleaseDC(nullptr, screen);
  HMENU menu = CreatePopupMenu();
  HMENU sub = CreatePopupMenu();
  AppendMenuW(sub, MF_STRING, 20, L"inner");
  AppendMenuW(menu, MF_STRING, 1, L"plain");
  MENUITEMINFOW with_picture{};
  with_picture.cbSize = sizeof with_picture;
  with_picture.fMask = MIIM_STRING | MIIM_ID | MIIM_BITMAP;
  with_picture.wID = 2;
  with_picture.dwTypeData = const_cast<wchar_t*>(L"picture");
  with_picture.hbmpItem = picture;
  InsertMenuItemW(menu, 1, TRUE, &with_picture);
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING | MF_CHECKED, 3, L"radio");
  MENUITEMINFOW radio{};
  radio.cbSize = sizeof radio;
  radio.fMask = MIIM_FTYPE;
  radio.fType = MFT_STRING | MFT_RADIOCHECK;
  SetMenuItemInfoW(menu, 3, TRUE, &radio);
  AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), L"sub");
  AppendMenuW(menu, MF_OWNERDRAW, 4, reinterpret_cast<LPCWSTR>(kAppItemData));
  const std::wstring long_text(400, L'x');
  AppendMenuW(menu, MF_STRING, 5, long_text.c_str());
  const int count = GetMenuItemCount(menu);
  std::vector<MENUITEMINFOW> before;
  for (int i = 0; i < count; ++i) before.push_back(ItemInfo(menu, i));

  OpenMenu(owner, menu, [](HWND) {});
  for (int i : {0, 1, 2, 3, 4, 6}) {
    EXPECT_NE(RecordOf(ItemInfo(menu, i).dwItemData), nullptr) << "converted " << i;
  }
  EXPECT_EQ(ItemInfo(menu, 1).hbmpItem, nullptr) << "the picture moved into the record";
  Tebix_Detach();
  EXPECT_EQ(MenuRecordCount(), 0u);
  for (int i = 0; i < count; ++i) {
    const MENUITEMINFOW after = ItemInfo(menu, i);
    EXPECT_EQ(after.fType, before[i].fType) << i;
    EXPECT_EQ(after.dwItemData, before[i].dwItemData) << i;
    EXPECT_EQ(after.hbmpItem, before[i].hbmpItem) << i;
  }
  wchar_t text[512] = {};
  EXPECT_EQ(GetMenuStringW(menu, 6, text, 512, MF_BYPOSITION), 400) << "the long text was never touched";
  DestroyMenu(menu);
  DeleteObject(picture);
}

}  // namespace
}  // namespace tebix::test

namespace tebix::test {
namespace {

// The system moves the highlight by drawing single items itself; the
// skin's picture follows, for the pointer and for the keyboard.
TEST_F(MenuTest, TheSystemsSelectionShowsTheSkinsHighlight) {
  HWND owner = Form();
  HMENU menu = CreatePopupMenu();
  for (int i = 0; i < 4; ++i) AppendMenuW(menu, MF_STRING, 1 + i, L"x");
  auto move_mouse = [](POINT p) {
    const int cx = GetSystemMetrics(SM_CXSCREEN) - 1, cy = GetSystemMetrics(SM_CYSCREEN) - 1;
    mouse_event(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, p.x * 65535 / cx, p.y * 65535 / cy, 0, 0);
  };
  auto key = [](BYTE vk) {
    keybd_event(vk, 0, 0, 0);
    keybd_event(vk, 0, KEYEVENTF_KEYUP, 0);
  };
  struct Step {
    const char* name;
    std::function<void(HWND popup)> move;
    int expect;
  };
  const Step steps[] = {
      {"pointer on item 2",
       [&](HWND popup) {
         RECT r{};
         GetMenuItemRect(popup, menu, 2, &r);
         move_mouse({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
       },
       2},
      {"arrow key down", [&](HWND) { key(VK_DOWN); }, 3},
  };
  struct Seen {
    int hilited = -1;
    RECT rect{};
    Capture shot;
  };
  std::vector<Seen> seen;
  std::vector<MenuStep> run;
  for (const Step& s : steps) {
    run.push_back([&, s](HWND) {
      if (HWND popup = OpenPopup()) s.move(popup);
    });
    run.push_back([&](HWND) {
      Seen now;
      HWND popup = OpenPopup();
      for (int i = 0; i < 4; ++i) {
        if (GetMenuState(menu, i, MF_BYPOSITION) & MF_HILITE) now.hilited = i;
      }
      if (popup != nullptr && now.hilited >= 0) {
        now.rect = ItemRectIn(popup, menu, now.hilited);
        now.shot = CaptureWindow(popup);
      }
      seen.push_back(now);
    });
  }
  move_mouse({2, 2});
  RunSteps(owner, run, 150);
  OpenMenu(owner, menu, nullptr, 200, 150);
  ASSERT_EQ(seen.size(), std::size(steps));
  for (std::size_t i = 0; i < std::size(steps); ++i) {
    const Seen& s = seen[i];
    EXPECT_EQ(s.hilited, steps[i].expect) << steps[i].name << ": the system's selection";
    if (s.hilited < 0) continue;
    const int w = s.rect.right - s.rect.left, h = s.rect.bottom - s.rect.top;
    EXPECT_EQ(s.shot.At(s.rect.left + w * 3 / 4, s.rect.top + h / 2), PartPixel(68, w, h, w * 3 / 4, h / 2))
        << steps[i].name << ": the skin's highlight shows";
  }
  DestroyMenu(menu);
}

}  // namespace
}  // namespace tebix::test

namespace tebix::test {
namespace {

// A menu taller than the screen scrolls: the skin's arrow parts show at
// its top and bottom, and no item is drawn over them.
TEST_F(MenuTest, ALongMenuShowsTheSkinsScrollArrows) {
  HWND owner = Form();
  HMENU menu = CreatePopupMenu();
  const int screen = GetSystemMetrics(SM_CYSCREEN);
  const int items = screen / std::max(1, SkinMetric(7)) + 20;
  for (int i = 0; i < items; ++i) AppendMenuW(menu, MF_STRING, 1 + i, (L"Entry " + std::to_wstring(i)).c_str());
  Capture shot;
  OpenMenu(owner, menu, [&](HWND popup) { shot = CaptureWindow(popup); }, 200, 0);
  ASSERT_GT(shot.height, 0);
  ASSERT_LE(shot.height, screen) << "the menu is kept on the screen";
  const SkinPart& back = CurrentSkinData()->parts[65];
  const SkinPart& up = CurrentSkinData()->parts[116];
  const SkinPart& down = CurrentSkinData()->parts[120];
  ASSERT_GT(up.height, 0);
  ASSERT_GT(down.height, 0);
  const int w = shot.width - back.left_margin - back.right_margin;
  const int x = back.left_margin + w / 2;
  // The arrows' cells at their centres; the rows around the glyph are the
  // part's own background, whatever item lies behind.
  for (int dy : {1, up.height - 2}) {
    EXPECT_EQ(shot.At(x - w / 4, back.top_margin + dy), PartPixel(116, w, up.height, w / 4, dy)) << "top " << dy;
  }
  for (int dy : {1, down.height - 2}) {
    const int y = shot.height - back.bottom_margin - down.height + dy;
    EXPECT_EQ(shot.At(x - w / 4, y), PartPixel(120, w, down.height, w / 4, dy)) << "bottom " << dy;
  }
  DestroyMenu(menu);
}

}  // namespace
}  // namespace tebix::test
