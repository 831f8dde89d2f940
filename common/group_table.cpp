#include "common/group_table.h"

#include "common/cp932.h"
#include "common/errors.h"
#include "common/file_io.h"

namespace fesk {

PathMessage GroupTableOpenErrorText(const FilePath& path) { return PathMessage{"ﾌｧｲﾙ ", path, " は開けません"}; }

PathMessage GroupTableCreateErrorText(const FilePath& path) { return PathMessage{"ﾌｧｲﾙ ", path, " を作成できません"}; }

std::string GroupTableLevelErrorText(std::string_view name) {
  return "ｱｲﾃﾑ \"" + std::string(name) + "\" の階層が不正です";
}

FilePath GroupTablePathFor(const FilePath& executable_path) {
  return InFolder(FolderOf(executable_path), kGroupTableFileName);
}

namespace {

// Places each line relative to the node of the line before it.
class TreeBuilder {
 public:
  explicit TreeBuilder(GroupTree& tree) : tree_(tree) {}

  // False for a level more than one deeper than the line before.
  bool Add(int level, std::string name) {
    if (last_ == kNoGroupNode) {
      Push(tree_.AddChild(kNoGroupNode, std::move(name)));
      return true;
    }
    int depth = static_cast<int>(path_.size()) - 1;
    if (level > depth + 1) return false;
    if (level == depth + 1) {
      Push(tree_.AddChild(last_, std::move(name)));
      return true;
    }
    path_.resize(static_cast<std::size_t>(level) + 1);
    // The ancestor at that level is the last child of its parent (everything
    // read since went below it), so the new node is simply appended there.
    GroupNodeId sibling = path_.back();
    path_.pop_back();
    Push(tree_.AddChild(tree_.Parent(sibling), std::move(name)));
    return true;
  }

 private:
  void Push(GroupNodeId node) {
    path_.push_back(node);
    last_ = node;
  }

  GroupTree& tree_;
  std::vector<GroupNodeId> path_;  // the last node and its ancestors, top level first
  GroupNodeId last_ = kNoGroupNode;
};

}  // namespace

GroupTableReadResult ParseGroupTable(std::string_view bytes) {
  GroupTableReadResult result;
  std::size_t nul = bytes.find('\0');
  if (nul != std::string_view::npos) bytes = bytes.substr(0, nul);
  TreeBuilder builder(result.tree);
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    std::size_t end = pos;
    while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n') ++end;
    std::string_view line = bytes.substr(pos, end - pos);
    pos = end;
    if (pos < bytes.size()) {
      bool crlf = bytes[pos] == '\r' && pos + 1 < bytes.size() && bytes[pos + 1] == '\n';
      pos += crlf ? 2 : 1;
    }
    std::size_t level = 0;
    while (level < line.size() && (line[level] == '\t' || line[level] == ' ')) ++level;
    std::string name(line.substr(level));
    if (!builder.Add(static_cast<int>(level), name)) {
      result.error = GroupTableLevelErrorText(name);
      break;
    }
  }
  return result;
}

std::string FormatGroupTable(const GroupTree& tree) {
  std::string out;
  std::vector<std::pair<GroupNodeId, int>> stack;
  const std::vector<GroupNodeId>& top = tree.Children(kNoGroupNode);
  for (auto it = top.rbegin(); it != top.rend(); ++it) stack.emplace_back(*it, 0);
  while (!stack.empty()) {
    auto [node, depth] = stack.back();
    stack.pop_back();
    out.append(static_cast<std::size_t>(depth), '\t');
    out += tree.Name(node);
    out += "\r\n";
    const std::vector<GroupNodeId>& children = tree.Children(node);
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
      stack.emplace_back(*it, depth + 1);
    }
  }
  return out;
}

GroupTableReadResult ReadGroupTableFile(const FilePath& path) {
  std::optional<std::string> bytes = fileio::ReadWholeFile(path);
  if (!bytes) throw FeskError(GroupTableOpenErrorText(path));
  return ParseGroupTable(*bytes);
}

void WriteGroupTableFile(const FilePath& path, const GroupTree& tree) {
  if (!fileio::WriteWholeFile(path, FormatGroupTable(tree))) {
    throw FeskError(GroupTableCreateErrorText(path));
  }
}

}  // namespace fesk
