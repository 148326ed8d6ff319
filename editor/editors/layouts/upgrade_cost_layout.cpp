#include "editor/editors/layouts/upgrade_cost_layout.h"

#include <string>

namespace vdk::editors {

namespace {

// A row of 64 bytes: fifteen 32-bit stage costs, then four bytes that are
// not shown.
RecordLayout CostTable(std::uint32_t offset, std::uint32_t rows, const char* array, const wchar_t* title) {
  RecordLayout layout{.tableOffset = offset, .recordSize = 64, .recordCount = rows, .fields = {}};
  for (int k = 0; k < kUpgradeStages; ++k) {
    layout.fields.push_back({.control = Element(array, k),
                             .label = std::wstring(title) + L"第" + std::to_wstring(k + 1) + L"段",
                             .offset = 4 * k,
                             .width = 4,
                             .codec = DecimalCodec()});
  }
  return layout;
}

}  // namespace

const RecordLayout& UnitUpgradeCostLayout() {
  static const RecordLayout layout = CostTable(0x434B34, 4, "Text1", L"机体改造费用");
  return layout;
}

const RecordLayout& WeaponUpgradeCostLayout() {
  static const RecordLayout layout = CostTable(0x434EB4, 5, "Text2", L"武器改造费用");
  return layout;
}

const ItemList& UnitUpgradeRowNames() {
  static const ItemList names{L"HP", L"EN", L"运动性", L"装甲"};
  return names;
}

const ItemList& WeaponUpgradeRowNames() {
  static const ItemList names{L"第一种", L"第二种", L"第三种", L"第四种", L"第五种"};
  return names;
}

}  // namespace vdk::editors
