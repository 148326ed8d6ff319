#include "editor/editors/layouts/ammo_material_layout.h"

#include <vector>

namespace vdk::editors {

const ItemList& AmmoMaterialNames() {
  static const ItemList names{
      L"攻撃力↑  弾数↓",
      L"攻撃力↑  射程↓",
      L"射程↑ 攻撃力↓",
      L"射程↑ 弾数↓",
      L"命中↑ 射程↓",
      L"命中↑ クリティカル↓",
      L"クリティカル↑  射程↓",
      L"クリティカル↑  命中↓",
      L"気力↑ 攻撃力↓",
      L"気力↑ 弾数↓",
      L"地形適応空↑",
      L"地形適応陸↑",
      L"地形適応海↑",
      L"地形適応宇↑",
      L"移動後攻撃可能",
      L"バリア弱体↑ 気力↓",
      L"バリア貫通↑ 気力↓",
      L"攻撃力↑",
      L"射程↑",
      L"命中↑",
      L"クリティカル↑",
      L"気力↑",
      L"攻撃力↑  クリティカル↑",
      L"射程↑ 命中↑",
      L"地形適応↑",
      L"対地形弾の素1",
      L"対地形弾の素2",
      L"対サイズ弾の素1",
      L"対サイズ弾の素2",
      L"対特性弾の素1",
      L"対特性弾の素2",
      L"対機体弾の素1",
      L"対機体弾の素2",
  };
  return names;
}

const RecordLayout& AmmoMaterialLayout() {
  static const RecordLayout layout = [] {
    RecordLayout l{.tableOffset = 0x14CD58, .recordSize = 18, .recordCount = 33};
    l.fields.push_back({.control = "Text1",
                        .label = L"序号(16)",
                        .offset = 0x00,
                        .width = 2,
                        .codec = HexCodec(),
                        .written = false});
    l.fields.push_back({.control = "Text2",
                        .label = L"附加攻击力",
                        .offset = 0x02,
                        .width = 2,
                        .codec = SignedCodec(60000)});
    struct Change {
      const char* control;
      const wchar_t* label;
      int offset;
    };
    // The bytes 0x05 and 0x07 between them are not shown and stay as they are.
    constexpr Change kChanges[] = {
        {"Text3", L"附加命中", 0x04}, {"Text4", L"附加CT", 0x06},         {"Text5", L"附加射程", 0x08},
        {"Text6", L"附加弹数", 0x09}, {"Text7", L"所需气力增减值", 0x0A},
    };
    for (const Change& c : kChanges)
      l.fields.push_back(
          {.control = c.control, .label = c.label, .offset = c.offset, .codec = SignedCodec(99)});
    constexpr Change kTerrain[] = {
        {"Text8", L"地形适应 空", 0x0B},
        {"Text9", L"地形适应 陆", 0x0C},
        {"Text10", L"地形适应 海", 0x0D},
        {"Text11", L"地形适应 宇", 0x0E},
    };
    for (const Change& c : kTerrain)
      l.fields.push_back({.control = c.control, .label = c.label, .offset = c.offset, .codec = HexCodec()});
    // With no option selected the code byte keeps whatever it holds.
    l.fields.push_back({.control = "Option1",
                        .label = L"特殊属性",
                        .offset = 0x10,
                        .codec = OptionsCodec(std::vector<std::uint32_t>(std::begin(kSpecialPropertyCodes),
                                                                         std::end(kSpecialPropertyCodes)))});
    return l;
  }();
  return layout;
}

}  // namespace vdk::editors
