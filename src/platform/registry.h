#pragma once
// The registry service: keys addressed by a predefined root, a path below it and a view.
// Every call opens what it needs and closes it again before returning, so callers hold no
// handles. Results are the system's error codes (platform/status.h).
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/status.h"

namespace qb {

enum class RegRoot : uint32_t {
  ClassesRoot = 0x80000000,
  CurrentUser = 0x80000001,
  LocalMachine = 0x80000002,
  Users = 0x80000003,
  PerformanceData = 0x80000004,
  CurrentConfig = 0x80000005,
  DynData = 0x80000006,
};

// The root's name as the registry editor writes it ("HKEY_CURRENT_USER") and the short form
// the system's own tools write ("HKCU", "HKU"). The stored registry paths have a grammar of
// their own with other short forms (registry/registry_paths.cpp).
std::string_view RootLongName(RegRoot root);
std::string_view RootShortName(RegRoot root);
// Where a 64-bit machine keeps a key of the 32-bit view: HKLM\SOFTWARE and HKCR are
// redirected under "WOW6432Node"; other keys, and paths already there, are the same key.
std::string Wow64Path(RegRoot root, std::string_view path);

// Every root, for look-ups by name.
inline constexpr RegRoot kAllRegRoots[] = {RegRoot::ClassesRoot,     RegRoot::CurrentUser,
                                           RegRoot::LocalMachine,    RegRoot::Users,
                                           RegRoot::PerformanceData, RegRoot::CurrentConfig,
                                           RegRoot::DynData};

// Which half of the registry a 64-bit machine shows: Native is what the running program
// sees by default; the other two ask for the 64-bit or the 32-bit view explicitly.
enum class RegView { Native, Force64, Force32 };

namespace regtype {
constexpr uint32_t kNone = 0;
constexpr uint32_t kSz = 1;
constexpr uint32_t kExpandSz = 2;
constexpr uint32_t kBinary = 3;
constexpr uint32_t kDword = 4;
constexpr uint32_t kDwordBigEndian = 5;
constexpr uint32_t kLink = 6;
constexpr uint32_t kMultiSz = 7;
constexpr uint32_t kResourceList = 8;
constexpr uint32_t kFullResourceDescriptor = 9;
constexpr uint32_t kResourceRequirementsList = 10;
constexpr uint32_t kQword = 11;
}  // namespace regtype

namespace regaccess {
constexpr uint32_t kQueryValue = 0x0001;
constexpr uint32_t kSetValue = 0x0002;
constexpr uint32_t kCreateSubKey = 0x0004;
constexpr uint32_t kEnumerateSubKeys = 0x0008;
constexpr uint32_t kRead = 0x20019;
constexpr uint32_t kWrite = 0x20006;
constexpr uint32_t kAllAccess = 0xF003F;
}  // namespace regaccess

// One registry value exactly as the system stores it: the type code and the raw bytes
// (strings as UTF-16LE with their terminators, as the wide registry functions write them).
struct RegValue {
  std::string name;  // empty: the key's default value
  uint32_t type = regtype::kNone;
  std::vector<uint8_t> data;

  static RegValue String(std::string name, std::string_view text, uint32_t type = regtype::kSz);
  static RegValue Dword(std::string name, uint32_t number);
  static RegValue Qword(std::string name, uint64_t number);
  static RegValue MultiString(std::string name, const std::vector<std::string>& items);
  static RegValue Binary(std::string name, std::vector<uint8_t> bytes,
                         uint32_t type = regtype::kBinary);

  // The stored UTF-16 text up to its first NUL (the whole data when there is none).
  std::string AsString() const;
  // The first four bytes as a little-endian number; 0 when fewer are stored.
  uint32_t AsDword() const;
  // The strings of a REG_MULTI_SZ, without the empty one that ends the list.
  std::vector<std::string> AsMultiString() const;

  bool operator==(const RegValue&) const = default;
};

struct RegKeyPath {
  RegRoot root = RegRoot::CurrentUser;
  std::string path;  // below the root, backslash separated; empty names the root itself
  RegView view = RegView::Native;

  RegKeyPath Child(std::string_view name) const;
};

class Registry {
 public:
  virtual ~Registry() = default;

  // Opens the key with the access asked for and closes it again: kOk when it could be opened.
  virtual Status OpenKey(const RegKeyPath& key, uint32_t access) = 0;
  // Creates the key and every missing key above it; kOk also when it already existed.
  virtual Status CreateKey(const RegKeyPath& key) = 0;
  // Deletes one key that has no subkeys; a key with subkeys is refused with kAccessDenied.
  virtual Status DeleteKey(const RegKeyPath& key) = 0;
  virtual Status QueryValue(const RegKeyPath& key, std::string_view name, RegValue& value) = 0;
  // Reads a value into a buffer the caller sized, as the system's own query does: kOk with
  // length set to the bytes written, or kMoreData when the value does not fit. Performance
  // data is read this way: it has no size to ask for in advance, so callers grow the buffer
  // and keep the size that worked for the next reading.
  virtual Status QueryValueInto(const RegKeyPath& key, std::string_view name,
                                std::span<uint8_t> buffer, uint32_t& length);
  // Writes into an existing key; a missing key gives kFileNotFound.
  virtual Status SetValue(const RegKeyPath& key, const RegValue& value) = 0;
  virtual Status DeleteValue(const RegKeyPath& key, std::string_view name) = 0;
  // Subkey names in the system's enumeration order.
  virtual Status EnumKeys(const RegKeyPath& key, std::vector<std::string>& names) = 0;
  // Values with their data, in the system's enumeration order.
  virtual Status EnumValues(const RegKeyPath& key, std::vector<RegValue>& values) = 0;
  // The registry of another machine, reached through the network registry service.
  virtual Status ConnectRemote(std::string_view machine, std::unique_ptr<Registry>& remote) = 0;
  // True where the machine has separate 64-bit and 32-bit views of the machine-wide keys.
  virtual bool HasSeparateViews() const = 0;
};

}  // namespace qb
