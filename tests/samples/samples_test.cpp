#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "tools/samples/sample_files.h"

namespace vdk::samples {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

const SampleFiles& Files() {
  static const SampleFiles files = MakeSampleFiles();
  return files;
}

// Little-endian reads of one record, written here again so that the checks
// do not lean on the generator's own helpers.
struct View {
  const Bytes& file;
  std::uint32_t base;
  View(const Bytes& f, const Table& t, std::uint32_t i) : file(f), base(t.at(i)) {}
  std::uint32_t u8(std::uint32_t at) const { return file.at(base + at); }
  std::uint32_t u16(std::uint32_t at) const { return u8(at) | u8(at + 1) << 8; }
  std::uint32_t u32(std::uint32_t at) const { return u16(at) | u16(at + 2) << 16; }
};

bool IsOneOf(std::uint32_t v, std::initializer_list<std::uint32_t> values) {
  return std::find(values.begin(), values.end(), v) != values.end();
}

// A weapon, unit or pilot number as a list shows it: an index below the last
// name, or 0xFFFF for the last name.
bool InList(std::uint32_t v, std::uint32_t listLength) {
  return v < listLength - 1 || v == kNone16;
}

// Bytes shown by the 99 rule: small positives or small negatives.
bool Signed99(std::uint32_t b) {
  return b <= 99 || b >= 156;
}

template <typename F>
void ForEachRecord(const Bytes& file, const Table& t, std::set<std::uint32_t> skip, F check) {
  for (std::uint32_t i = 0; i < t.count; ++i) {
    if (skip.count(i)) continue;
    SCOPED_TRACE(std::string(t.name) + " record " + std::to_string(i));
    check(View(file, t, i));
  }
}

TEST(SampleFiles, AreTheSameBytesOnEveryCallAndEveryBuild) {
  const SampleFiles again = MakeSampleFiles();
  ASSERT_EQ(Files().sharedBin.size(), kSharedBinSize);
  ASSERT_EQ(Files().exe.size(), kExeSize);
  EXPECT_TRUE(again.sharedBin == Files().sharedBin);
  EXPECT_TRUE(again.exe == Files().exe);
  // The same figures from the native and the Windows build: any dependence on
  // the compiler (evaluation order, library distributions) changes them. A
  // deliberate change of the generator updates them here.
  EXPECT_EQ(Fingerprint(Files().sharedBin), 0xFB0B58BA0F771A55ull);
  EXPECT_EQ(Fingerprint(Files().exe), 0x5056048AE350D095ull);
  EXPECT_NE(Fingerprint({1, 2}), Fingerprint({2, 1}));
}

TEST(SampleFiles, TablesLieInsideTheirFileWithoutOverlapping) {
  auto check = [](const auto& tables, std::size_t fileSize) {
    std::vector<Table> sorted(std::begin(tables), std::end(tables));
    std::sort(sorted.begin(), sorted.end(),
              [](const Table& a, const Table& b) { return a.offset < b.offset; });
    for (std::size_t k = 0; k < sorted.size(); ++k) {
      EXPECT_LE(sorted[k].end(), fileSize) << sorted[k].name;
      if (k + 1 < sorted.size()) {
        EXPECT_LE(sorted[k].end(), sorted[k + 1].offset) << sorted[k].name;
      }
    }
  };
  check(kSharedBinTables, kSharedBinSize);
  check(kExeTables, kExeSize);
}

TEST(SampleFiles, FillerOutsideTheTablesAndInUnshownFieldsIsRandom) {
  auto zeroShare = [](const Bytes& file, const auto& tables) {
    std::vector<bool> inTable(file.size());
    for (const Table& t : tables) std::fill(inTable.begin() + t.offset, inTable.begin() + t.end(), true);
    std::size_t outside = 0, zeros = 0;
    std::set<std::uint8_t> seen;
    for (std::size_t i = 0; i < file.size(); ++i) {
      if (inTable[i]) continue;
      ++outside;
      zeros += file[i] == 0;
      seen.insert(file[i]);
    }
    EXPECT_EQ(seen.size(), 256u);
    return static_cast<double>(zeros) / static_cast<double>(outside);
  };
  EXPECT_LT(zeroShare(Files().sharedBin, kSharedBinTables), 0.01);
  EXPECT_LT(zeroShare(Files().exe, kExeTables), 0.01);

  // Bytes no editor shows keep the filler, so a write that touches them shows.
  std::set<std::uint32_t> unitGap, partGap, costTail;
  for (std::uint32_t i = 0; i < kUnits.count; ++i) unitGap.insert(View(Files().sharedBin, kUnits, i).u32(14));
  for (std::uint32_t i = 0; i < kEnhancementParts.count; ++i)
    partGap.insert(View(Files().sharedBin, kEnhancementParts, i).u32(0x16));
  for (std::uint32_t r = 0; r < kWeaponUpgradeCosts.count; ++r)
    costTail.insert(View(Files().exe, kWeaponUpgradeCosts, r).u32(0x3C));
  EXPECT_GT(unitGap.size(), kUnits.count - 5);
  EXPECT_GT(partGap.size(), kEnhancementParts.count - 3);
  EXPECT_GT(costTail.size(), 3u);
}

TEST(SampleFiles, UnitRecordsHoldPlausibleValues) {
  using namespace notable;
  ForEachRecord(Files().sharedBin, kUnits,
                {kUnitAbility255, kUnitTerrainBits21To22, kUnitTerrainBits21To23, kUnitBeyondLists},
                [](const View& v) {
                  EXPECT_GE(v.u32(0), 1000u);
                  EXPECT_LE(v.u32(0), 99999u);
                  for (std::uint32_t d : {v.u8(4) >> 4, v.u8(4) & 0xF, v.u8(5) >> 4, v.u8(5) & 0xF})
                    EXPECT_TRUE(d == 0xA || d == 0xF) << d;
                  const std::uint32_t word = v.u32(6);
                  for (int t = 0; t < 4; ++t) EXPECT_LE((word >> (3 * t)) & 7, kTerrainRanks - 1);
                  EXPECT_NE((word >> 12) & 0xF, 0u) << "a unit that cannot move anywhere";
                  EXPECT_LT((word >> 16) & 7, kUnitSizes);
                  EXPECT_EQ(word >> 21, 0u);
                  EXPECT_GT(v.u16(24), 0u);
                  EXPECT_GT(v.u16(26), 0u);
                  EXPECT_NE(v.u16(36), kNone16) << "no fixed weapon";
                  for (std::uint32_t s = 0; s < 16; ++s) EXPECT_TRUE(InList(v.u16(36 + 2 * s), kWeaponNames));
                  EXPECT_GE(v.u8(82), 1u);
                  EXPECT_LE(v.u8(82), 15u);
                  EXPECT_LT(v.u8(84), kFullUpgradeBonusKinds);
                  for (std::uint32_t a = 0; a < 5; ++a) EXPECT_LT(v.u8(87 + a), kUnitSkills);
                });
}

TEST(SampleFiles, PilotRecordsAndTheirGrowthRowsHoldPlausibleValues) {
  const Bytes& file = Files().sharedBin;
  ForEachRecord(file, kPilots, {notable::kPilotBeyondLists}, [&](const View& v) {
    EXPECT_GT(v.u8(100), 0u);
    for (std::uint32_t s = 101; s <= 106; ++s) EXPECT_GT(v.u8(s), 0u);
    EXPECT_LT(v.u8(107), kPilotAceBonuses);
    EXPECT_LT(v.u8(126), kSpiritCommands);
    std::uint32_t lastLevel = 0;
    for (std::uint32_t s = 0; s < 6; ++s) {
      EXPECT_LT(v.u8(108 + s), kSpiritCommands);
      EXPECT_GE(v.u8(120 + s), lastLevel);
      EXPECT_LE(v.u8(120 + s), 99u);
      lastLevel = v.u8(120 + s);
      const std::uint32_t skill = v.u8(129 + s);
      const std::uint32_t code = v.u16(24 + 2 * s);
      EXPECT_LT(skill, kPilotSkills);
      if (skill == 0) {
        EXPECT_EQ(code, 0u) << "skill slot " << s;
        continue;
      }
      ASSERT_GE(code, 1u) << "skill slot " << s;
      ASSERT_LT(code, kSkillGrowth.count) << "skill slot " << s;
      const View row(file, kSkillGrowth, code);
      for (std::uint32_t l = 1; l < 9; ++l) EXPECT_LT(row.u8(l - 1), row.u8(l)) << "row " << code;
      EXPECT_LE(row.u8(8), 99u) << "row " << code;
    }
  });
}

TEST(SampleFiles, WeaponRecordsHoldPlausibleValues) {
  using namespace notable;
  ForEachRecord(Files().sharedBin, kWeapons, {kWeaponTopBits, kWeaponHit100, kWeaponBeyondLists},
                [](const View& v) {
                  const std::uint32_t word = v.u32(0);
                  EXPECT_EQ(word >> 30, 0u);
                  EXPECT_LT((word >> 27) & 7, kWeaponUpgradeEffects);
                  EXPECT_LT((word >> 24) & 7, kWeaponUpgradePrices);
                  for (int t = 0; t < 4; ++t) EXPECT_LE((word >> (12 + 3 * t)) & 7, kTerrainRanks - 1);
                  EXPECT_GT(v.u16(0x08), 0u);
                  EXPECT_TRUE(Signed99(v.u8(0x0A)));
                  EXPECT_TRUE(Signed99(v.u8(0x0C)));
                  EXPECT_GE(v.u8(0x17), 1u);
                  EXPECT_LE(v.u8(0x17), v.u8(0x18));
                  EXPECT_TRUE(v.u8(0x19) > 0 || v.u8(0x1A) > 0) << "neither ammunition nor EN";
                  EXPECT_TRUE(v.u8(0x1D) < kRequiredSkills || v.u8(0x1D) == 0xFF);
                });
}

TEST(SampleFiles, SmallSharedBinTablesHoldPlausibleValues) {
  const Bytes& file = Files().sharedBin;
  using namespace notable;
  ForEachRecord(file, kCombinationAttacks, {}, [](const View& v) {
    for (std::uint32_t k = 0; k < 4; ++k) {
      EXPECT_TRUE(InList(v.u16(2 * k), kWeaponNames));
      EXPECT_TRUE(InList(v.u16(8 + 2 * k), kUnitCodeNames));
      EXPECT_TRUE(InList(v.u16(16 + 2 * k), kPilotCodeNames));
    }
    EXPECT_NE(v.u16(0), kNone16);
    EXPECT_NE(v.u16(2), kNone16) << "a combination needs two weapons";
    EXPECT_GE(v.u8(0x18), 100u);
  });
  ForEachRecord(file, kTraining, {kTrainingOddType}, [](const View& v) {
    for (std::uint32_t l = 1; l < 9; ++l) EXPECT_LE(v.u8(4 + l - 1), v.u8(4 + l));
    EXPECT_TRUE(IsOneOf(v.u8(0x0D) >> 4, {0, 5, 7})) << v.u8(0x0D);
  });
  ForEachRecord(file, kEnhancementParts, {}, [](const View& v) {
    EXPECT_LT(v.u8(0x1A), kUnitSkills);
    EXPECT_GT(v.u16(0x20), 0u);
  });
  ForEachRecord(file, kAceBonuses, {kAceBeyondLists}, [](const View& v) {
    EXPECT_LT(v.u8(0x14), kSpiritCommands);
    EXPECT_LT(v.u8(0x16), kAceEffectClasses);
    for (std::uint32_t at = 0x04; at <= 0x13; ++at) EXPECT_LE(v.u8(at), 100u);
  });
  ForEachRecord(file, kFullUpgradeBonuses, {kBonusBeyondLists}, [](const View& v) {
    for (std::uint32_t t = 0; t < 4; ++t) {
      EXPECT_LT(v.u8(0x15 + t), kTerrainRanks);
      EXPECT_LT(v.u8(0x21 + t), kTerrainRanks);
    }
    EXPECT_LT(v.u8(0x19), kUnitSkills);
  });
  ForEachRecord(file, kAmmoMaterials, {kAmmoProperty2, kAmmoAttack60000}, [](const View& v) {
    const std::uint32_t attack = v.u16(0x02);
    EXPECT_TRUE(attack <= 1000 || attack > 60000) << attack;
    for (std::uint32_t at : {0x04u, 0x06u, 0x08u, 0x09u, 0x0Au}) EXPECT_TRUE(Signed99(v.u8(at))) << at;
    for (std::uint32_t t = 0; t < 4; ++t) EXPECT_LE(v.u8(0x0B + t), 1u);
    EXPECT_TRUE(IsOneOf(v.u8(0x10), {0, 1, 4, 6}));
  });
}

TEST(SampleFiles, ExecutableTablesHoldPlausibleValues) {
  const Bytes& file = Files().exe;
  for (const Table& t : {kUnitUpgradeCosts, kWeaponUpgradeCosts}) {
    ForEachRecord(file, t, {}, [](const View& v) {
      EXPECT_GT(v.u32(0), 0u);
      for (std::uint32_t k = 1; k < 15; ++k) EXPECT_GT(v.u32(4 * k), v.u32(4 * (k - 1)));
      EXPECT_LT(v.u32(4 * 14), 1000000u);
    });
  }
  ForEachRecord(file, kDefensiveSkills, {notable::kDefenceBeyondList}, [](const View& v) {
    EXPECT_GT(v.u16(0x0C), 0u);
    EXPECT_LT(v.u8(0x10), kDefenceTypes);
  });
  ForEachRecord(file, kFightingStyles, {}, [](const View& v) {
    for (std::uint32_t k = 1; k < 10; ++k) {
      EXPECT_GT(v.u32(4 * k), v.u32(4 * (k - 1)));
      EXPECT_GE(v.u32(0x30 + 4 * k), v.u32(0x30 + 4 * (k - 1)));
    }
    EXPECT_LE(v.u32(4 * 9), 10000u);
    EXPECT_LE(v.u32(0x30 + 4 * 9), 9u);
  });
}

TEST(SampleFiles, NotableRecordsHoldTheirCornerValues) {
  using namespace notable;
  const Bytes& s = Files().sharedBin;
  const Bytes& x = Files().exe;
  EXPECT_EQ(View(s, kUnits, kUnitTerrainExample).u32(6), kUnitTerrainExampleWord);
  EXPECT_EQ(View(s, kUnits, kUnitAbility255).u8(87 + kUnitAbility255Slot), 255u);
  EXPECT_EQ(View(s, kUnits, kUnitTerrainBits21To22).u32(6) >> 21, 3u);
  EXPECT_EQ(View(s, kUnits, kUnitTerrainBits21To23).u32(6) >> 21, 7u);
  {
    const View u(s, kUnits, kUnitBeyondLists);
    EXPECT_EQ((u.u32(6) >> 9) & 7, 6u);
    EXPECT_EQ((u.u32(6) >> 16) & 7, 5u);
    EXPECT_EQ(u.u8(84), 60u);
    EXPECT_EQ(u.u16(36 + 2 * 3), 3600u);
  }

  EXPECT_EQ(View(s, kWeapons, kWeaponTopBits).u32(0) >> 30, 3u);
  EXPECT_EQ(View(s, kWeapons, kWeaponPilotSkill).u8(0x1D), 0xFFu);
  EXPECT_EQ(View(s, kWeapons, kWeaponHit100).u8(0x0A), 100u);
  EXPECT_EQ(View(s, kWeapons, kWeaponNegativeModifiers).u8(0x0A), 0xF6u);
  EXPECT_EQ(View(s, kWeapons, kWeaponNegativeModifiers).u8(0x0C), 0xFBu);
  {
    const View w(s, kWeapons, kWeaponBeyondLists);
    EXPECT_EQ((w.u32(0) >> 27) & 7, 6u);
    EXPECT_EQ((w.u32(0) >> 24) & 7, 7u);
    EXPECT_EQ((w.u32(0) >> 12) & 7, 7u);
    EXPECT_EQ(w.u8(0x1D), 50u);
  }
  std::vector<std::uint32_t> searched;
  for (std::uint32_t i = 0; i < kWeapons.count; ++i) {
    EXPECT_NE(View(s, kWeapons, i).u16(0x08), kUnmatchedAttack) << i;
    if (View(s, kWeapons, i).u16(0x08) == kSearchedAttack) searched.push_back(i);
  }
  EXPECT_GE(searched.size(), 4u);
  EXPECT_NE(std::find(searched.begin(), searched.end(), kWeaponSearched), searched.end());

  EXPECT_EQ(View(s, kPilots, kPilotRowCode5).u16(24), 5u);
  EXPECT_EQ(View(s, kPilots, kPilotsSharingRowA).u16(24), kSharedRowCode);
  EXPECT_EQ(View(s, kPilots, kPilotsSharingRowB).u16(24), kSharedRowCode);
  for (std::uint32_t k = 0; k < 6; ++k) {
    EXPECT_EQ(View(s, kPilots, kPilotWithoutSkills).u16(24 + 2 * k), 0u);
    EXPECT_EQ(View(s, kPilots, kPilotWithoutSkills).u8(129 + k), 0u);
  }
  {
    const View p(s, kPilots, kPilotBeyondLists);
    EXPECT_EQ(p.u8(107), 90u);
    EXPECT_EQ(p.u8(108), 50u);
    EXPECT_EQ(p.u8(129), 60u);
  }

  EXPECT_EQ(View(s, kCombinationAttacks, kComboMultiplier123).u8(0x18), 0x7Bu);
  EXPECT_EQ(View(s, kCombinationAttacks, kComboMultiplierMax).u8(0x18), 0xFFu);
  EXPECT_EQ(View(s, kTraining, kTrainingMain).u8(0x0D), 0x53u);
  EXPECT_EQ(View(s, kTraining, kTrainingSub).u8(0x0D), 0x73u);
  EXPECT_EQ(View(s, kTraining, kTrainingOddType).u8(0x0D), 0x23u);
  EXPECT_EQ(View(s, kEnhancementParts, kPartSkill31).u8(0x1A), 31u);
  EXPECT_EQ(View(s, kEnhancementParts, kPartPrice65535).u16(0x20), 65535u);
  EXPECT_EQ(View(s, kFullUpgradeBonuses, kBonusSpecial0A).u8(0x1A), 0x0Au);
  EXPECT_EQ(View(s, kFullUpgradeBonuses, kBonusBeyondLists).u8(0x15), 6u);
  EXPECT_EQ(View(s, kFullUpgradeBonuses, kBonusBeyondLists).u8(0x19), 40u);
  EXPECT_EQ(View(s, kAmmoMaterials, kAmmoAttackMinus10).u16(0x02), 0xFFF6u);
  EXPECT_EQ(View(s, kAmmoMaterials, kAmmoAttack60000).u16(0x02), 60000u);
  EXPECT_EQ(View(s, kAmmoMaterials, kAmmoAttack60001).u16(0x02), 60001u);
  EXPECT_EQ(View(s, kAmmoMaterials, kAmmoProperty2).u8(0x10), 2u);
  for (std::uint32_t at = 0x04; at <= 0x17; ++at)
    EXPECT_EQ(View(s, kAceBonuses, kAceUnused).u8(at), 0u) << at;
  EXPECT_EQ(View(s, kAceBonuses, kAceBeyondLists).u8(0x14), 50u);
  EXPECT_EQ(View(s, kAceBonuses, kAceBeyondLists).u8(0x16), 5u);
  EXPECT_EQ(View(x, kDefensiveSkills, kDefenceType3).u8(0x10), 3u);
  EXPECT_EQ(View(x, kDefensiveSkills, kDefenceBeyondList).u8(0x10), 4u);
}

// A scratch folder removed again when the test ends.
struct Scratch {
  fs::path path;
  Scratch() {
    static std::atomic<int> counter{0};
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    path = fs::temp_directory_path() /
           ("vdk-samples-test-" + std::to_string(now) + "-" + std::to_string(counter++));
    fs::remove_all(path);
  }
  ~Scratch() {
    std::error_code ec;
    fs::remove_all(path, ec);
  }
};

Bytes ReadFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

TEST(WriteSampleFiles, CreatesTheFolderAndReplacesOlderFiles) {
  Scratch scratch;
  const fs::path folder = scratch.path / "a" / "b";
  fs::create_directories(folder);
  std::ofstream(folder / kSharedBinName, std::ios::binary) << std::string(kSharedBinSize + 100, 'x');
  WrittenPaths written;
  std::string error;
  ASSERT_TRUE(WriteSampleFiles(folder, written, error)) << error;
  EXPECT_EQ(written.sharedBin, folder / "SHARED.BIN");
  EXPECT_EQ(written.exe, folder / "VDKX_418.06");
  EXPECT_TRUE(ReadFile(written.sharedBin) == Files().sharedBin);
  EXPECT_TRUE(ReadFile(written.exe) == Files().exe);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 2)
      << "temporary files left behind";

