#pragma once
// The in-memory file system's store: a tree of nodes per drive. Shared by the files that
// implement the service; nothing outside them sees it.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/memory/memory_file_system.h"
#include "platform/text.h"

namespace qb {

// A file's attributes as the system keeps them: never the folder bit, and "normal" only alone.
inline uint32_t FileAttributes(uint32_t attributes) {
  attributes &= ~fileattr::kDirectory;
  return (attributes & ~fileattr::kNormal) == 0 ? fileattr::kNormal : attributes & ~fileattr::kNormal;
}

struct MemoryFileSystem::Node {
  std::string name;
  uint32_t attributes = fileattr::kDirectory;
  std::vector<uint8_t> bytes;
  uint64_t written = 0;  // the file system's write count when the bytes were last written
  std::vector<std::unique_ptr<Node>> children;  // sorted as the file system lists them

  bool IsFolder() const { return (attributes & fileattr::kDirectory) != 0; }
  Node* Child(std::string_view child_name) {
    for (auto& child : children) {
      if (text::EqualsNoCase(child->name, child_name)) return child.get();
    }
    return nullptr;
  }
  Node* AddChild(std::string_view child_name, uint32_t child_attributes) {
    auto node = std::make_unique<Node>();
    node->name = std::string(child_name);
    node->attributes = child_attributes;
    return InsertChild(std::move(node));
  }
  Node* InsertChild(std::unique_ptr<Node> node) {
    auto at = std::lower_bound(children.begin(), children.end(), node->name,
                               [](const std::unique_ptr<Node>& n, std::string_view k) {
                                 return text::CompareNoCase(n->name, k) < 0;
                               });
    return children.insert(at, std::move(node))->get();
  }
  std::unique_ptr<Node> TakeChild(const Node* child) {
    auto at = std::find_if(children.begin(), children.end(),
                           [child](const std::unique_ptr<Node>& n) { return n.get() == child; });
    auto node = std::move(*at);
    children.erase(at);
    return node;
  }
  void RemoveChild(const Node* child) { TakeChild(child); }
};

struct MemoryFileSystem::Drive {
  std::string root;  // upper case, with its trailing backslash
  DriveType type = DriveType::Fixed;
  bool ready = true;
  uint64_t total_bytes = 64ull << 30;
  uint64_t free_bytes = 16ull << 30;
  uint64_t writes = 0;  // stands for the clock of the files' write times
  std::optional<uint64_t> space;  // bytes later writes may still store; none: no limit
  Node top;
};

// Where a path leads: its drive, the folder that holds its last element, and that element.
struct MemoryFileSystem::Location {
  Drive* drive = nullptr;
  std::vector<std::string> parts;
  Node* parent = nullptr;  // the folder holding the last part (the root for a root path)
  Node* node = nullptr;    // the entry itself, when it exists
};

}  // namespace qb
