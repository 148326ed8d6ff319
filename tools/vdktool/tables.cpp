#include "tools/vdktool/tables.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>

#include "editor/editors/core/shared_lists.h"
#include "editor/editors/layouts/ace_bonus_layout.h"
#include "editor/editors/layouts/ammo_material_layout.h"
#include "editor/editors/layouts/combination_attack_layout.h"
#include "editor/editors/layouts/enhancement_part_layout.h"
#include "editor/editors/layouts/full_upgrade_bonus_layout.h"
#include "editor/editors/layouts/pilot_layout.h"
#include "editor/editors/layouts/skill_effect_layout.h"
#include "editor/editors/layouts/skill_training_layout.h"
#include "editor/editors/layouts/unit_layout.h"
#include "editor/editors/layouts/upgrade_cost_layout.h"
#include "editor/editors/layouts/weapon_layout.h"
#include "editor/game_file.h"
#include "editor/text_codec.h"

namespace vdk::tool {

using namespace vdk::editors;

namespace {

ListSource Fixed(const ItemList& items) {
  return {.fixed = &items};
}
ListSource Named(const NameListFile& file) {
  return {.names = &file};
}

// The skill-growth rows as a table of their own: nine level bytes a row.
const RecordLayout& GrowthLayout() {
  static const RecordLayout layout = [] {
    RecordLayout l{.tableOffset = kGrowthTableOffset, .recordSize = kGrowthLevels, .recordCount = kGrowthRowCount};
    for (int level = 0; level < kGrowthLevels; ++level)
      AddField(l, Element("Text13", level), L"LV" + std::to_wstring(level + 1) + L"修得LV", level, 1,
               DecimalCodec());
    return l;
  }();
  return layout;
}

std::vector<Table> MakeTables() {
  using K = GameFileKind;
  std::vector<Table> t;
  t.push_back({"unit", "机体能力", K::SharedBin, &UnitLayout(), Named(kUnitNames),
               {{"Combo1", Fixed(UnitAbilityNames())},
                {"Combo18", Fixed(FullUpgradeBonusNames())},
                {"Combo20", Fixed(TerrainScale())},
                {"Combo21", Fixed(TerrainScale())},
                {"Combo22", Fixed(TerrainScale())},
                {"Combo23", Fixed(TerrainScale())},
                {"Combo24", Fixed(UnitSizeNames())}}});
  for (int slot = 0; slot < kWeaponSlots; ++slot)
    t.back().lists["Combo" + std::to_string(kFirstWeaponCombo + slot)] = Named(kWeaponNames);
  t.push_back({"pilot", "机师能力", K::SharedBin, &PilotLayout(), Named(kPilotNames),
               {{"Combo1", Fixed(SpiritCommandNames())},
                {"Combo2", Fixed(SpiritCommandNames())},
                {"Combo3", Fixed(PilotAceBonusNames())},
                {"Combo7", Fixed(PilotSkillList())}}});
  t.push_back({"growth", "机师技能成长", K::SharedBin, &GrowthLayout(), {}, {}});
  t.push_back({"weapon", "武器", K::SharedBin, &WeaponLayout(), Named(kWeapon2Names),
               {{"Combo1", Fixed(RequiredSkillNames())},
                {"Combo2", Fixed(UpgradeEffectNames())},
                {"Combo3", Fixed(UpgradePriceNames())},
                {"Combo4", Fixed(TerrainScale())},
                {"Combo5", Fixed(TerrainScale())},
                {"Combo6", Fixed(TerrainScale())},
                {"Combo7", Fixed(TerrainScale())},
                {"Combo8", Fixed(WeaponKindNames())}}});
  t.push_back({"combination", "合体技", K::SharedBin, &CombinationAttackLayout(), Fixed(CombinationAttackNames()), {}});
  for (int k = 1; k <= 12; ++k)
    t.back().lists["Combo" + std::to_string(k)] =
        Named(k <= 4 ? kWeaponNames : k <= 8 ? kUnit2Names : kPilot2Names);
  t.push_back({"enhancement", "强化芯片", K::SharedBin, &EnhancementPartLayout(), Fixed(EnhancementPartNames()),
               {{"Combo1", Fixed(UnitAbilityNames())}}});
  t.push_back({"ammo", "特殊弹素材", K::SharedBin, &AmmoMaterialLayout(), Fixed(AmmoMaterialNames()), {}});
  t.push_back({"fullupgrade", "机体改满奖励", K::SharedBin, &FullUpgradeBonusLayout(), Fixed(FullUpgradeBonusNames()),
               {{"Combo1", Fixed(GrantedUnitSkillNames())},
                {"Combo2", Fixed(TerrainScale())},
                {"Combo3", Fixed(TerrainScale())}}});
  t.push_back({"training", "机师技能养成", K::SharedBin, &SkillTrainingLayout(), Fixed(TrainedSkillNames()), {}});
  t.push_back({"unitcost", "机体改造费用", K::Exe, &UnitUpgradeCostLayout(), Fixed(UnitUpgradeRowNames()), {}});
  t.push_back({"weaponcost", "武器改造费用", K::Exe, &WeaponUpgradeCostLayout(), Fixed(WeaponUpgradeRowNames()), {}});
  t.push_back({"defence", "机体技能效果", K::Exe, &DefensiveSkillLayout(), Fixed(DefensiveSkillNames()),
               {{"Combo2", Fixed(DefenceTypeNames())}}});
  t.push_back({"fightingstyle", "机师技能效果", K::Exe, &FightingStyleLayout(), Fixed(FightingStyleNames()), {}});
  t.push_back({"ace", "ACE奖励", K::SharedBin, &AceBonusLayout(), Fixed(AceBonusNames()),
               {{"Combo3", Fixed(SpiritCommandNames())}, {"Combo2", Fixed(AceEffectClassNames())}}});
  return t;
}

std::string ArrayName(const std::string& control) {
  return control.substr(0, control.find('('));
}

const ListSource* ListOf(const Table& table, const Field& field) {
  auto it = table.lists.find(field.control);
  if (it == table.lists.end()) it = table.lists.find(ArrayName(field.control));
  return it == table.lists.end() ? nullptr : &it->second;
}

std::string Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return std::string(text);
}

std::optional<std::uint32_t> Number(std::string_view text) {
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    text.remove_prefix(2);
    base = 16;
  }
  std::uint32_t v = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v, base);
  if (ec != std::errc{} || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return v;
}

