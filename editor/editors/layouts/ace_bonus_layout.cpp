#include "editor/editors/layouts/ace_bonus_layout.h"

#include "editor/editors/layouts/pilot_layout.h"

namespace vdk::editors {

const ItemList& AceBonusNames() {
  // Record 0 is unused; records 1 to 86 are the bonuses a pilot can carry.
  static const ItemList names = [] {
    ItemList all{L"未使用"};
    all.insert(all.end(), PilotAceBonusNames().begin(), PilotAceBonusNames().end());
    return all;
  }();
  return names;
}

const ItemList& AceEffectClassNames() {
  static const ItemList names{L"-", L"カウンターの発生率+10%", L"LUC+10%", L"指揮+5%"};
  return names;
}

const RecordLayout& AceBonusLayout() {
  static const RecordLayout layout = [] {
    RecordLayout l{.tableOffset = 0x14BC04, .recordSize = 24, .recordCount = 87};
    struct Byte {
      const char* control;
      const wchar_t* label;
    };
    // Bytes 0x04-0x13, one boost each.
    constexpr Byte kBoosts[] = {
        {"Text1", L"格斗攻击+"}, {"Text2", L"射击攻击+"},  {"Text3", L"反击+"},      {"Text4", L"念动+"},
        {"Text5", L"援攻+"},     {"Text6", L"伤害-"},      {"Text7", L"援防-"},      {"Text8", L"间攻-"},
        {"Text9", L"命中+"},     {"Text10", L"最终命中+"}, {"Text11", L"回避+"},     {"Text12", L"最终回避+"},
        {"Text13", L"CT+"},      {"Text14", L"EXP+"},      {"Text15", L"获得资金+"}, {"Text16", L"SP+"},
    };
    int offset = 0x04;
    auto decimal = [&](const char* control, const wchar_t* label) {
      l.fields.push_back({.control = control, .label = label, .offset = offset++, .codec = DecimalCodec()});
    };
    auto list = [&](const char* control, const wchar_t* label, const ItemList& items) {
      l.fields.push_back({.control = control,
                          .label = label,
                          .offset = offset++,
                          .codec = ListCodec(static_cast<int>(items.size()))});
    };
    for (const Byte& b : kBoosts) decimal(b.control, b.label);
    list("Combo3", L"精神代码", SpiritCommandNames());
    decimal("Text18", L"该精神消耗");
    list("Combo2", L"技能效果类", AceEffectClassNames());
    decimal("Text19", L"移动+");
    return l;
  }();
  return layout;
}

}  // namespace vdk::editors
