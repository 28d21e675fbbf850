#pragma once
// An in-memory registry with the system's semantics: case-insensitive names, subkeys
// enumerated in sorted order and values in the order they were created, the plain key
// delete refused while subkeys exist, and on a 64-bit machine the 32-bit view of
// HKEY_LOCAL_MACHINE\SOFTWARE kept under WOW6432Node, where the system keeps it.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace qb {

class MemoryRegistry : public Registry {
 public:
  struct Options {
    bool separate_views = true;   // a 64-bit machine
    bool program_is_32bit = false;  // which view Native means on such a machine
  };

  MemoryRegistry();
  explicit MemoryRegistry(Options options);
  ~MemoryRegistry() override;

  Status OpenKey(const RegKeyPath& key, uint32_t access) override;
  Status CreateKey(const RegKeyPath& key) override;
  Status DeleteKey(const RegKeyPath& key) override;
  Status QueryValue(const RegKeyPath& key, std::string_view name, RegValue& value) override;
  Status QueryValueInto(const RegKeyPath& key, std::string_view name, std::span<uint8_t> buffer,
                        uint32_t& length) override;
  Status SetValue(const RegKeyPath& key, const RegValue& value) override;
  Status DeleteValue(const RegKeyPath& key, std::string_view name) override;
  Status EnumKeys(const RegKeyPath& key, std::vector<std::string>& names) override;
  Status EnumValues(const RegKeyPath& key, std::vector<RegValue>& values) override;
  Status ConnectRemote(std::string_view machine, std::unique_ptr<Registry>& remote) override;
  bool HasSeparateViews() const override { return options_.separate_views; }

  // Test controls.
  // Every later change under key (the key itself included) is refused with kAccessDenied.
  void DenyWrites(const RegKeyPath& key);
  // The key and everything below it cannot be opened, listed or read: kAccessDenied.
  void DenyReads(const RegKeyPath& key);
  // A machine reachable by ConnectRemote under this name.
  MemoryRegistry& AddRemoteMachine(const std::string& name);
  // The data HKEY_PERFORMANCE_DATA answers for a query of name ("Global", "238", ...).
  void SetPerformanceData(const std::string& name, std::vector<uint8_t> data);
  // The buffer sizes offered to performance-data queries, in order.
  const std::vector<size_t>& PerformanceQuerySizes() const { return performance_query_sizes_; }
  // Makes this a machine of the Windows 9x family: HKEY_DYN_DATA holds the kernel's
  // statistics keys, whose "KERNEL\CPUUsage" reads start (StartStat), report (StatData) and
  // stop (StopStat) the processor statistics, as that family's kernel does.
  void EnableDynamicStatistics(uint32_t cpu_usage);
  void SetDynamicCpuUsage(uint32_t cpu_usage);
  bool DynamicStatisticsRunning() const { return dynamic_statistics_running_; }
  // One line per change made (create, set, delete), in order: "SetValue HKCU\path [name]".
  const std::vector<std::string>& WriteLog() const { return write_log_; }
  void ClearWriteLog() { write_log_.clear(); }

 private:
  struct Node;
  Node* Find(const RegKeyPath& key);
  Node* RootNode(RegRoot root);
  std::vector<std::string> PhysicalPath(const RegKeyPath& key) const;
  bool WriteDenied(const RegKeyPath& key) const;
  void NoteStatisticsRead(const RegKeyPath& key);
  bool ReadDenied(const RegKeyPath& key) const;
  bool Below(const std::vector<std::vector<std::string>>& tops, const RegKeyPath& key) const;
  void Log(std::string_view operation, const RegKeyPath& key, std::string_view name = {});

  Options options_;
  std::map<RegRoot, std::unique_ptr<Node>> roots_;
  std::vector<std::vector<std::string>> denied_;  // physical paths, first element the root
  std::vector<std::vector<std::string>> unreadable_;
  std::map<std::string, std::unique_ptr<MemoryRegistry>> remotes_;
  std::map<std::string, std::vector<uint8_t>> performance_data_;
  std::vector<size_t> performance_query_sizes_;
  bool dynamic_statistics_running_ = false;
  std::vector<std::string> write_log_;
};

}  // namespace qb