int ItemOfValue(const Codec& codec, std::uint32_t value) {
  for (const Special& s : codec.specials)
    if (s.value == value) return s.item;
  if (value >= static_cast<std::uint32_t>(codec.itemCount)) return -1;
  for (const Special& s : codec.specials)
    if (static_cast<std::uint32_t>(s.item) == value) return -1;
  return static_cast<int>(value);
}

std::uint32_t ValueOfItem(const Codec& codec, int item) {
  for (const Special& s : codec.specials)
    if (s.item == item) return s.value;
  return static_cast<std::uint32_t>(item);
}

std::string Utf8(const std::wstring& text) {
  return NarrowUtf8(text);
}

}  // namespace

const char* GameFileName(GameFileKind kind) {
  return kind == GameFileKind::SharedBin ? "SHARED.BIN" : "VDKX_418.06";
}

const std::vector<Table>& Tables() {
  static const std::vector<Table> tables = MakeTables();
  return tables;
}

const Table* FindTable(const std::string& id) {
  for (const Table& t : Tables())
    if (t.id == id) return &t;
  return nullptr;
}

std::optional<Place> PlaceOf(GameFileKind file, std::uint64_t offset) {
  for (const Table& t : Tables()) {
    const RecordLayout& l = *t.layout;
    if (t.file != file || offset < l.tableOffset) continue;
    std::uint64_t record = (offset - l.tableOffset) / l.recordSize;
    if (record < l.recordCount) return Place{&t, static_cast<std::uint32_t>(record)};
  }
  return std::nullopt;
}

