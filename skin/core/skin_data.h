// The process-wide skin model: the current SkinData, the skin bitmap made
// from the block, the background brush, the two skin fonts and the frame
// style records. Replaced in place by every load; renderers read it.
#pragma once

#include <windows.h>

#include "skin/core/frame_styles.h"
#include "skin/core/lzari_decoder.h"
#include "skin/core/skin_tables.h"

namespace tebix {

// Takes an unpacked skin block as the current skin (a SkinInstaller for
// LoadSkinBlock). Returns 1 when the skin bitmap was made, 0 otherwise:
//  - a block too short for its header or tables, or no drawing surfaces:
//    nothing changes;
//  - a bitmap that is missing, cut short, shallower than 24 bits or cannot
//    be made: the new tables become current, but no skin is loaded (no
//    bitmap, brush or fonts) until the next good load.
int LoadSkinModel(const UnpackedBlock& block);
int LoadSkinModel(std::span<const std::uint8_t> block);

// Null before the first load.
const SkinData* CurrentSkinData();
// True while a skin bitmap is loaded.
bool SkinLoaded();
// The skin bitmap as loaded (the skin bitmap DC may hold a recoloured copy).
HBITMAP LoadedSkinBitmap();
SIZE SkinBitmapSize();
HBRUSH SkinBackgroundBrush();
HFONT SkinFont();
HFONT SkinBoldFont();
// All zero before the first load.
const FrameStyle& SkinFrameStyle(FrameKind kind);
// Skin colour `index` under the current colour shift, and skin metric
// `index`; 0 before the first load and for an index outside the table.
COLORREF SkinColour(int index);
int SkinMetric(int index);

// Selects `bitmap` (the skin bitmap as loaded, or a recoloured copy the
// model then owns) into the skin bitmap DC; the copy shown before, if it
// was one, is deleted.
void ShowSkinBitmap(HBITMAP bitmap);

// Makes the background brush anew from skin rectangle 0 of whatever the
// skin bitmap DC holds, selects it into both back buffers and deletes the
// old one.
void RebuildBackgroundBrush();

// Tebix_Detach: deletes the skin bitmap (and any recoloured copy), the
// brush and the fonts; no skin is loaded afterwards. The tables stay.
void ReleaseSkinObjects();
// Engine stop: the above, and the SkinData is freed. Before or after
// StopDrawingSurfaces, either way nothing is left behind.
void FreeSkinModel();

// What the model needs from the window layer, set at engine start.
struct SkinModelHooks {
  // Gives owner-drawn menu items back their own type and data and empties
  // the menu lists (called by every load).
  void (*forget_owner_drawn_menus)() = nullptr;
  // Attaches the thread's unskinned windows and repaints the skinned ones
  // with their frames recomputed (called after a recolour).
  void (*attach_all_windows)() = nullptr;
};
void SetSkinModelHooks(SkinModelHooks hooks);
const SkinModelHooks& CurrentSkinModelHooks();

}  // namespace tebix
