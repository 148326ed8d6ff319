#include "editor/editors/core/shared_lists.h"

namespace vdk::editors {

const ItemList& TerrainScale() {
  static const ItemList items{L"-", L"D", L"C", L"B", L"A", L"S"};
  return items;
}

const ItemList& BoardingFlagsFirstByte() {
  static const ItemList items{L"自由换乘",   L"リュウセイ", L"ラィ",       L"アヤ",
                              L"レーツェル", L"ラトゥーニ", L"エクセレン", L"虎龙王"};
  return items;
}

const ItemList& BoardingFlagsSecondByte() {
  static const ItemList items{L"龙虎王", L"ラミア",   L"アイビス",     L"參式(ゼンガー)",
                              L"ART1",   L"ギリアム", L"ダイゼンガー", L"???"};
  return items;
}

const ItemList& PilotSkillNames() {
  static const ItemList items{
      L"没有",           L"???",          L"念动力",         L"Ｂチルドレン",   L"Ｂマン",
      L"Ｍチルドレン",   L"ラッキー",     L"底力",           L"援护攻击",       L"援护防御",
      L"カウンター",     L"インファイト", L"ガンファイト",   L"ＳＰアップ",     L"指挥官",
      L"切り払い",       L"シールド防御", L"ＳＰ回复",       L"集中力",         L"ヒット＆アウェイ",
      L"天才",           L"アタッカー",   L"リベンジ",       L"予知",           L"强运",
      L"见切り",         L"神业",         L"Ｅセーブ",       L"Ｂセーブ",       L"ラーニング",
      L"斗争心",         L"战意高扬",     L"气力＋（回避）", L"气力＋（命中）", L"气力＋（ダメージ）",
      L"气力＋（击破）", L"连携攻击",     L"集束攻击",       L"ガード",         L"气力限界突破",
      L"修理技能",       L"补给技能",     L"统率",           L"２回行动",       L"がんばり屋",
      L"ＥＸＰアップ"};
  return items;
}

ItemList Joined(const ItemList& list, std::initializer_list<const wchar_t*> more) {
  ItemList joined = list;
  joined.insert(joined.end(), more.begin(), more.end());
  return joined;
}

}  // namespace vdk::editors
