#include "editor/editors/layouts/weapon_layout.h"

#include <cstdio>
#include <optional>
#include <stdexcept>

#include "editor/editors/core/shared_lists.h"
#include "editor/editors/core/journal.h"
#include "editor/game_file.h"

namespace vdk::editors {

const ItemList& UpgradeEffectNames() {
  static const ItemList items{L"2500", L"2200", L"1900", L"1600", L"800"};
  return items;
}

const ItemList& UpgradePriceNames() {
  static const ItemList items{L"2000", L"3000", L"5000", L"6500", L"7500", L"-"};
  return items;
}

const ItemList& WeaponKindNames() {
  static const ItemList items{L"格斗",   L"射击",        L"可装填",        L"射击+可装填",
                              L"必杀？", L"射击+必杀？", L"可装填+必杀？", L"射击+可装填+必杀？"};
  return items;
}

const ItemList& RequiredSkillNames() {
  static const ItemList items = Joined(PilotSkillNames(), {L"PILOT"});
  return items;
}

const ItemList& WeaponFlagsFirstByte() {
  static const ItemList items{L"?", L"合体技", L"P", L"BEAM", L"?", L"?", L"接近", L"ALL"};
  return items;
}

const ItemList& WeaponFlagsSecondByte() {
  static const ItemList items{L"W", L"导弹", L"?", L"S武器", L"无效", L"贯通", L"?", L"?"};
  return items;
}

namespace {

constexpr std::uint32_t kWeaponTable = 0x12BF88;
constexpr std::uint32_t kWeaponSize = 36;
constexpr std::uint32_t kWeaponCount = 1628;

RecordLayout MakeWeaponLayout() {
  RecordLayout l{.tableOffset = kWeaponTable, .recordSize = kWeaponSize, .recordCount = kWeaponCount};
  // A bit field of the attribute word at offset 0.
  auto word = [&](std::string control, std::wstring label, int shift, Codec codec, int bits = 3) {
    AddBitField(l, std::move(control), std::move(label), 0, 4, shift, bits, std::move(codec));
  };
  const int ranks = ItemCount(TerrainScale());

  AddField(l, "Text1", L"地形适应,改造等(16)", 0, 4, HexCodec());
  word("Combo8", L"武器属性2", 0, ListCodec(ItemCount(WeaponKindNames())));
  word("Text19", L"武器排列顺序", 3, OctalCodec(3), 9);
  word("Combo7", L"地形适应 空", 12, ListCodec(ranks));
  word("Combo6", L"地形适应 地", 15, ListCodec(ranks));
  word("Combo5", L"地形适应 海", 18, ListCodec(ranks));
  word("Combo4", L"地形适应 宇", 21, ListCodec(ranks));
  word("Combo3", L"改造价格(第一段)", 24, ListCodec(ItemCount(UpgradePriceNames())));
  word("Combo2", L"改造效果(10改)", 27, ListCodec(ItemCount(UpgradeEffectNames())));
  AddField(l, "Text3", L"武器名称(16)", 0x04, 2, HexCodec());
  AddField(l, "Text4", L"攻击力", 0x08, 2, DecimalCodec());
  AddField(l, "Text5", L"命中", 0x0A, 1, SignedCodec(99));
  AddField(l, "Text6", L"CT", 0x0C, 1, SignedCodec(99));
  AddField(l, "Text15", L"MAP武器代码(16)", 0x0E, 2, HexCodec());
  AddFields(l, CheckBoxByte("Check1", 0x14, WeaponFlagsFirstByte()));
  AddFields(l, CheckBoxByte("Check2", 0x15, WeaponFlagsSecondByte()));
  const wchar_t* bytes[] = {L"必要W GAGE", L"射程(最小)", L"射程(最大)", L"残弹", L"EN", L"必要气力"};
  for (int k = 0; k < 6; ++k)
    AddField(l, "Text" + std::to_string(7 + k), bytes[k], 0x16 + k, 1, DecimalCodec());
  const int skills = ItemCount(RequiredSkillNames());
  AddField(l, "Combo1", L"必要技能", 0x1D, 1, ListCodec(skills, {{0xFF, skills - 1}}));
  AddField(l, "Text13", L"技能等级", 0x1E, 1, DecimalCodec());
  AddField(l, "Text16", L"MAP武器形状?", 0x20, 1, HexCodec());
  return l;
}

const Field& ClassField(UpgradeClass which) {
  const std::string control = UpgradeClassControl(which);
  for (const Field& f : WeaponLayout().fields)
    if (f.control == control) return f;
  throw std::logic_error("no field " + control);
}

std::uint64_t TableEnd() {
  return kWeaponTable + std::uint64_t{kWeaponSize} * kWeaponCount;
}

}  // namespace

const RecordLayout& WeaponLayout() {
  static const RecordLayout layout = MakeWeaponLayout();
  return layout;
}

const char* UpgradeClassControl(UpgradeClass which) {
  return which == UpgradeClass::Effect ? "Combo2" : "Combo3";
}

bool SetUpgradeClassOfEveryWeapon(const std::filesystem::path& file, UpgradeClass which,
                                  const FormValues& values) {
  const Field& field = ClassField(which);
  std::vector<FieldError> errors;
  std::optional<std::uint32_t> value = StoredValue(field, values, errors);
  if (!value) return false;
  const std::uint32_t mask = 7u << field.shift;
  GameFile game(file, TableEnd());
  std::vector<journal::Change> changes;
  for (std::uint32_t i = 0; i < kWeaponCount; ++i) {
    const std::int32_t start = static_cast<std::int32_t>(kWeaponTable + kWeaponSize * i + 1);
    game.FileCursor = start;
    std::uint32_t w = 0;
    for (int b = 0; b < 4; ++b) w |= static_cast<std::uint32_t>(game.readByte()) << (8 * b);
    const std::uint32_t updated = (w & ~mask) | (*value << field.shift);
    // Only the byte that holds the three bits can change.
    const int byte = field.shift / 8;
    if (((updated >> (8 * byte)) & 0xFF) == ((w >> (8 * byte)) & 0xFF)) continue;
    changes.push_back({static_cast<std::uint64_t>(start - 1 + byte),
                       {static_cast<std::uint8_t>(w >> (8 * byte))},
                       {static_cast<std::uint8_t>(updated >> (8 * byte))}});
  }
  journal::WriteJournaled(game, changes);
  game.close();
  return true;
}

bool ParseAttack(const std::string& text, std::uint16_t& attack) {
  Field f{.control = "Text17", .offset = 0, .width = 2, .codec = DecimalCodec()};
  std::vector<FieldError> errors;
  std::optional<std::uint32_t> v = StoredValue(f, FormValues{{"Text17", ControlValue{.text = text}}}, errors);
  if (!v) return false;
  attack = static_cast<std::uint16_t>(*v);
  return true;
}

std::vector<AttackMatch> FindWeaponsByAttack(const std::filesystem::path& file, std::uint16_t attack) {
  std::vector<AttackMatch> matches;
  GameFile game(file, TableEnd());
  for (std::uint32_t i = 0; i < kWeaponCount; ++i) {
    game.FileCursor = static_cast<std::int32_t>(kWeaponTable + kWeaponSize * i + 0x08 + 1);
    const std::uint8_t low = game.readByte();
    const std::uint16_t a = static_cast<std::uint16_t>(low | game.readByte() << 8);
    if (a != attack) continue;
    wchar_t id[8];
    std::swprintf(id, 8, L"%03X", i);
    matches.push_back({i, id + std::wstring(L" - 攻击力:") + std::to_wstring(a)});
  }
  game.close();
  return matches;
}

}  // namespace vdk::editors
