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
                             .codec = ListCodec(static_cast<int>(TerrainScale().size()))});
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

}  // namespace vdk::editors