  const fs::path fresh = scratch.path / "new" / "deeper";
  ASSERT_TRUE(WriteSampleFiles(fresh, written, error)) << error;
  EXPECT_EQ(fs::file_size(fresh / "VDKX_418.06"), kExeSize);
}

TEST(WriteSampleFiles, ReportsAFolderItCannotUseAndLeavesNoPartialFiles) {
  Scratch scratch;
  fs::create_directories(scratch.path);
  std::ofstream(scratch.path / "plain-file") << "not a folder";
  WrittenPaths written;
  std::string error;
  EXPECT_FALSE(WriteSampleFiles(scratch.path / "plain-file" / "sub", written, error));
  EXPECT_NE(error.find("plain-file"), std::string::npos) << error;
  EXPECT_TRUE(written.sharedBin.empty());

  // A folder where the second file should go: the first one is written, the
  // second refused by name, and no temporary file stays.
  const fs::path folder = scratch.path / "blocked";
  fs::create_directories(folder / kExeName / "inside");
  error.clear();
  EXPECT_FALSE(WriteSampleFiles(folder, written, error));
  EXPECT_NE(error.find(kExeName), std::string::npos) << error;
  EXPECT_TRUE(fs::is_directory(folder / kExeName / "inside"));
  for (const auto& entry : fs::directory_iterator(folder))
    EXPECT_NE(entry.path().extension(), ".part") << entry.path();
}

}  // namespace
}  // namespace vdk::samples