std::optional<GameFileKind> KindOfFile(const std::filesystem::path& path) {
  std::string name = Utf8(path.filename().wstring());
  std::transform(name.begin(), name.end(), name.begin(),
                 [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
  if (name == "SHARED.BIN") return GameFileKind::SharedBin;
  if (name == "VDKX_418.06") return GameFileKind::Exe;
  return std::nullopt;
}

const std::vector<std::string>& Catalogue::Items(const ListSource& source) {
  const void* key = source.fixed ? static_cast<const void*>(source.fixed) : source.names;
  auto it = lists_.find(key);
  if (it != lists_.end()) return it->second;
  std::vector<std::string> items;
  if (source.fixed) {
    for (const wchar_t* item : *source.fixed) items.push_back(Utf8(item));
  } else {
    const std::filesystem::path path = folder_ / (source.names->name + 1);
    const std::string bytes = ReadWholeFile(path);
    for (const std::string& raw : ReadListItems(bytes, source.names->count, DisplayName(path)))
      items.push_back(Utf8(DecodeCp936(raw)));
  }
  return lists_.emplace(key, std::move(items)).first->second;
}

std::vector<Column> Columns(const Table& table, Catalogue& catalogue) {
  std::vector<Column> columns;
  std::map<std::string, int> uses;
  for (const Field& f : table.layout->fields) ++uses[Utf8(f.label)];
  for (const Field& f : table.layout->fields) {
    std::string label = Utf8(f.label);
    Column c{label.empty() || uses[label] > 1 || label == "index" || label == "name" || label == "raw"
                 ? (label.empty() ? f.control : label + " [" + f.control + "]")
                 : label,
             &f};
    if (f.codec.shown == Shown::List) {
      const ListSource* source = ListOf(table, f);
      if (!source) throw std::logic_error("table " + table.id + ": no list for " + f.control);
      c.items = &catalogue.Items(*source);
      if (c.items->size() != static_cast<std::size_t>(f.codec.itemCount))
        throw std::logic_error("table " + table.id + ": list of " + f.control + " has " +
                               std::to_string(c.items->size()) + " items");
    }
    columns.push_back(std::move(c));
  }
  return columns;
}

int FindColumn(const std::vector<Column>& columns, const std::string& name) {
  for (std::size_t i = 0; i < columns.size(); ++i)
    if (columns[i].header == name || columns[i].field->control == name) return static_cast<int>(i);
  return -1;
}

std::string CellText(const Column& column, const FormValues& values) {
  const Field& f = *column.field;
  const ControlValue& v = values.at(f.control);
  switch (f.codec.shown) {
    case Shown::List:
      if (v.extra) return Utf8(ExtraItemText(*v.extra));
      return (*column.items)[static_cast<std::size_t>(v.selection)] + " (" +
             std::to_string(ValueOfItem(f.codec, v.selection)) + ")";
    case Shown::Check:
      return v.checked ? "1" : "0";
    case Shown::Options:
      return std::to_string(v.selection >= 0 ? f.codec.options[static_cast<std::size_t>(v.selection)]
                                             : v.extra.value_or(0));
    default:
      return v.text;
  }
}

std::optional<std::string> ParseCell(const Column& column, const std::string& cell, FormValues& values) {
  const Field& f = *column.field;
  ControlValue& v = values[f.control];
  if (!f.written) return "该字段只能显示，不能写入";
  const std::string text = Trimmed(cell);
  switch (f.codec.shown) {
    case Shown::Check:
      if (text != "0" && text != "1") return "须为 0 或 1";
      v.checked = text == "1";
      return std::nullopt;
    case Shown::Options: {
      std::optional<std::uint32_t> n = Number(text);
      std::string accepted;
      for (std::size_t k = 0; k < f.codec.options.size(); ++k) {
        if (n && *n == f.codec.options[k]) {
          v.selection = static_cast<int>(k);
          v.extra.reset();
          return std::nullopt;
        }
        accepted += (k ? "、" : "") + std::to_string(f.codec.options[k]);
      }
      if (n && v.extra && *n == *v.extra) return std::nullopt;  // the stored value, kept
      return "须为 " + accepted + " 之一";
    }
    case Shown::List: {
      // "text (value)", a value alone, an item text alone, or the text of a
      // stored value without an item.
      std::optional<std::uint32_t> value;
      std::string itemText = text;
      const std::size_t open = text.rfind(" (");
      if (!text.empty() && text.back() == ')' && open != std::string::npos) {
        value = Number(text.substr(open + 2, text.size() - open - 3));
        if (value) itemText = Trimmed(text.substr(0, open));
      } else if (auto n = Number(text)) {
        value = n;
        itemText.clear();
      }
      if (value && v.extra && *value == *v.extra && (itemText.empty() || text == Utf8(ExtraItemText(*value)))) {
        return std::nullopt;  // the stored value without an item, kept
      }
      int item = -1;
      if (value) {
        item = ItemOfValue(f.codec, *value);
        if (item < 0) return "列表中没有值为 " + std::to_string(*value) + " 的项";
        if (!itemText.empty() && itemText != (*column.items)[static_cast<std::size_t>(item)])
          return "值 " + std::to_string(*value) + " 的项是“" + (*column.items)[static_cast<std::size_t>(item)] +
                 "”，不是“" + itemText + "”";
      } else {
        int found = 0;
        for (std::size_t i = 0; i < column.items->size(); ++i)
          if ((*column.items)[i] == itemText) {
            if (!found++) item = static_cast<int>(i);
          }
        if (found == 0) return "列表中没有“" + itemText + "”";
        if (found > 1) return "列表中有多个“" + itemText + "”，请写明值，如“" + itemText + " (" +
                              std::to_string(ValueOfItem(f.codec, item)) + ")”";
      }
      v.selection = item;
      v.extra.reset();
      std::vector<FieldError> errors;
      if (!StoredValue(f, values, errors) && !errors.empty()) return NarrowUtf8(errors.front().message);
      return std::nullopt;
    }
    default: {
      v.text = text;
      std::vector<FieldError> errors;
      if (!StoredValue(f, values, errors)) return errors.empty() ? "无效" : NarrowUtf8(errors.front().message);
      return std::nullopt;
    }
  }
}

std::vector<std::pair<int, std::string>> EncodeChanged(const std::vector<Column>& columns,
                                                       const std::vector<int>& changed, const FormValues& values,
                                                       std::span<std::uint8_t> record) {
  std::vector<std::pair<int, std::string>> failures;
  std::vector<int> order = changed;
  std::sort(order.begin(), order.end());
  for (int c : order) {
    RecordLayout one;
    one.recordSize = static_cast<std::uint32_t>(record.size());
    one.fields.push_back(*columns[static_cast<std::size_t>(c)].field);
    std::vector<bool> touched;
    std::vector<FieldError> errors = EncodeRecord(one, values, record, touched);
    if (!errors.empty()) failures.emplace_back(c, NarrowUtf8(errors.front().message));
  }
  return failures;
}

std::string HexOf(std::span<const std::uint8_t> bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  text.reserve(bytes.size() * 2);
  for (std::uint8_t b : bytes) {
    text += kDigits[b >> 4];
    text += kDigits[b & 15];
  }
  return text;
}

bool IsUtf8(std::string_view text, std::size_t* badAt) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n) {
    const auto c = static_cast<unsigned char>(text[i]);
    std::size_t len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    bool ok = len != 0 && i + len <= n;
    std::uint32_t cp = len == 1 ? c : len == 2 ? c & 0x1F : len == 3 ? c & 0x0F : c & 0x07;
    for (std::size_t k = 1; ok && k < len; ++k) {
      const auto d = static_cast<unsigned char>(text[i + k]);
      ok = (d & 0xC0) == 0x80;
      cp = (cp << 6) | (d & 0x3F);
    }
    // No overlong forms, surrogates or values beyond U+10FFFF.
    if (ok) ok = !(len == 2 && cp < 0x80) && !(len == 3 && cp < 0x800) && !(len == 4 && cp < 0x10000) &&
                 !(cp >= 0xD800 && cp <= 0xDFFF) && cp <= 0x10FFFF;
    if (!ok) {
      if (badAt) *badAt = i;
      return false;
    }
    i += len;
  }
  return true;
}

}  // namespace vdk::tool
