// What the VB runtime's command button, check box and option button share:
// an object with its mouse state and a DC record that stays hung for the
// window's life, so that whatever the runtime draws through GetDC outside
// WM_PAINT lands off screen and brings a skinned repaint instead; and the
// one window procedure, which differs by the painter.
#pragma once

#include <windows.h>

#include "skin/attach/paint_redirect.h"
#include "skin/attach/skinned_window.h"
#include "skin/render/button_layout.h"
#include "skin/render/button_paint.h"

namespace tebix {

class VbButton : public SkinnedWindow {
 public:
  // `dc_type` is 1009 (command button), 1007 (check box) or 1008 (option button).
  VbButton(HWND window, int dc_type, const ButtonLook& look);
  ~VbButton() override;

  const ButtonLook& look() const { return look_; }
  DcRedirect& dc_record() { return dc_record_; }
  button::Mouse mouse = button::Mouse::kNormal;
  bool tracking = false;

  // Marks the window attached and hangs the DC record.
  void Attach();
  // The painter: onto `dc`, or the window DC through the real GetDC.
  virtual void Paint(HDC dc);
  // WM_PAINT.
  virtual void OnPaint();

 private:
  ButtonLook look_;
  DcRedirect dc_record_;
};

// A graphical command button: the runtime draws its look itself (owner-drawn style).
bool IsOwnerDrawn(HWND window);

// The procedure of all three.
LRESULT VbButtonProc(SkinnedWindow& self, UINT message, WPARAM wparam, LPARAM lparam);

// The GetDC/ReleaseDC substitute of types 1007, 1008 and 1009.
extern const DcSubstitute kVbButtonDcSubstitute;

}  // namespace tebix
