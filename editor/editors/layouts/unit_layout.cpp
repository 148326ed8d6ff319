#include "editor/editors/layouts/unit_layout.h"

#include <string>

#include "editor/editors/core/shared_lists.h"
#include "editor/name_lists.h"

namespace vdk::editors {

const ItemList& UnitAbilityNames() {
  static const ItemList items{L"没有",
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
  return items;
}

const ItemList& FullUpgradeBonusNames() {
  static const ItemList items{L"最大HP+10%",
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
  return items;
}

const ItemList& UnitSizeNames() {
  static const ItemList items{L"-", L"S", L"M", L"L", L"LL"};
  return items;
}

namespace {

RecordLayout MakeUnitLayout() {
  RecordLayout l{.tableOffset = 0x11F8A4, .recordSize = 100, .recordCount = 427};
  // A bit field of the terrain, movement and size word at offset 6.
  auto terrain = [&](std::string control, std::wstring label, int shift, int bits, Codec codec) {
    AddBitField(l, std::move(control), std::move(label), 6, 4, shift, bits, std::move(codec));
  };
  const int ranks = ItemCount(TerrainScale());

  AddField(l, "Text1", L"HP", 0, 4, DecimalCodec());
  AddField(l, "Text2", L"最大改造段数", 4, 2, HexCodec());
  AddField(l, "Text3", L"地形、移动类型、体积(16)", 6, 4, HexCodec());
  terrain("Combo23", L"地形适应 空", 0, 3, ListCodec(ranks));
  terrain("Combo22", L"地形适应 陆", 3, 3, ListCodec(ranks));
  terrain("Combo21", L"地形适应 海", 6, 3, ListCodec(ranks));
  terrain("Combo20", L"地形适应 宇", 9, 3, ListCodec(ranks));
  terrain("Check6", L"移动类型 空", 12, 1, CheckCodec());
  terrain("Check5", L"移动类型 陆", 13, 1, CheckCodec());
  terrain("Check4", L"移动类型 海", 14, 1, CheckCodec());
  terrain("Check3", L"移动类型 宇", 15, 1, CheckCodec());
  terrain("Combo24", L"体形", 16, 3, ListCodec(ItemCount(UnitSizeNames())));
  terrain("Text4", L"未知数值(2进制)", 19, 2, BinaryCodec(2));
  AddField(l, "Text5", L"机体名", 10, 4, HexCodec());
  AddField(l, "Text6", L"EN", 24, 2, DecimalCodec());
  AddField(l, "Text7", L"装甲", 26, 2, DecimalCodec());
  AddField(l, "Text8", L"修理费", 28, 2, DecimalCodec());
  AddField(l, "Text9", L"击破费", 30, 2, DecimalCodec());
  AddFields(l, CheckBoxByte("Check1", 34, BoardingFlagsFirstByte()));
  AddFields(l, CheckBoxByte("Check2", 35, BoardingFlagsSecondByte()));
  // An empty slot (0xFFFF) is the last weapon name.
  const int weapons = static_cast<int>(kWeaponNames.count);
  for (int slot = 0; slot < kWeaponSlots; ++slot) {
    std::wstring label = (slot < 8 ? L"固定武器" : L"换装武器") + std::to_wstring(slot % 8 + 1);
    AddField(l, "Combo" + std::to_string(kFirstWeaponCombo + slot), label, 36 + 2 * slot, 2,
             ListCodec(weapons, {{0xFFFF, weapons - 1}}));
  }
  AddField(l, "Text11", L"机体图象与武器动画", 68, 4, HexCodec());
  AddField(l, "Text12", L"机体BGM", 72, 1, HexCodec());
  AddField(l, "Text13", L"移动力", 82, 1, DecimalCodec());
  AddField(l, "Text14", L"运动性", 83, 1, DecimalCodec());
  AddField(l, "Combo18", L"改满奖励", 84, 1, ListCodec(ItemCount(FullUpgradeBonusNames())));
  AddField(l, "Text16", L"W-GAGE", 85, 1, DecimalCodec());
  AddField(l, "Text17", L"击坠所得PP", 86, 1, DecimalCodec());
  for (int k = 0; k < 5; ++k)
    AddField(l, Element("Combo1", k), L"机体技能" + std::to_wstring(k + 1), 87 + k, 1,
             ListCodec(ItemCount(UnitAbilityNames())));
  AddField(l, "Text18", L"变形代码", 94, 1, HexCodec());
  return l;
}

}  // namespace

const RecordLayout& UnitLayout() {
  static const RecordLayout layout = MakeUnitLayout();
  return layout;
}

}  // namespace vdk::editors
