// The tree of program groups, with stable node ids.
//
// Nodes live in one vector and refer to each other by index, so that a tree
// thousands of levels deep is walked, copied and freed without recursion.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace fesk {

using GroupNodeId = int;
inline constexpr GroupNodeId kNoGroupNode = -1;

class GroupTree {
 public:
  // Appends a node as the last child of parent (kNoGroupNode: top level).
  GroupNodeId AddChild(GroupNodeId parent, std::string name);

  bool Exists(GroupNodeId node) const;
  const std::string& Name(GroupNodeId node) const { return nodes_[node].name; }
  void Rename(GroupNodeId node, std::string name) { nodes_[node].name = std::move(name); }
  GroupNodeId Parent(GroupNodeId node) const { return nodes_[node].parent; }
  // Children in their order; kNoGroupNode gives the top-level nodes.
  const std::vector<GroupNodeId>& Children(GroupNodeId node) const;

  // Removes the node with all its descendants.
  void Remove(GroupNodeId node);
  // Makes node, with its subtree, the last child of new_parent.  The caller
  // makes sure new_parent is not inside node's subtree.
  void MoveUnder(GroupNodeId node, GroupNodeId new_parent);
  bool IsInSubtree(GroupNodeId node, GroupNodeId root) const;

  // Sorts every level by the given "less" of names.
  void SortAll(const std::function<bool(const std::string&, const std::string&)>& less);

  // Live nodes, depth first, pre-order: the order of the group table file.
  std::vector<GroupNodeId> PreOrder() const;
  std::vector<GroupNodeId> Subtree(GroupNodeId root) const;  // pre-order, root first

  bool Empty() const { return top_.empty(); }

  // The names from the top-level ancestor down to the node, joined by "\".
  std::string Path(GroupNodeId node) const;

 private:
  struct Node {
    std::string name;
    GroupNodeId parent = kNoGroupNode;
    std::vector<GroupNodeId> children;
    bool alive = true;
  };
  std::vector<GroupNodeId>& ChildList(GroupNodeId node);

  std::vector<Node> nodes_;
  std::vector<GroupNodeId> top_;
};

}  // namespace fesk
