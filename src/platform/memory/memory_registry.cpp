#include "platform/memory/memory_registry.h"

#include <algorithm>

#include "platform/text.h"

namespace qb {

struct MemoryRegistry::Node {
  std::string name;
  std::vector<std::unique_ptr<Node>> subkeys;  // kept sorted as the system enumerates them
  std::vector<RegValue> values;                // in creation order

  Node* Child(std::string_view child_name) {
    for (auto& sub : subkeys) {
      if (text::EqualsNoCase(sub->name, child_name)) return sub.get();
    }
    return nullptr;
  }
  Node* AddChild(std::string_view child_name) {
    auto node = std::make_unique<Node>();
    node->name = std::string(child_name);
    auto at = std::lower_bound(subkeys.begin(), subkeys.end(), child_name,
                               [](const std::unique_ptr<Node>& n, std::string_view k) {
                                 return text::CompareNoCase(n->name, k) < 0;
                               });
    return subkeys.insert(at, std::move(node))->get();
  }
  RegValue* Value(std::string_view value_name) {
    for (auto& value : values) {
      if (text::EqualsNoCase(value.name, value_name)) return &value;
    }
    return nullptr;
  }
};

namespace {

std::string RootName(RegRoot root) { return std::string(RootShortName(root)); }

std::vector<std::string> SplitPath(std::string_view path) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= path.size()) {
    const auto end = std::min(path.find('\\', start), path.size());
    if (end > start) parts.emplace_back(path.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

// The system refuses a subkey path that starts with a separator rather than skipping it.
bool BadPath(const RegKeyPath& key) { return key.path.starts_with('\\'); }

bool Writes(uint32_t access) {
  return (access & (regaccess::kSetValue | regaccess::kCreateSubKey | 0x00010000 /*DELETE*/ |
                    0x00040000 /*WRITE_DAC*/ | 0x00080000 /*WRITE_OWNER*/)) != 0;
}

}  // namespace

MemoryRegistry::MemoryRegistry() : MemoryRegistry(Options{}) {}

MemoryRegistry::MemoryRegistry(Options options) : options_(options) {
  for (RegRoot root : {RegRoot::ClassesRoot, RegRoot::CurrentUser, RegRoot::LocalMachine,
                       RegRoot::Users, RegRoot::CurrentConfig}) {
    roots_[root] = std::make_unique<Node>();
  }
  // What a fresh user profile and machine always have.
  CreateKey({RegRoot::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion"});
  CreateKey({RegRoot::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion"});
  CreateKey({RegRoot::Users, ".DEFAULT\\Control Panel"});
  write_log_.clear();
}

MemoryRegistry::~MemoryRegistry() = default;

MemoryRegistry::Node* MemoryRegistry::RootNode(RegRoot root) {
  const auto it = roots_.find(root);
  return it == roots_.end() ? nullptr : it->second.get();
}

// The 32-bit view of the machine-wide software keys is stored where the system keeps it.
std::vector<std::string> MemoryRegistry::PhysicalPath(const RegKeyPath& key) const {
  const bool wants32 = key.view == RegView::Force32 ||
                       (key.view == RegView::Native && options_.program_is_32bit);
  if (!options_.separate_views || !wants32) return SplitPath(key.path);
  return SplitPath(Wow64Path(key.root, key.path));
}

MemoryRegistry::Node* MemoryRegistry::Find(const RegKeyPath& key) {
  Node* node = RootNode(key.root);
  for (const auto& part : PhysicalPath(key)) {
    if (!node) return nullptr;
    node = node->Child(part);
  }
  return node;
}

bool MemoryRegistry::WriteDenied(const RegKeyPath& key) const { return Below(denied_, key); }

bool MemoryRegistry::ReadDenied(const RegKeyPath& key) const { return Below(unreadable_, key); }

bool MemoryRegistry::Below(const std::vector<std::vector<std::string>>& tops,
                           const RegKeyPath& key) const {
  auto physical = PhysicalPath(key);
  physical.insert(physical.begin(), RootName(key.root));
  for (const auto& denied : tops) {
    if (denied.size() > physical.size()) continue;
    if (std::equal(denied.begin(), denied.end(), physical.begin(),
                   [](const std::string& a, const std::string& b) {
                     return text::EqualsNoCase(a, b);
                   })) {
      return true;
    }
  }
  return false;
}

void MemoryRegistry::Log(std::string_view operation, const RegKeyPath& key,
                         std::string_view name) {
  std::string line(operation);
  line += ' ';
  line += RootName(key.root);
  for (const auto& part : PhysicalPath(key)) line += "\\" + part;
  if (!name.empty() || operation.find("Value") != std::string_view::npos) {
    line += " [" + std::string(name) + "]";
  }
  write_log_.push_back(std::move(line));
}

Status MemoryRegistry::OpenKey(const RegKeyPath& key, uint32_t access) {
  if (BadPath(key)) return status::kBadPathname;
  if (key.root == RegRoot::PerformanceData) return status::kOk;
  if (key.root == RegRoot::DynData && !RootNode(key.root)) return status::kInvalidHandle;
  if (!Find(key)) return status::kFileNotFound;
  if (ReadDenied(key) || (Writes(access) && WriteDenied(key))) return status::kAccessDenied;
  return status::kOk;
}

Status MemoryRegistry::CreateKey(const RegKeyPath& key) {
  if (BadPath(key)) return status::kBadPathname;
  Node* node = RootNode(key.root);
  if (!node) return key.root == RegRoot::PerformanceData ? status::kAccessDenied
                                                         : status::kInvalidHandle;
  if (Find(key)) return status::kOk;
  if (WriteDenied(key)) return status::kAccessDenied;
  for (const auto& part : PhysicalPath(key)) {
    Node* next = node->Child(part);
    node = next ? next : node->AddChild(part);
  }
  Log("CreateKey", key);
  return status::kOk;
}

Status MemoryRegistry::DeleteKey(const RegKeyPath& key) {
  const auto parts = PhysicalPath(key);
  if (parts.empty()) return status::kAccessDenied;
  if (BadPath(key)) return status::kBadPathname;
  Node* node = Find(key);
  if (!node) return status::kFileNotFound;
  if (!node->subkeys.empty() || WriteDenied(key)) return status::kAccessDenied;
  Node* parent = RootNode(key.root);
  for (size_t i = 0; i + 1 < parts.size(); ++i) parent = parent->Child(parts[i]);
  std::erase_if(parent->subkeys, [node](const std::unique_ptr<Node>& n) { return n.get() == node; });
  Log("DeleteKey", key);
  return status::kOk;
}

Status MemoryRegistry::QueryValue(const RegKeyPath& key, std::string_view name, RegValue& value) {
  if (key.root == RegRoot::PerformanceData) {
    const auto it = performance_data_.find(std::string(name));
    if (it == performance_data_.end()) return status::kFileNotFound;
    value = RegValue::Binary(std::string(name), it->second);
    return status::kOk;
  }
  if (BadPath(key)) return status::kBadPathname;
  Node* node = Find(key);
  if (!node) return key.root == RegRoot::DynData ? status::kInvalidHandle : status::kFileNotFound;
  if (ReadDenied(key)) return status::kAccessDenied;
  const RegValue* found = node->Value(name);
  if (!found) return status::kFileNotFound;
  if (key.root == RegRoot::DynData) NoteStatisticsRead(key);
  value = *found;
  value.name = std::string(name);  // as the system answers: the name asked for
  return status::kOk;
}

Status MemoryRegistry::QueryValueInto(const RegKeyPath& key, std::string_view name,
                                      std::span<uint8_t> buffer, uint32_t& length) {
  if (key.root == RegRoot::PerformanceData) performance_query_sizes_.push_back(buffer.size());
  return Registry::QueryValueInto(key, name, buffer, length);
}

// Reading the usage under StartStat or StopStat is how that family switches its counters.
void MemoryRegistry::NoteStatisticsRead(const RegKeyPath& key) {
  const auto parts = SplitPath(key.path);
  if (parts.size() != 2 || !text::EqualsNoCase(parts[0], "PerfStats")) return;
  if (text::EqualsNoCase(parts[1], "StartStat")) dynamic_statistics_running_ = true;
  if (text::EqualsNoCase(parts[1], "StopStat")) dynamic_statistics_running_ = false;
}

Status MemoryRegistry::SetValue(const RegKeyPath& key, const RegValue& value) {
  if (BadPath(key)) return status::kBadPathname;
  Node* node = Find(key);
  if (!node) return key.root == RegRoot::DynData ? status::kInvalidHandle : status::kFileNotFound;
  if (WriteDenied(key)) return status::kAccessDenied;
  if (RegValue* existing = node->Value(value.name)) {
    existing->type = value.type;
    existing->data = value.data;
  } else {
    node->values.push_back(value);
  }
  Log("SetValue", key, value.name);
  return status::kOk;
}

Status MemoryRegistry::DeleteValue(const RegKeyPath& key, std::string_view name) {
  if (BadPath(key)) return status::kBadPathname;
  Node* node = Find(key);
  if (!node) return status::kFileNotFound;
  if (WriteDenied(key)) return status::kAccessDenied;
  const auto before = node->values.size();
  std::erase_if(node->values, [name](const RegValue& v) { return text::EqualsNoCase(v.name, name); });
  if (node->values.size() == before) return status::kFileNotFound;
  Log("DeleteValue", key, name);
  return status::kOk;
}

Status MemoryRegistry::EnumKeys(const RegKeyPath& key, std::vector<std::string>& names) {
  if (BadPath(key)) return status::kBadPathname;
  names.clear();
  Node* node = Find(key);
  if (!node) return status::kFileNotFound;
  if (ReadDenied(key)) return status::kAccessDenied;
  for (const auto& sub : node->subkeys) names.push_back(sub->name);
  return status::kOk;
}

Status MemoryRegistry::EnumValues(const RegKeyPath& key, std::vector<RegValue>& values) {
  if (BadPath(key)) return status::kBadPathname;
  values.clear();
  Node* node = Find(key);
  if (!node) return status::kFileNotFound;
  if (ReadDenied(key)) return status::kAccessDenied;
  values = node->values;
  return status::kOk;
}

namespace {

// Hands out a registry that the memory machine keeps owning.
class BorrowedRegistry : public Registry {
 public:
  explicit BorrowedRegistry(Registry& target) : target_(target) {}
  Status OpenKey(const RegKeyPath& k, uint32_t a) override { return target_.OpenKey(k, a); }
  Status CreateKey(const RegKeyPath& k) override { return target_.CreateKey(k); }
  Status DeleteKey(const RegKeyPath& k) override { return target_.DeleteKey(k); }
  Status QueryValue(const RegKeyPath& k, std::string_view n, RegValue& v) override {
    return target_.QueryValue(k, n, v);
  }
  Status QueryValueInto(const RegKeyPath& k, std::string_view n, std::span<uint8_t> b,
                        uint32_t& l) override {
    return target_.QueryValueInto(k, n, b, l);
  }
  Status SetValue(const RegKeyPath& k, const RegValue& v) override { return target_.SetValue(k, v); }
  Status DeleteValue(const RegKeyPath& k, std::string_view n) override {
    return target_.DeleteValue(k, n);
  }
  Status EnumKeys(const RegKeyPath& k, std::vector<std::string>& n) override {
    return target_.EnumKeys(k, n);
  }
  Status EnumValues(const RegKeyPath& k, std::vector<RegValue>& v) override {
    return target_.EnumValues(k, v);
  }
  Status ConnectRemote(std::string_view m, std::unique_ptr<Registry>& r) override {
    return target_.ConnectRemote(m, r);
  }
  bool HasSeparateViews() const override { return target_.HasSeparateViews(); }

 private:
  Registry& target_;
};

}  // namespace

Status MemoryRegistry::ConnectRemote(std::string_view machine, std::unique_ptr<Registry>& remote) {
  std::string name(machine);
  while (name.starts_with('\\')) name.erase(0, 1);
  if (name.empty()) {  // no machine name: this machine, as the system does it
    remote = std::make_unique<BorrowedRegistry>(*this);
    return status::kOk;
  }
  for (auto& [known, registry] : remotes_) {
    if (text::EqualsNoCase(known, name)) {
      remote = std::make_unique<BorrowedRegistry>(*registry);
      return status::kOk;
    }
  }
  return status::kBadNetPath;
}

void MemoryRegistry::DenyWrites(const RegKeyPath& key) {
  auto physical = PhysicalPath(key);
  physical.insert(physical.begin(), RootName(key.root));
  denied_.push_back(std::move(physical));
}

void MemoryRegistry::DenyReads(const RegKeyPath& key) {
  auto physical = PhysicalPath(key);
  physical.insert(physical.begin(), RootName(key.root));
  unreadable_.push_back(std::move(physical));
}

MemoryRegistry& MemoryRegistry::AddRemoteMachine(const std::string& name) {
  auto& slot = remotes_[name];
  if (!slot) slot = std::make_unique<MemoryRegistry>(options_);
  return *slot;
}

void MemoryRegistry::EnableDynamicStatistics(uint32_t cpu_usage) {
  if (!RootNode(RegRoot::DynData)) roots_[RegRoot::DynData] = std::make_unique<Node>();
  for (const char* key : {"PerfStats\\StartStat", "PerfStats\\StopStat"}) {
    CreateKey({RegRoot::DynData, key});
    SetValue({RegRoot::DynData, key}, RegValue::Dword("KERNEL\\CPUUsage", 0));
  }
  CreateKey({RegRoot::DynData, "PerfStats\\StatData"});
  SetDynamicCpuUsage(cpu_usage);
}

void MemoryRegistry::SetDynamicCpuUsage(uint32_t cpu_usage) {
  SetValue({RegRoot::DynData, "PerfStats\\StatData"},
           RegValue::Dword("KERNEL\\CPUUsage", cpu_usage));
}

void MemoryRegistry::SetPerformanceData(const std::string& name, std::vector<uint8_t> data) {
  performance_data_[name] = std::move(data);
}

}  // namespace qb
