// Combo boxes that offer a long list of names (the 3,560 weapons, the
// units and pilots of the combination attacks): the list is kept once, in
// memory shared by every box that offers it, and a box puts it into its own
// items only when the user first needs them (opens it, clicks it, types in
// it) or a caller asks for something only the full list can answer.
//
// Until then the box holds one item, the name of its selection, so that it
// shows its value exactly as a filled box would, and it answers the
// selection, count and item-text messages from the shared list: CB_SETCURSEL,
// CB_GETCURSEL, CB_GETCOUNT, CB_GETLBTEXT and CB_GETLBTEXTLEN behave as on a
// filled box, with the same indices. Any other list message, and keyboard
// or mouse input, fills the box first and then goes to it unchanged.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace vdk::editors {

using SharedNames = std::shared_ptr<const std::vector<std::wstring>>;

// Gives `combo` (a drop-down list combo box without sorting) the items of
// `names`, to be filled when first needed. The box loses its previous items
// and has no selection.
void OfferLongList(HWND combo, SharedNames names);

// Whether the box holds its whole list as items (false for a box that
// OfferLongList has not filled yet; true for any other box).
bool LongListFilled(HWND combo);

}  // namespace vdk::editors
