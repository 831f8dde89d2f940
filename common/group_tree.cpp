#include "common/group_tree.h"

#include <algorithm>

namespace fesk {

GroupNodeId GroupTree::AddChild(GroupNodeId parent, std::string name) {
  GroupNodeId id = static_cast<GroupNodeId>(nodes_.size());
  nodes_.push_back(Node{std::move(name), parent, {}, true});
  ChildList(parent).push_back(id);
  return id;
}

bool GroupTree::Exists(GroupNodeId node) const {
  return node >= 0 && node < static_cast<GroupNodeId>(nodes_.size()) && nodes_[node].alive;
}

const std::vector<GroupNodeId>& GroupTree::Children(GroupNodeId node) const {
  return node == kNoGroupNode ? top_ : nodes_[node].children;
}

std::vector<GroupNodeId>& GroupTree::ChildList(GroupNodeId node) {
  return node == kNoGroupNode ? top_ : nodes_[node].children;
}

void GroupTree::Remove(GroupNodeId node) {
  for (GroupNodeId gone : Subtree(node)) nodes_[gone].alive = false;
  std::vector<GroupNodeId>& list = ChildList(nodes_[node].parent);
  list.erase(std::find(list.begin(), list.end(), node));
}

bool GroupTree::IsInSubtree(GroupNodeId node, GroupNodeId root) const {
  for (GroupNodeId up = node; up != kNoGroupNode; up = nodes_[up].parent) {
    if (up == root) return true;
  }
  return false;
}

void GroupTree::MoveUnder(GroupNodeId node, GroupNodeId new_parent) {
  std::vector<GroupNodeId>& old_list = ChildList(nodes_[node].parent);
  old_list.erase(std::find(old_list.begin(), old_list.end(), node));
  nodes_[node].parent = new_parent;
  ChildList(new_parent).push_back(node);
}

void GroupTree::SortAll(const std::function<bool(const std::string&, const std::string&)>& less) {
  auto by_name = [&](GroupNodeId a, GroupNodeId b) { return less(nodes_[a].name, nodes_[b].name); };
  std::stable_sort(top_.begin(), top_.end(), by_name);
  for (Node& node : nodes_) {
    if (node.alive) std::stable_sort(node.children.begin(), node.children.end(), by_name);
  }
}

std::vector<GroupNodeId> GroupTree::Subtree(GroupNodeId root) const {
  std::vector<GroupNodeId> order;
  std::vector<GroupNodeId> stack{root};
  while (!stack.empty()) {
    GroupNodeId node = stack.back();
    stack.pop_back();
    order.push_back(node);
    const std::vector<GroupNodeId>& children = nodes_[node].children;
    stack.insert(stack.end(), children.rbegin(), children.rend());
  }
  return order;
}

std::vector<GroupNodeId> GroupTree::PreOrder() const {
  std::vector<GroupNodeId> order;
  for (GroupNodeId top : top_) {
    std::vector<GroupNodeId> part = Subtree(top);
    order.insert(order.end(), part.begin(), part.end());
  }
  return order;
}

std::string GroupTree::Path(GroupNodeId node) const {
  std::vector<GroupNodeId> chain;
  for (GroupNodeId up = node; up != kNoGroupNode; up = nodes_[up].parent) chain.push_back(up);
  std::string path;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    if (!path.empty() || it != chain.rbegin()) path += '\\';
    path += nodes_[*it].name;
  }
  return path;
}

}  // namespace fesk
