#include "editor/editors/layouts/enhancement_part_layout.h"

// A part grants one of the unit abilities.
#include "editor/editors/layouts/unit_layout.h"

namespace vdk::editors {

const ItemList& EnhancementPartNames() {
  static const ItemList names{
      L"ブースター",
      L"メガブースター",
      L"高性能スラスター",
      L"バイオセンサー",
      L"サーボモーター",
      L"アポジモーター",
      L"チョバムアーマー",
      L"ハイブリッドアーマー",
      L"オリハルコニウム",
      L"Z?O?アーマー",
      L"テスラ?ドライブ",
      L"テスラ?ドライブS",
      L"スラスターモジュール",
      L"防塵装置",
      L"スクリューモジュール",
      L"A-アダプター",
      L"S-アダプター",
      L"ハイパージャマー",
      L"マルチセンサー",
      L"デュアルセンサー",
      L"高性能レーダー",
      L"T-LINKセンサー",
      L"一撃必殺の心得",
      L"高性能照準器",
      L"リペアキット",
      L"プロペラントタンク",
      L"カートリッジ",
      L"スーパーリペアキット",
      L"SPドリンク",
      L"SSPドリンク",
      L"高性能電子頭脳",
      L"勇者の印",
      L"鋼の魂",
      L"大型ジェネレーター",
      L"メガジェネレーター",
      L"ギガジェネレーター",
      L"ソーラーパネル",
      L"ビームコート",
      L"ABフィールド",
      L"G?ウォール",
      L"G?テリトリー",
      L"ハチマキ",
      L"ねじりハチマキ",
  };
  return names;
}

const RecordLayout& EnhancementPartLayout() {
  static const RecordLayout layout = [] {
    RecordLayout l{.tableOffset = 0x14A69C, .recordSize = 40, .recordCount = 43};
    // The part number is shown for reference only; the game keys parts by it.
    l.fields.push_back({.control = "Text1",
                        .label = L"芯片序号(16)",
                        .offset = 0x00,
                        .width = 2,
                        .codec = HexCodec(),
                        .written = false});
    struct Number {
      const char* control;
      const wchar_t* label;
      int offset, width;
    };
    // In offset order; the bytes between them (0x12, 0x16-0x19, 0x1B, 0x22)
    // belong to nothing the form shows and are left as they are.
    constexpr Number kBefore[] = {
        {"Text2", L"附加HP", 0x02, 2},     {"Text3", L"附加EN", 0x04, 2},   {"Text4", L"附加移动力", 0x06, 2},
        {"Text5", L"附加运动性", 0x08, 2}, {"Text6", L"附加装甲", 0x0A, 2}, {"Text7", L"HP回复", 0x0C, 2},
        {"Text8", L"EN回复", 0x0E, 2},     {"Text9", L"弹数回复", 0x10, 2}, {"Text10", L"SP回复", 0x14, 2},
    };
    constexpr Number kAfter[] = {
        {"Text11", L"附加射程", 0x1C, 1}, {"Text12", L"附加命中率", 0x1D, 1}, {"Text13", L"附加CT", 0x1E, 1},
        {"Text14", L"附加气力", 0x1F, 1}, {"Text15", L"芯片价格", 0x20, 2},
    };
    auto add = [&l](const Number& n) {
      l.fields.push_back({.control = n.control,
                          .label = n.label,
                          .offset = n.offset,
                          .width = n.width,
                          .codec = DecimalCodec()});
    };
    for (const Number& n : kBefore) add(n);
    l.fields.push_back({.control = "Combo1",
                        .label = L"附加机体技能",
                        .offset = 0x1A,
                        .width = 1,
                        .codec = ListCodec(static_cast<int>(UnitAbilityNames().size()))});
    for (const Number& n : kAfter) add(n);
    l.fields.push_back(
        {.control = "Text16", .label = L"芯片类型?(16)", .offset = 0x24, .width = 2, .codec = HexCodec()});
    l.fields.push_back(
        {.control = "Text17", .label = L"地形适应(16)", .offset = 0x26, .width = 2, .codec = HexCodec()});
    return l;
  }();
  return layout;
}

}  // namespace vdk::editors
