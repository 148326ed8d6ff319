#include "editor/editors/layouts/pilot_layout.h"

#include "editor/editors/core/shared_lists.h"

namespace vdk::editors {

const std::array<SkillRow, kPilotSkills> kSkillRows{{
    {"Text22", "Text13"},
    {"Text23", "Text17"},
    {"Text24", "Text18"},
    {"Text25", "Text19"},
    {"Text26", "Text20"},
    {"Text28", "Text21"},
}};

const ItemList& SpiritCommandNames() {
  static const ItemList items{L"没有", L"???",    L"热血", L"ひらめき", L"不屈",   L"铁壁", L"集中", L"必中",
                              L"感应", L"加速",   L"觉醒", L"根性",     L"ド根性", L"信赖", L"友情", L"补给",
                              L"气合", L"气迫",   L"激励", L"てかげん", L"狙击",   L"直击", L"侦察", L"脱力",
                              L"爱",   L"幸运",   L"祝福", L"努力",     L"应援",   L"直感", L"再动", L"突击",
                              L"绊",   L"大激励", L"修行", L"予测",     L"かく乱", L"魂",   L"连击", L"同调",
                              L"斗志", L"期待",   L"祈り", L"战栗"};
  return items;
}

const ItemList& PilotSkillList() {
  static const ItemList items = Joined(PilotSkillNames(), {L"未使用"});
  return items;
}

const ItemList& PilotAceBonusNames() {
  static const ItemList items{L"援攻援防效果10%",
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
                              L"最终命中+5%、最终回避+5%"};
  return items;
}

namespace {

RecordLayout MakePilotLayout() {
  RecordLayout l{.tableOffset = 0x13B490, .recordSize = 148, .recordCount = 382};
  AddFields(l, CheckBoxByte("Check1", 18, BoardingFlagsFirstByte()));
  AddFields(l, CheckBoxByte("Check2", 19, BoardingFlagsSecondByte()));
  for (int s = 0; s < kPilotSkills; ++s)
    AddField(l, kSkillRows[static_cast<std::size_t>(s)].code, L"技能" + std::to_wstring(s + 1) + L"等级映射",
             24 + 2 * s, 2, HexCodec());
  for (int k = 0; k < 16; ++k)
    AddField(l, Element("Text27", k), L"信赖补正" + std::to_wstring(k + 1), 38 + 2 * k, 2, HexCodec());
  const wchar_t* stats[] = {L"SP值", L"格斗", L"射击", L"命中", L"回避", L"技量", L"防御"};
  for (int k = 0; k < 7; ++k)
    AddField(l, "Text" + std::to_string(2 + k), stats[k], 100 + k, 1, DecimalCodec());
  AddField(l, "Combo3", L"ACE奖励", 107, 1, ListCodec(ItemCount(PilotAceBonusNames())));
  const int spirits = ItemCount(SpiritCommandNames());
  for (int k = 0; k < 6; ++k) {
    const std::wstring spirit = L"精神指令" + std::to_wstring(k + 1);
    AddField(l, Element("Combo1", k), spirit, 108 + k, 1, ListCodec(spirits));
    AddField(l, Element("Text9", k), spirit + L"消耗SP", 114 + k, 1, DecimalCodec());
    AddField(l, Element("Text10", k), spirit + L"修得LV", 120 + k, 1, DecimalCodec());
  }
  AddField(l, "Combo2", L"双人精神", 126, 1, ListCodec(spirits));
  AddField(l, "Text16", L"双人精神SP", 127, 1, DecimalCodec());
  for (int k = 0; k < kPilotSkills; ++k)
    AddField(l, Element("Combo7", k), L"技能" + std::to_wstring(k + 1), 129 + k, 1,
             ListCodec(ItemCount(PilotSkillList())));
  return l;
}

RecordLayout MakeGrowthRowLayout(int skill) {
  RecordLayout l{
      .tableOffset = kGrowthTableOffset, .recordSize = kGrowthLevels, .recordCount = kGrowthRowCount};
  for (int level = 0; level < kGrowthLevels; ++level)
    AddField(l, Element(kSkillRows[static_cast<std::size_t>(skill)].levels, level),
             L"技能" + std::to_wstring(skill + 1) + L" LV" + std::to_wstring(level + 1) + L"修得LV", level, 1,
             DecimalCodec());
  return l;
}

// The row a skill's code box stands for, as the level boxes show it.
std::optional<std::uint32_t> ShownRow(const FormValues& values, int skill) {
  auto it = values.find(kSkillRows[static_cast<std::size_t>(skill)].code);
  if (it == values.end()) return std::nullopt;
  std::optional<std::uint32_t> row = RowCode(it->second.text);
  if (!row || *row == 0 || *row >= kGrowthRowCount) return std::nullopt;
  return row;
}

// Shows the rows of the skills in `skills` from their code boxes.
void ShowGrowthRows(const std::filesystem::path& file, const std::vector<int>& skills, FormValues& values,
                    GrowthRows& rows) {
  std::vector<RecordRef> refs;
  for (int s : skills) {
    rows[static_cast<std::size_t>(s)] = ShownRow(values, s);
    if (rows[static_cast<std::size_t>(s)]) {
      refs.push_back({&GrowthRowLayout(s), *rows[static_cast<std::size_t>(s)]});
      continue;
    }
    // No row: "0" for code 0000 as the game means it, empty for a code
    // that points beyond the table.
    std::optional<std::uint32_t> code = RowCode(values[kSkillRows[static_cast<std::size_t>(s)].code].text);
    const std::size_t zeros = code == 0u ? 1 : 0;
    for (int level = 0; level < kGrowthLevels; ++level)
      values[Element(kSkillRows[static_cast<std::size_t>(s)].levels, level)].text.assign(zeros, '0');
  }
  if (refs.empty()) return;
  FormValues shown = ShowRecords(file, refs);
  for (auto& [control, value] : shown) values[control] = value;
}

}  // namespace

const RecordLayout& PilotLayout() {
  static const RecordLayout layout = MakePilotLayout();
  return layout;
}

const RecordLayout& GrowthRowLayout(int skill) {
  static const std::array<RecordLayout, kPilotSkills> layouts{MakeGrowthRowLayout(0), MakeGrowthRowLayout(1),
                                                              MakeGrowthRowLayout(2), MakeGrowthRowLayout(3),
                                                              MakeGrowthRowLayout(4), MakeGrowthRowLayout(5)};
  return layouts.at(static_cast<std::size_t>(skill));
}

std::optional<std::uint32_t> RowCode(const std::string& codeText) {
  Field code{.control = "code", .offset = 0, .width = 2, .codec = HexCodec()};
  FormValues values{{"code", ControlValue{.text = codeText}}};
  std::vector<FieldError> errors;
  return StoredValue(code, values, errors);
}

FormValues ShowPilot(const std::filesystem::path& file, std::uint32_t pilot, GrowthRows& rows) {
  FormValues values = ShowRecord(file, PilotLayout(), pilot);
  ShowGrowthRows(file, {0, 1, 2, 3, 4, 5}, values, rows);
  return values;
}

std::vector<FieldError> WritePilot(const std::filesystem::path& file, std::uint32_t pilot, GrowthRows& rows,
                                   FormValues& values) {
  std::vector<RecordRef> refs{{&PilotLayout(), pilot}};
  for (int s = 0; s < kPilotSkills; ++s)
    if (rows[static_cast<std::size_t>(s)])
      refs.push_back({&GrowthRowLayout(s), *rows[static_cast<std::size_t>(s)]});
  std::vector<FieldError> errors = WriteRecords(file, refs, values);
  if (!errors.empty()) return errors;
  // The rows follow the codes as now written.
  ShowGrowthRows(file, {0, 1, 2, 3, 4, 5}, values, rows);
  return errors;
}

}  // namespace vdk::editors
