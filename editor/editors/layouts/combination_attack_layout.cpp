#include "editor/editors/layouts/combination_attack_layout.h"

#include <charconv>
#include <cmath>
#include <cstdint>

#include "editor/conversions.h"
#include "editor/name_lists.h"

namespace vdk::editors {

const ItemList& CombinationAttackNames() {
  static const ItemList names{
      L"Formation R（VD1）",
      L"Formation R（VD2）",
      L"一击必杀炮（舞）",
      L"一击必杀炮（维蕾塔）",
      L"龙卷斩舰刀",
      L"龙卷斩舰刀No2",
      L"暴走幽灵（VD1）",
      L"暴走幽灵（VD2古铁版）",
      L"暴走幽灵（VD2夜古铁版）",
      L"暴走幽灵（VD2古铁巨人版）",
      L"双鸟",
      L"皇家芭蕾舞",
  };
  return names;
}

const ParticipantKind kParticipantKinds[3] = {
    {L"相关武器", 1, kWeaponNames.count},
    {L"相关机体", 5, kUnit2Names.count},
    {L"相关机师", 9, kPilot2Names.count},
};

const RecordLayout& CombinationAttackLayout() {
  static const RecordLayout layout = [] {
    RecordLayout l{.tableOffset = 0x1498B2, .recordSize = 26, .recordCount = 12};
    int offset = 0;
    for (const ParticipantKind& kind : kParticipantKinds) {
      const int count = static_cast<int>(kind.listLength);
      for (int slot = 0; slot < kParticipantSlots; ++slot, offset += 2) {
        // The last name of each list stands for an empty slot (0xFFFF).
        l.fields.push_back({.control = "Combo" + std::to_string(kind.firstCombo + slot),
                            .label = std::wstring(kind.page) + std::to_wstring(slot + 1),
                            .offset = offset,
                            .width = 2,
                            .codec = ListCodec(count, {{0xFFFF, count - 1}})});
      }
    }
    l.fields.push_back(
        {.control = "Text1", .label = L"倍率(16进制)", .offset = 0x18, .width = 1, .codec = HexCodec()});
    return l;
  }();
  return layout;
}

namespace {

bool IsHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// Value of hex text made of hex digits only; nothing for other text. Leading
// zeros are allowed, the value is capped just above a byte so that long
// entries cannot overflow.
std::optional<unsigned> HexValue(std::string_view text) {
  if (text.empty()) return std::nullopt;
  unsigned value = 0;
  for (char c : text) {
    if (!IsHexDigit(c)) return std::nullopt;
    value = value * 16 + static_cast<unsigned>(HexDigitValue(c));
    if (value > 0xFFFF) value = 0x10000;
  }
  return value;
}

// A plain decimal number: blanks around it, an optional sign, digits with at
// most one decimal point (at least one digit in all). Nothing for other text.
std::optional<double> DecimalValue(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  bool point = false, digits = false;
  for (char c : text) {
    if (c == '.' && !point)
      point = true;
    else if (c >= '0' && c <= '9')
      digits = true;
    else
      return std::nullopt;
  }
  if (!digits) return std::nullopt;
  double value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);  // correctly rounded
  return negative ? -value : value;
}

}  // namespace

std::optional<std::string> MultiplierToDecimal(std::string_view hex) {
  const auto value = HexValue(hex);
  if (!value || *value > 0xFF) return std::nullopt;
  std::string text = std::to_string(*value / 100);
  if (const unsigned hundredths = *value % 100) {
    text += '.';
    text += static_cast<char>('0' + hundredths / 10);
    if (hundredths % 10) text += static_cast<char>('0' + hundredths % 10);
  }
  return text;
}

std::optional<std::string> MultiplierToHex(std::string_view decimal) {
  const auto value = DecimalValue(decimal);
  if (!value || *value < 0) return std::nullopt;
  // Rounded half to even, as the factor's hundredths.
  const double hundredths = std::nearbyint(*value * 100);
  if (hundredths > 0xFF) return std::nullopt;
  // Two digits, as the box shows a stored byte and as a write expects.
  return PadHex(HexText(static_cast<std::int32_t>(hundredths)), "2");
}

std::optional<std::string> GuardHexMultiplier(std::string_view hex) {
  const auto value = HexValue(hex);
  if (value && *value > 0xFF) return std::string("FF");
  return std::nullopt;
}

std::optional<std::string> GuardDecimalMultiplier(std::string_view decimal) {
  const auto value = DecimalValue(decimal);
  if (value && (*value > 2.55 || *value < 0)) return std::string("2.55");
  return std::nullopt;
}

}  // namespace vdk::editors
