#include "skin/render/vb_command_button.h"

#include "skin/attach/text_recolour.h"
#include "skin/core/skin_data.h"
#include "skin/render/vb_button.h"

namespace tebix {
namespace {

constexpr int kRedirectType = 1009;
constexpr int kOwnPaintingMargin = 5;  // what of the control's own painting shows inside the face

ButtonLook CommandButtonLook() {
  ButtonLook look;
  look.kind = button::Kind::kPush;
  look.image_alone = true;
  look.colour_enabled = 5;
  look.colour_disabled = 9;
  return look;
}

// BeginPaint of a graphical button: the control paints into a memory DC on
// the button-face colour, its black text in the skin's caption colour.
HDC BeginOwnPainting(HWND window, PAINTSTRUCT* ps, PaintRedirect* record) {
  const HDC memory = BeginMemoryPaint(window, ps, record, GetSysColorBrush(COLOR_BTNFACE),
                                      SkinColour(IsWindowEnabled(window) ? 5 : 9));
  return memory != nullptr ? memory : ps->hdc;
}

// EndPaint: the memory DC stays for the renderer to lay over the face.
BOOL EndOwnPainting(HWND window, const PAINTSTRUCT* ps, PaintRedirect* record) {
  if (record->memory_dc != nullptr && TextRecolourDc() == record->memory_dc) ClearTextRecolour();
  return EndMemoryPaint(window, ps, record);
}

class VbCommandButton : public VbButton {
 public:
  explicit VbCommandButton(HWND window) : VbButton(window, kRedirectType, CommandButtonLook()) {}

  void Paint(HDC dc) override {
    // A graphical button's look needs its own painting, which only WM_PAINT gives.
    if (IsOwnerDrawn(window())) InvalidateRect(window(), nullptr, TRUE);
    else VbButton::Paint(dc);
  }

  void OnPaint() override {
    if (!IsOwnerDrawn(window())) {
      VbButton::OnPaint();
      return;
    }
    PaintRedirect record;
    record.type = kRedirectType;
    PassPaintOn(*this, record);
    WithWindowDc(window(), [&](HDC dc) { Compose(dc, record.memory_dc); });
    DiscardMemoryDc(record.memory_dc, record.bitmap);
  }

 private:
  // The skin's face (no caption) with the control's own painting inside it,
  // its button-face colour left out.
  void Compose(HDC dc, HDC own) {
    RECT client{};
    GetClientRect(window(), &client);
    HDC face = nullptr;
    HBITMAP bitmap = nullptr;
    if (!MakeClientMemoryDc(window(), dc, face, bitmap)) return;
    DrawButton(face, window(), unicode(), look(), mouse, 0, false);
    const RECT inner = ToRect(button::Shrink(ToLayout(client), kOwnPaintingMargin));
    if (own != nullptr && inner.right > inner.left && inner.bottom > inner.top) {
      const int w = inner.right - inner.left, h = inner.bottom - inner.top;
      TransparentBlt(face, inner.left, inner.top, w, h, own, inner.left, inner.top, w, h, GetSysColor(COLOR_BTNFACE));
    }
    BitBlt(dc, 0, 0, client.right, client.bottom, face, 0, 0, SRCCOPY);
    DiscardMemoryDc(face, bitmap);
  }
};

std::unique_ptr<SkinnedWindow> CreateVbCommandButton(HWND window) {
  return std::make_unique<VbCommandButton>(window);
}

}  // namespace

const RendererEntry kVbCommandButtonRenderer = {RendererId::kCommandButton, &CreateVbCommandButton, &VbButtonProc};
const PaintSubstitute kVbCommandButtonPaintSubstitute = {&BeginOwnPainting, &EndOwnPainting};

}  // namespace tebix
