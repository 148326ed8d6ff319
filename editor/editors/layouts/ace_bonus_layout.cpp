#include "editor/editors/layouts/ace_bonus_layout.h"

namespace vdk::editors {

const ItemList& AceBonusNames() {
  static const ItemList names{
      L"未使用",
      L"援攻援防效果10%",
      L"命中+10%、クリティカル率+10%",
      L"援防+10%、获得EXP+10%",
      L"命中伤害+5%、被命中伤害-5%",
      L"获得EXP+10%、获得资金+10%",
      L"ラッキー+10%、幸运的SP15",
      L"命中+10%、回避+10%",
      L"回避+10%、クリティカル率+10%",
      L"获得资金+10%、命中+10%",
      L"念动系武器命中伤害+10%",
      L"最终命中+10%、最终回避+10%",
      L"命中+10%、SP+20",
      L"CE+20%、SP+10",
      L"最终命中+10%、SP+20",
      L"命中伤害+5%、最终命中+10%",
      L"命中伤害+10%",
      L"被间接攻击命中伤害-20%",
      L"爱的SP45",
      L"命、回+10%、クリティカル率+10%",
      L"格斗攻击+10%",
      L"射击攻击+10%",
      L"格斗攻击+5%、获得资金+10%",
      L"射击攻击+5%、获得EXP+10%",
      L"反击+10%",
      L"移舱力+1",
      L"指挥效果+5%、クリティカル率+10%",
      L"最终回避+15%",
      L"回避+10%、SP+20",
      L"获得EXP+20%",
      L"获得资金+20&",
      L"命中+10%、被命中伤害-10%",
      L"援护防御时被命中伤害-20%",
      L"被命中伤害-10%",
      L"被间接攻击命中伤害-10%",
      L"指挥效果+5%",
      L"クリティカル率+40%",
      L"射击攻击+5%、最终命中+10%",
      L"最终命中+20%",
      L"射击攻击+10%、回避+10%",
      L"反击+10%、被命中伤害-10%",
      L"回避+10%、クリティカル率+20%",
      L"反击+10%、命中+10%",
      L"被命中伤害-5%、回避+5%",
      L"回避+5%、クリティカル率+5%",
      L"被命中伤害-5%、命中+10%",
      L"被命中伤害-20%",
      L"命中+10%",
      L"クリティカル率+10%",
      L"回避+20%",
      L"クリティカル率+20%",
      L"命中+20%",
      L"命中伤害+10%、最终命中+15%",
      L"命中伤害+20%、クリティカル率+30%",
      L"命中伤害+5%",
      L"射击攻击+5%",
      L"被命中伤害-5%",
      L"命中+5%",
      L"命中+5%、回避+5%",
      L"クリティカル率+5%",
      L"カウンター+10%、格斗攻击+10%",
      L"SP+20",
      L"EXP+10%、祝福の消費ＳＰ２０",
      L"受ける最終ダメージ－１０％、最终回避+10%",
      L"回避+5%",
      L"反击+5%、回避+10%",
      L"反击+10%、クリティカル率+10%",
      L"命中伤害+10%、命中+10%",
      L"回避+5%、ラッキー+10%",
      L"受ける最終ダメージ－１５％",
      L"クリティカル率+30%",
      L"命中+10%、指挥效果+5%",
      L"反击+15%",
      L"获得资金+10%、SP+15",
      L"命中伤害+20%、最终命中+15%、クリティカル率+15%",
      L"命中伤害+15%、最终命中+10%、クリティカル率+10%",
      L"命中伤害+10%、最终命中+10%、クリティカル率+10%",
      L"受ける最終ダメージ－５％、最终回避+10%",
      L"最终命中+10%、クリティカル率+15%",
      L"再動の消費ＳＰ５０",
      L"格斗攻击+5%、クリティカル率＋３０％",
      L"最终回避+10%、クリティカル率+15%",
      L"援護攻撃の最終ダメージ＋１０％、最终命中+10%",
      L"命中+5%、クリティカル率+5%",
      L"回避+5%、クリティカル率+5%",
      L"カウンター+10%、格斗攻击+20%",
      L"最终命中+5%、最终回避+5%",
  };
  return names;
}

const ItemList& AceSpiritCommandNames() {
  static const ItemList names{
      L"没有",   L"???",      L"热血", L"ひらめき", L"不屈", L"铁壁", L"集中",   L"必中", L"感应",
      L"加速",   L"觉醒",     L"根性", L"ド根性",   L"信赖", L"友情", L"补给",   L"气合", L"气迫",
      L"激励",   L"てかげん", L"狙击", L"直击",     L"侦察", L"脱力", L"爱",     L"幸运", L"祝福",
      L"努力",   L"应援",     L"直感", L"再动",     L"突击", L"绊",   L"大激励", L"修行", L"予测",
      L"かく乱", L"魂",       L"连击", L"同调",     L"斗志", L"期待", L"祈り",   L"战栗",
  };
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
    list("Combo3", L"精神代码", AceSpiritCommandNames());
    decimal("Text18", L"该精神消耗");
    list("Combo2", L"技能效果类", AceEffectClassNames());
    decimal("Text19", L"移动+");
    return l;
  }();
  return layout;
}

}  // namespace vdk::editors
