// Upgrade costs: fifteen ascending stage costs per row, in round hundreds.
#include "tools/samples/generators.h"

namespace vdk::samples {
namespace {

void FillCostTable(Bytes& exe, const Table& table, Prng& r) {
  for (std::uint32_t row = 0; row < table.count; ++row) {
    Record rec(exe, table, row);
    std::uint32_t cost = r.steps(1000, 5000, 100);
    for (std::uint32_t k = 0; k < 15; ++k) {
      rec.u32(4 * k, cost);
      cost += r.steps(1000, 15000, 100);  // at most 5000 + 14 * 15000 = 215000
    }
  }
}

}  // namespace

void FillUpgradeCosts(Bytes& exe) {
  Prng r = StreamFor(kStreamUpgradeCosts);
  FillCostTable(exe, kUnitUpgradeCosts, r);
  FillCostTable(exe, kWeaponUpgradeCosts, r);
}

}  // namespace vdk::samples
