#include "tools/skin_gallery/gallery_window.h"

#include <commctrl.h>

#include <map>
#include <string>
#include <vector>

#include "tools/skin_gallery/page_kit.h"

namespace gallery {

namespace {

constexpr int kMargin = 8;
constexpr int kListWidth = 196;
constexpr int kPageLeft = kMargin + kListWidth + kMargin;
constexpr int kSideLeft = kPageLeft + kPageWidth + kMargin;
constexpr int kSideWidth = 200;
constexpr int kStatusTop = kMargin + kPageHeight + kMargin;
constexpr int kStatusHeight = 22;
constexpr int kClientWidth = kSideLeft + kSideWidth + kMargin;
constexpr int kClientHeight = kStatusTop + kStatusHeight + kMargin;

struct Slider {
  const wchar_t* name;
  int id;
  int maximum;
  int initial;
};
constexpr Slider kHue{L"Hue", kHueId, 360, 0};
constexpr Slider kSaturation{L"Saturation", kSaturationId, 256, 0};
constexpr Slider kBrightness{L"Brightness", kBrightnessId, 256, 0};
constexpr Slider kAlpha{L"Alpha", kAlphaId, 255, 255};

struct Gallery {
  GallerySetup setup;
  HWND window = nullptr;
  HWND pages = nullptr;
  HWND panel = nullptr;
  HWND status = nullptr;
  std::map<int, HWND> sliderLabels;  // by slider id
  int shownHue = 0, shownSaturation = 0, shownBrightness = 0;
};

Gallery* GalleryOf(HWND window) {
  return reinterpret_cast<Gallery*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

const TebixLibrary& Library(const Gallery& gallery) {
  static const TebixLibrary none;
  return gallery.setup.library ? *gallery.setup.library : none;
}

HWND Control(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style, DWORD exStyle, int x,
             int y, int width, int height, int id = 0, HFONT font = kit::Font()) {
  const HWND control =
      CreateWindowExW(exStyle, className, text, style | WS_CHILD | WS_VISIBLE, x, y, width, height, parent,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return control;
}

void SetStatus(Gallery& gallery, const std::wstring& text) {
  SetWindowTextW(gallery.status, text.c_str());
}

int SliderValue(const Gallery& gallery, int id) {
  return static_cast<int>(SendDlgItemMessageW(gallery.window, id, TBM_GETPOS, 0, 0));
}

void ShowSliderValue(Gallery& gallery, const Slider& slider, int value) {
  const std::wstring text = std::wstring(slider.name) + L": " + std::to_wstring(value);
  SetWindowTextW(gallery.sliderLabels[slider.id], text.c_str());
}

void SetSlider(Gallery& gallery, const Slider& slider, int value) {
  SendDlgItemMessageW(gallery.window, slider.id, TBM_SETPOS, TRUE, value);
  ShowSliderValue(gallery, slider, value);
}

// The library resets its colour shift on every attach and detach.
void ResetColourSliders(Gallery& gallery) {
  for (const Slider* slider : {&kHue, &kSaturation, &kBrightness}) SetSlider(gallery, *slider, 0);
  gallery.shownHue = gallery.shownSaturation = gallery.shownBrightness = 0;
}

void AdjustColours(Gallery& gallery) {
  const int hue = SliderValue(gallery, kHueId), saturation = SliderValue(gallery, kSaturationId),
            brightness = SliderValue(gallery, kBrightnessId);
  ShowSliderValue(gallery, kHue, hue);
  ShowSliderValue(gallery, kSaturation, saturation);
  ShowSliderValue(gallery, kBrightness, brightness);
  // The library refuses the shift it already shows: ask only for changes.
  if (hue == gallery.shownHue && saturation == gallery.shownSaturation &&
      brightness == gallery.shownBrightness)
    return;
  const auto adjust = Library(gallery).adjustHsv;
  if (!adjust) return;
  const int result = adjust(hue, saturation, brightness);
  if (result == 0) {
    gallery.shownHue = hue;
    gallery.shownSaturation = saturation;
    gallery.shownBrightness = brightness;
  }
  SetStatus(gallery, L"Tebix_Adjust_HSV(" + std::to_wstring(hue) + L", " + std::to_wstring(saturation) +
                         L", " + std::to_wstring(brightness) + L") returned " + std::to_wstring(result));
}

void SetAlpha(Gallery& gallery) {
  const int alpha = SliderValue(gallery, kAlphaId);
  ShowSliderValue(gallery, kAlpha, alpha);
  const auto setAlpha = Library(gallery).alpha;
  if (!setAlpha) return;
  const int result = setAlpha(gallery.window, alpha);
  SetStatus(gallery, L"Tebix_Alpha(gallery window, " + std::to_wstring(alpha) + L") returned " +
                         std::to_wstring(result));
}

// Calls `call` on every window of the page and tells how many calls
// returned what.
template <typename Call>
void CallOnPage(Gallery& gallery, const wchar_t* name, Call call) {
  const std::vector<HWND> windows = PageWindows(gallery.panel);
  std::map<int, int> results;
  for (HWND window : windows) ++results[call(window)];
  std::wstring text =
      std::wstring(name) + L" on the page's " + std::to_wstring(windows.size()) + L" windows:";
  for (const auto& [result, count] : results) {
    text += L" " + std::to_wstring(count) + L" returned " + std::to_wstring(result) + L";";
  }
  if (!results.empty()) text.pop_back();
  SetStatus(gallery, text);
}

void Command(Gallery& gallery, int id) {
  const TebixLibrary& library = Library(gallery);
  switch (id) {
    case kDetachId:
      if (library.detach) {
        const int result = library.detach();
        ResetColourSliders(gallery);
        SetStatus(gallery, L"Tebix_Detach() returned " + std::to_wstring(result));
      }
      break;
    case kReattachId:
      if (library.attachEx) {
        const int result = library.attachEx(AnsiPath(gallery.setup.skinFile).c_str(), "");
        ResetColourSliders(gallery);
        SetStatus(gallery, L"Tebix_Attach_Ex(\"" + gallery.setup.skinFile.wstring() + L"\", \"\") returned " +
                               std::to_wstring(result));
      }
      break;
    case kDetachPageId:
      if (library.detachEx) CallOnPage(gallery, L"Tebix_Detach_Ex", library.detachEx);
      break;
    case kMapPageId:
      if (library.map)
        CallOnPage(gallery, L"Tebix_Map(window, 0)", [&](HWND w) { return library.map(w, 0); });
      break;
  }
}

void ShowPage(Gallery& gallery, int index) {
  const std::span<const Page> pages = Pages();
  if (index < 0 || index >= static_cast<int>(pages.size())) return;
  ClosePage(gallery.panel);
  gallery.panel = BuildPage(pages[static_cast<std::size_t>(index)], gallery.window,
                            RECT{kPageLeft, kMargin, kPageLeft + kPageWidth, kMargin + kPageHeight});
  SendMessageW(gallery.pages, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  const std::wstring title = std::wstring(L"Skin gallery - ") + pages[static_cast<std::size_t>(index)].title;
  SetWindowTextW(gallery.window, title.c_str());
}

void AddSlider(Gallery& gallery, const Slider& slider, int& y, bool enabled) {
  gallery.sliderLabels[slider.id] =
      Control(gallery.window, L"Static", L"", SS_LEFT, 0, kSideLeft, y, kSideWidth, kit::kLabelHeight);
  const HWND track = Control(gallery.window, L"msctls_trackbar32", L"", TBS_HORZ | TBS_NOTICKS | WS_TABSTOP,
                             0, kSideLeft, y + kit::kLabelHeight + 1, kSideWidth, 26, slider.id);
  SendMessageW(track, TBM_SETRANGEMIN, FALSE, 0);
  SendMessageW(track, TBM_SETRANGEMAX, FALSE, slider.maximum);
  SendMessageW(track, TBM_SETPAGESIZE, 0, slider.maximum / 12);
  SetSlider(gallery, slider, slider.initial);
  EnableWindow(track, enabled);
  y += kit::kLabelHeight + 1 + 26 + 6;
}

void AddButton(Gallery& gallery, const wchar_t* text, int id, int& y, bool enabled) {
  const HWND button = Control(gallery.window, L"Button", text, BS_PUSHBUTTON | WS_TABSTOP, 0, kSideLeft, y,
                              kSideWidth, 26, id);
  EnableWindow(button, enabled);
  y += 26 + 6;
}

void BuildControls(Gallery& gallery) {
  const HWND window = gallery.window;
  gallery.pages =
      Control(window, L"ListBox", L"", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
              WS_EX_CLIENTEDGE, kMargin, kMargin, kListWidth, kPageHeight, kPageListId);
  for (const Page& page : Pages()) {
    SendMessageW(gallery.pages, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(page.title));
  }

  const TebixLibrary& library = Library(gallery);
  int y = kMargin;
  Control(window, L"Static", L"Skin colours", SS_LEFT, 0, kSideLeft, y, kSideWidth, 18, 0, kit::BoldFont());
  y += 22;
  for (const Slider* slider : {&kHue, &kSaturation, &kBrightness}) {
    AddSlider(gallery, *slider, y, library.adjustHsv != nullptr);
  }
  y += 6;
  Control(window, L"Static", L"Gallery window", SS_LEFT, 0, kSideLeft, y, kSideWidth, 18, 0, kit::BoldFont());
  y += 22;
  AddSlider(gallery, kAlpha, y, library.alpha != nullptr);
  y += 6;
  Control(window, L"Static", L"Library", SS_LEFT, 0, kSideLeft, y, kSideWidth, 18, 0, kit::BoldFont());
  y += 22;
  AddButton(gallery, L"Detach", kDetachId, y, library.detach != nullptr);
  AddButton(gallery, L"Re-attach", kReattachId, y, library.attachEx != nullptr);
  AddButton(gallery, L"Detach page", kDetachPageId, y, library.detachEx != nullptr);
  AddButton(gallery, L"Map page", kMapPageId, y, library.map != nullptr);
  const std::wstring skin = gallery.setup.library ? L"Skin file: " + gallery.setup.skinFile.wstring()
                                                  : std::wstring(L"Plain run: no skin.");
  Control(window, L"Static", skin.c_str(), SS_LEFT | SS_NOPREFIX, 0, kSideLeft, y + 4, kSideWidth,
          kStatusTop - y - 8);

  gallery.status = Control(window, L"Static", gallery.setup.status.c_str(), SS_LEFTNOWORDWRAP | SS_NOPREFIX,
                           WS_EX_STATICEDGE, kMargin, kStatusTop + 2, kClientWidth - 2 * kMargin,
                           kStatusHeight - 4, kStatusId);
}

LRESULT CALLBACK GalleryProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Gallery* gallery = GalleryOf(window);
  switch (message) {
    case WM_NCCREATE: {
      const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
      auto* fresh = new Gallery;
      fresh->setup = *static_cast<const GallerySetup*>(create->lpCreateParams);
      fresh->window = window;
      SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(fresh));
      break;
    }
    case WM_COMMAND:
      if (!gallery) break;
      if (LOWORD(wParam) == kPageListId && HIWORD(wParam) == LBN_SELCHANGE) {
        ShowPage(*gallery, static_cast<int>(SendMessageW(gallery->pages, LB_GETCURSEL, 0, 0)));
        return 0;
      }
      if (HIWORD(wParam) == BN_CLICKED) Command(*gallery, LOWORD(wParam));
      return 0;
    case WM_HSCROLL:
      if (!gallery || !lParam) break;
      if (GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) == kAlphaId) {
        SetAlpha(*gallery);
      } else {
        AdjustColours(*gallery);
      }
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      break;
    case WM_NCDESTROY:
      delete gallery;
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

HWND CreateGalleryWindow(HINSTANCE instance, const GallerySetup& setup, int show) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = GalleryProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kGalleryClass;
  RegisterClassExW(&wc);

  constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  RECT frame{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&frame, style, FALSE, WS_EX_CONTROLPARENT);
  // Top left of the screen, so that the frames page has room below.
  RECT work;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const HWND window = CreateWindowExW(WS_EX_CONTROLPARENT, kGalleryClass, L"Skin gallery", style, work.left,
                                      work.top, frame.right - frame.left, frame.bottom - frame.top, nullptr,
                                      nullptr, instance, const_cast<GallerySetup*>(&setup));
  if (!window) return nullptr;
  Gallery& gallery = *GalleryOf(window);
  BuildControls(gallery);
  ShowWindow(window, show);
  UpdateWindow(window);
  const Page* first = setup.firstPage ? setup.firstPage : &Pages().front();
  ShowPage(gallery, static_cast<int>(first - Pages().data()));
  return window;
}

}  // namespace gallery
