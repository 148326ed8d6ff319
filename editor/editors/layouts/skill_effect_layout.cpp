#include "editor/editors/layouts/skill_effect_layout.h"

#include <string>

namespace vdk::editors {

namespace {

RecordLayout MakeDefensiveLayout() {
  // Bytes 0x04-0x0B, 0x0E-0x0F, 0x11-0x13 and 0x15-0x1B are not shown.
  return RecordLayout{
      .tableOffset = 0x44E960,
      .recordSize = 28,
      .recordCount = 9,
      .fields = {
          {.control = "Text1", .label = L"编号", .offset = 0x00, .width = 4, .codec = HexCodec()},
          {.control = "Text2", .label = L"防御效果", .offset = 0x0C, .width = 2, .codec = DecimalCodec()},
          {.control = "Combo2",
           .label = L"类型",
           .offset = 0x10,
           .width = 1,
           .codec = ListCodec(static_cast<int>(DefenceTypeNames().size()))},
          {.control = "Text3", .label = L"消费EN", .offset = 0x14, .width = 1, .codec = DecimalCodec()},
      }};
}

// Ten 32-bit attack bonuses at 0x00, ten range or movement bonuses at 0x30;
// the eight bytes after each group are not shown.
RecordLayout MakeFightingStyleLayout() {
  RecordLayout layout{.tableOffset = 0x3A1A60, .recordSize = 96, .recordCount = 2, .fields = {}};
  struct Group {
    const char* array;
    int offset;
    const wchar_t* label;
  };
  for (const Group& group :
       {Group{"Text4", 0x00, L"射/格攻击力补正值"}, Group{"Text5", 0x30, L"射程/移动力补正值"}}) {
    for (int k = 0; k < kFightingStyleLevels; ++k) {
      layout.fields.push_back(
          {.control = Element(group.array, k),
           .label = std::wstring(L"LV").append(std::to_wstring(k + 1)).append(group.label),
           .offset = group.offset + 4 * k,
           .width = 4,
           .codec = DecimalCodec()});
    }
  }
  return layout;
}

}  // namespace

const RecordLayout& DefensiveSkillLayout() {
  static const RecordLayout layout = MakeDefensiveLayout();
  return layout;
}

const RecordLayout& FightingStyleLayout() {
  static const RecordLayout layout = MakeFightingStyleLayout();
  return layout;
}

const ItemList& DefensiveSkillNames() {
  static const ItemList names{L"ビームコート",    L"ABフィールド",   L"Eフィールド",
                              L"G·ウォール",      L"G·テリトリー",   L"念動フィールド",
                              L"念動フィールドS", L"歪曲フィールド", L"ビーム吸收"};
  return names;
}

const ItemList& DefenceTypeNames() {
  static const ItemList names{L"减少伤害", L"无效化伤害", L"念动力LV*防御效果", L"类型4"};
  return names;
}

const ItemList& FightingStyleNames() {
  static const ItemList names{L"ガンファイト", L"インファイト"};
  return names;
}

}  // namespace vdk::editors
