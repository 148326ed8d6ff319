// The record editors offered by the main window's list, in list order.
#pragma once

#include <array>
#include <cstddef>

namespace vdk {

enum class GameFileKind { SharedBin, Executable };

struct EditorListEntry {
  const wchar_t* listText;
  const char* formName;  // the editor's form
  GameFileKind file;     // the game file it works on
};

// Index 6 opens the ace bonus editor (Form14): list order and form
// numbering part ways from there on.
inline constexpr std::array<EditorListEntry, 11> kEditorList{{
    {L"机体能力", "Form2", GameFileKind::SharedBin},
    {L"机师能力", "Form3", GameFileKind::SharedBin},
    {L"武器能力", "Form4", GameFileKind::SharedBin},
    {L"合体技", "Form5", GameFileKind::SharedBin},
    {L"强化配件", "Form6", GameFileKind::SharedBin},
    {L"特殊弹素材", "Form7", GameFileKind::SharedBin},
    {L"ACE奖励", "Form14", GameFileKind::SharedBin},
    {L"机体改满奖励", "Form8", GameFileKind::SharedBin},
    {L"机师技能养成", "Form9", GameFileKind::SharedBin},
    {L"改造费用", "Form10", GameFileKind::Executable},
    {L"机体机师技能效果", "Form11", GameFileKind::Executable},
}};

}  // namespace vdk
