// The one table of renderers: each renderer file contributes its entry.
#include "skin/render/renderers.h"

#include "skin/attach/frame.h"
#include "skin/attach/paint_redirect.h"
#include "skin/render/apex_grid.h"
#include "skin/render/button.h"
#include "skin/render/combo_box.h"
#include "skin/render/combo_list.h"
#include "skin/render/control_bar.h"
#include "skin/render/data_combo.h"
#include "skin/render/data_grid.h"
#include "skin/render/data_list.h"
#include "skin/render/date_time_picker.h"
#include "skin/render/edit.h"
#include "skin/render/flex_grid.h"
#include "skin/render/generic.h"
#include "skin/render/grid_compose.h"
#include "skin/render/group_box.h"
#include "skin/render/header.h"
#include "skin/render/list_box.h"
#include "skin/render/list_view.h"
#include "skin/render/month_calendar.h"
#include "skin/render/picture_box.h"
#include "skin/render/plain_bordered.h"
#include "skin/render/popup_menu.h"
#include "skin/render/progress_bar.h"
#include "skin/render/rich_edit.h"
#include "skin/render/scroll_bar.h"
#include "skin/render/scroll_bar_engine.h"
#include "skin/render/status_bar.h"
#include "skin/render/tab_control.h"
#include "skin/render/tabbed_dialog.h"
#include "skin/render/toolbar.h"
#include "skin/render/trackbar.h"
#include "skin/render/tree_view.h"
#include "skin/render/up_down.h"
#include "skin/render/vb_button.h"
#include "skin/render/vb_check_option.h"
#include "skin/render/vb_command_button.h"
#include "skin/render/vb_frame.h"
#include "skin/render/view_background.h"

namespace tebix {

std::span<const RendererEntry> AllRenderers() {
  static const RendererEntry renderers[] = {
      kPlainBorderedRenderer,
      kPushButtonRenderer, kCheckBoxRenderer, kRadioButtonRenderer, kGroupBoxRenderer,
      kVbCommandButtonRenderer, kVbCheckBoxRenderer, kVbOptionButtonRenderer, kVbFrameRenderer,
      kScrollBarRenderer,
      kTabControlRenderer, kTabStripRenderer, kTabbedDialogRenderer, kPictureBoxRenderer,
      kGenericRenderer,
      kEditRenderer, kRichEditRenderer, kListBoxRenderer, kListViewRenderer, kTreeViewRenderer,
      kViewBackgroundRenderer, kComboBoxRenderer, kComboListRenderer,
      kStatusBarRenderer, kToolbarRenderer, kControlBarRenderer,
      kProgressBarRenderer, kTrackbarRenderer, kUpDownRenderer, kHeaderRenderer,
      kDialogFrameRenderer,
      kFormFrameRenderer,
      kMdiChildFormFrameRenderer,
      kMdiFormFrameRenderer,
      kMfcMainFrameRenderer,
      kMfcMdiChildFrameRenderer,
      kPopupMenuRenderer,
      kDateTimePickerRenderer, kMonthCalendarRenderer,
      kDataComboRenderer, kDataListRenderer, kDataGridRenderer, kApexGridRenderer, kFlexGridRenderer,
  };
  return renderers;
}

void StartRenderers() {
  SetRenderers(AllRenderers());
  RegisterPaintSubstitute(1006, kVbFramePaintSubstitute);
  RegisterPaintSubstitute(1009, kVbCommandButtonPaintSubstitute);
  RegisterPaintSubstitute(1012, kTabbedDialogPaintSubstitute);
  RegisterPaintSubstitute(kMonthCalendarRedirect, kMonthCalendarPaintSubstitute);
  RegisterPaintSubstitute(1002, kApexGridPaintSubstitute);
  RegisterPaintSubstitute(1004, kDataGridPaintSubstitute);
  RegisterDcSubstitute(1004, kGridDcSubstitute);
  RegisterPaintSubstitute(1011, kFlexGridPaintSubstitute);
  for (int type : {1007, 1008, 1009}) RegisterDcSubstitute(type, kVbButtonDcSubstitute);
  RegisterScrollBarServices();
  RegisterGenericSubstitutes();
  StartFrames();
  StartMenus();
}

void StopRenderers() {
  SetRenderers({});
  StopMenus();
  for (int type : {1006, 1009, 1012}) RegisterPaintSubstitute(type, {});
  RegisterPaintSubstitute(kMonthCalendarRedirect, {});
  for (int type : {1002, 1004, 1011}) RegisterPaintSubstitute(type, {});
  RegisterDcSubstitute(1004, {});
  for (int type : {1007, 1008, 1009}) RegisterDcSubstitute(type, {});
  StopFrames();
  ClearScrollBarServices();
  ClearGenericSubstitutes();
}

}  // namespace tebix
