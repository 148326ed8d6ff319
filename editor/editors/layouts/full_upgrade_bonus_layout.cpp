#include "editor/editors/layouts/full_upgrade_bonus_layout.h"

#include <string>
#include <utility>

namespace vdk::editors {

namespace {

const wchar_t* const kTerrainPlaces[kTerrainCombos] = {L"空", L"陆", L"海", L"宇"};

void AddTerrainGroup(RecordLayout& layout, const std::string& array, const std::wstring& label, int offset) {
  for (int k = 0; k < kTerrainCombos; ++k) {
    layout.fields.push_back({.control = Element(array, k),
                             .label = label + L"(" + kTerrainPlaces[k] + L")",
                             .offset = offset + k,
                             .width = 1,
                             .codec = ListCodec(static_cast<int>(TerrainRatingNames().size()))});
  }
}

RecordLayout MakeLayout() {
  RecordLayout layout{.tableOffset = 0x14C438, .recordSize = 38, .recordCount = 57, .fields = {}};
  auto add = [&layout](const char* control, const wchar_t* label, int offset, int width, Codec codec) {
    layout.fields.push_back(
        {.control = control, .label = label, .offset = offset, .width = width, .codec = std::move(codec)});
  };
  // Bytes 0x00-0x03, 0x11-0x14, 0x1B, 0x1D, 0x1F-0x20 and 0x25 are not shown.
  add("Text1", L"格斗武器+", 0x04, 2, DecimalCodec());
  add("Text2", L"射击武器+", 0x06, 2, DecimalCodec());
  add("Text3", L"念动武器+", 0x08, 2, DecimalCodec());
  add("Text4", L"HP+%", 0x0A, 1, DecimalCodec());
  add("Text5", L"EN+%", 0x0B, 1, DecimalCodec());
  add("Text6", L"运动性+%", 0x0C, 1, DecimalCodec());
  add("Text7", L"移动力+", 0x0D, 1, DecimalCodec());
  add("Text8", L"装甲+%", 0x0E, 1, DecimalCodec());
  add("Text9", L"W GAGE+", 0x0F, 1, DecimalCodec());
  add("Text10", L"强化芯片数+", 0x10, 1, DecimalCodec());
  AddTerrainGroup(layout, "Combo2", L"机体地形适应", 0x15);
  add("Combo1", L"附加机体技能", 0x19, 1, ListCodec(static_cast<int>(GrantedUnitSkillNames().size())));
  add("Text12", L"特殊属性", 0x1A, 1, HexCodec());
  add("Text13", L"武器命中+%", 0x1C, 1, DecimalCodec());
  add("Text14", L"武器弹数+", 0x1E, 1, DecimalCodec());
  AddTerrainGroup(layout, "Combo3", L"武器地形适应", 0x21);
  return layout;
}

}  // namespace

const RecordLayout& FullUpgradeBonusLayout() {
  static const RecordLayout layout = MakeLayout();
  return layout;
}

const ItemList& FullUpgradeBonusNames() {
  static const ItemList names{L"最大HP+10%",
                              L"最大EN+10%",
                              L"運動性+10%",
                              L"装甲値+10%",
                              L"移動力+1",
                              L"最大HP+15%",
                              L"最大HP+20%",
                              L"最大EN+15%",
                              L"最大EN+20%",
                              L"運動性+15%",
                              L"運動性+20%",
                              L"装甲値+15%",
                              L"装甲値+20%",
                              L"装甲値,最大EN+10%",
                              L"運動性,最大EN+10%",
                              L"装甲値,最大HP+15%",
                              L"装甲値+10%,最大EN+15%",
                              L"運動性+10%,最大EN+15%",
                              L"運動性,装甲値+15%",
                              L"最大HP+20%,最大EN+15%",
                              L"運動性+15%,最大HP+20%",
                              L"Wゲージ+30",
                              L"Wゲージ+30,最大EN+10%",
                              L"Wゲージ+40,最大EN+20%",
                              L"Wゲージ+50",
                              L"強化パーツ最大装備数+1",
                              L"地形適応「空」以外S",
                              L"「フルブロック」装備",
                              L"「HP 回復(小 )」装備",
                              L"「EN 回復(小 )」装備",
                              L"「AB フィールド」装備",
                              L"「分身」装備",
                              L"「ビーム吸収」装備",
                              L"念動フィールド+300",
                              L"分身発生率+20%",
                              L"念動武器攻撃力+200",
                              L"格闘武器の攻撃力+200",
                              L"射撃武器の攻撃力+200",
                              L"全武器の攻撃力+200",
                              L"固定武器の最大弾数+2",
                              L"固定武器の最大弾数+4",
                              L"武器の命中補正値+10%",
                              L"武器の命中補正値+20%",
                              L"固定武器地形適応S",
                              L"運動性+10%,最大HP+10%",
                              L"運動性+15%,最大EN+10%",
                              L"装甲値,最大HP+10%",
                              L"移動力+1,運動性+10%",
                              L"格闘武器の攻撃力+100",
                              L"格闘武器の攻撃力+300",
                              L"全武器の攻撃力+100",
                              L"移動適応「地中」追加",
                              L"全武器の攻撃力+300",
                              L"「パイロットブロック」装備",
                              L"移動力+3",
                              L"最大HP,最大EN+30 %",
                              L"念動フィールドS+ 400"};
  return names;
}

const ItemList& GrantedUnitSkillNames() {
  static const ItemList names{L"没有",
                              L"ＡＢフィールド",
                              L"Ｅフィールド",
                              L"Ｇ．ウォール",
                              L"Ｇ．テリトリー",
                              L"ビームコート",
                              L"ビーム吸收",
                              L"念动フィールド",
                              L"念动フィールドＳ",
                              L"歪曲フィールド",
                              L"ＨＰ回复（小）",
                              L"ＨＰ回复（中）",
                              L"ＨＰ回复（大）",
                              L"ＥＮ回复（小）",
                              L"ＥＮ回复（中）",
                              L"ＥＮ回复（大）",
                              L"精灵凭依",
                              L"分身",
                              L"ジャマー",
                              L"マインドブロック",
                              L"コクピットブロック",
                              L"エナジーブロック",
                              L"ウェポンブロック",
                              L"パイロットブロック",
                              L"ロボットブロック",
                              L"フルブロック",
                              L"???",
                              L"???",
                              L"???",
                              L"???",
                              L"???",
                              L"ＯＤＥシステム"};
  return names;
}

const ItemList& TerrainRatingNames() {
  static const ItemList names{L"-", L"D", L"C", L"B", L"A", L"S"};
  return names;
}

}  // namespace vdk::editors
