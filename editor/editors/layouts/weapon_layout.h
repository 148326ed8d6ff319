// Weapons in SHARED.BIN: the packed attribute word (terrain ratings, upgrade
// classes, sort order, kind), name and MAP codes, attack, modifiers, the
// attribute flags, costs and range, and the skill a pilot needs. Also the
// two commands that set one upgrade class in every weapon at once, and the
// search by attack power.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "editor/editors/core/record_editor.h"

namespace vdk::editors {

// Every shown field of a weapon record. The attribute word (Text1) comes
// before its bit fields, so its bits 30 and 31 are written from its text.
const RecordLayout& WeaponLayout();

// Upgrade effect classes Combo2 ("2500" ... "800").
const ItemList& UpgradeEffectNames();
// Upgrade price classes Combo3 ("2000" ... "-").
const ItemList& UpgradePriceNames();
// Weapon kinds Combo8 ("格斗" ... "射击+可装填+必杀？").
const ItemList& WeaponKindNames();
// Required skills Combo1: the pilot skills and "PILOT" (item 46, stored 0xFF).
const ItemList& RequiredSkillNames();

// Captions of the attribute flag boxes by bit (bit 0 first) for the bytes at
// 0x14 (Check1) and 0x15 (Check2).
const ItemList& WeaponFlagsFirstByte();
const ItemList& WeaponFlagsSecondByte();

// The fields of the attribute word that a bulk command sets in every weapon.
enum class UpgradeClass {
  Effect,  // bits 27-29, "改造效果统一" from Combo2
  Price,   // bits 24-26, "改造价格统一" from Combo3
};

// The control whose selection a bulk command uses.
const char* UpgradeClassControl(UpgradeClass which);

// Sets the class in every weapon to the value `values` holds for its control,
// touching only those three bits of bytes 0x00-0x03 of each record. Does
// nothing and returns false when the control has nothing selected. Throws
// GameFileError when the file cannot be opened or is too short.
bool SetUpgradeClassOfEveryWeapon(const std::filesystem::path& file, UpgradeClass which,
                                  const FormValues& values);

// One weapon found by the search: its record and the line the result list
// shows ("01A - 攻击力:1500").
struct AttackMatch {
  std::uint32_t record;
  std::wstring line;
};

// Message for a search text that is not an attack power.
inline constexpr const wchar_t* kAttackSearchHint = L"请输入 0 到 65535 之间的攻击力。";

// Parses the searched attack power (a whole number 0-65535, blanks around it
// allowed); false when the text is anything else.
bool ParseAttack(const std::string& text, std::uint16_t& attack);

// The weapons whose attack power equals `attack`, in record order.
std::vector<AttackMatch> FindWeaponsByAttack(const std::filesystem::path& file, std::uint16_t attack);

}  // namespace vdk::editors
