// Combination attacks in SHARED.BIN: which weapons, units and pilots take
// part in each of the twelve attacks, and the attack's multiplier. Also the
// converter between the multiplier's stored hex byte and its decimal factor.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "editor/editors/core/record_editor.h"

namespace vdk::editors {

// The twelve attacks in record order (the chooser List1).
const ItemList& CombinationAttackNames();

// Combo1-Combo4 weapons, Combo5-Combo8 units, Combo9-Combo12 pilots (each
// list's last name stands for 0xFFFF, "none"); Text1 the multiplier byte.
const RecordLayout& CombinationAttackLayout();

inline constexpr int kParticipantSlots = 4;  // per kind

// The three kinds of participant, in record order, with the list whose
// names fill their combo boxes.
struct ParticipantKind {
  const wchar_t* page;  // the tab page that shows them
  int firstCombo;       // number of the first combo box (Combo<n>)
  std::size_t listLength;
};
extern const ParticipantKind kParticipantKinds[3];

// Converter messages and the "?" note.
inline constexpr const wchar_t* kEnterHexFirst = L"请先在左面的文本框输入00-FF范围的16进制数";
inline constexpr const wchar_t* kEnterDecimalFirst = L"请先在右面的文本框输入0-2.55范围的10进制数";
inline constexpr const wchar_t* kConverterNote =
    L"注意在10进制里填上倍率后一定要按←转换成16进制后再写入才有效";

// "→": the hex multiplier (hundredths) as a decimal factor ("7B" gives
// "1.23", "C8" gives "2"). Nothing when the text is not a hex number 0-FF.
std::optional<std::string> MultiplierToDecimal(std::string_view hex);

// "←": the factor times 100, rounded half to even, as two upper-case hex
// digits (1.5 gives "96", 0.05 gives "05"). Nothing when the text is not a
// number from 0 to 2.55.
std::optional<std::string> MultiplierToHex(std::string_view decimal);

// Guards run on every change of the two boxes: the text that replaces an
// entry beyond the range ("FF" for a hex value above 255, "2.55" for a factor
// above 2.55 or below 0), or nothing when the entry may stay.
std::optional<std::string> GuardHexMultiplier(std::string_view hex);
std::optional<std::string> GuardDecimalMultiplier(std::string_view decimal);

}  // namespace vdk::editors
