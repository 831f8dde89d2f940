// The group table file "FESK.TBL": one line per group, indented by one TAB
// per level, in depth-first pre-order, CR LF line ends, code page 932.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/errors.h"
#include "common/program_files.h"
#include "common/group_tree.h"

namespace fesk {

struct GroupTableReadResult {
  GroupTree tree;                    // the nodes read (all of them, or those before a bad line)
  std::optional<std::string> error;  // "ｱｲﾃﾑ "name" の階層が不正です" for a level jump
};

// Builds the tree from the file's bytes.  TAB and space both count one level;
// CR, LF and CR LF end lines; a NUL byte ends the text.
GroupTableReadResult ParseGroupTable(std::string_view bytes);

// The file's bytes for a tree: depth x TAB, name, CR LF per node.
std::string FormatGroupTable(const GroupTree& tree);

// "FESK.TBL" beside the given executable.
FilePath GroupTablePathFor(const FilePath& executable_path);

// Reads the file at path.  Throws FeskError "ﾌｧｲﾙ <path> は開けません" when
// it cannot be opened; a level jump is reported through the result's error
// and leaves the nodes read before it.
GroupTableReadResult ReadGroupTableFile(const FilePath& path);

// Creates or truncates the file and writes the tree.  Throws FeskError
// "ﾌｧｲﾙ <path> を作成できません" when that fails.
void WriteGroupTableFile(const FilePath& path, const GroupTree& tree);

PathMessage GroupTableOpenErrorText(const FilePath& path);
PathMessage GroupTableCreateErrorText(const FilePath& path);
std::string GroupTableLevelErrorText(std::string_view name);

inline constexpr std::size_t kGroupPathLimit = 128;  // bytes a program's GROUP keeps

}  // namespace fesk
