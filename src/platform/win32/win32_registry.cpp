#include "platform/win32/win32_registry.h"

#include <windows.h>

#include <algorithm>

#include "platform/win32/scoped.h"
#include "platform/win32/wide.h"

namespace qb::win32 {

namespace {

REGSAM ViewFlag(RegView view) {
  switch (view) {
    case RegView::Force64: return KEY_WOW64_64KEY;
    case RegView::Force32: return KEY_WOW64_32KEY;
    case RegView::Native: break;
  }
  return 0;
}

HKEY Predefined(RegRoot root) {
  return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
}

// The root a path starts from: this machine's predefined handle, which is never closed, or
// a connection to another machine's root, which is.
class RootKey {
 public:
  Status Connect(const std::string& machine, RegRoot root) {
    if (machine.empty()) {
      predefined_ = Predefined(root);
      return status::kOk;
    }
    return RegConnectRegistryW(Wide(machine).c_str(), Predefined(root), remote_.Receive());
  }
  HKEY Get() const { return remote_ ? remote_.Get() : predefined_; }

 private:
  HKEY predefined_ = nullptr;
  ScopedKey remote_;
};

Status OpenPath(const std::string& machine, const RegKeyPath& key, REGSAM access,
                ScopedKey& opened) {
  RootKey root;
  if (const Status connected = root.Connect(machine, key.root); connected != status::kOk) {
    return connected;
  }
  return RegOpenKeyExW(root.Get(), Wide(key.path).c_str(), 0, access | ViewFlag(key.view),
                       opened.Receive());
}

bool NamesRoot(std::string_view path) { return path.find_first_not_of('\\') == path.npos; }

// Performance data has no size to ask for in advance: the buffer grows until the whole
// answer fits, and the collection is closed again so the providers release their state.
constexpr size_t kMaxPerformanceBytes = 256 * 1024 * 1024;

Status QueryPerformanceData(HKEY root, const std::wstring& name, RegValue& value) {
  std::vector<uint8_t> buffer(64 * 1024);
  DWORD type = 0;
  Status result;
  for (;;) {
    DWORD size = static_cast<DWORD>(buffer.size());
    result = RegQueryValueExW(root, name.c_str(), nullptr, &type, buffer.data(), &size);
    // A provider that keeps asking for more past this is broken; give up plainly.
    if (result == ERROR_MORE_DATA && buffer.size() < kMaxPerformanceBytes) {
      buffer.resize(buffer.size() * 2);
      continue;
    }
    if (result == ERROR_SUCCESS) buffer.resize(size);
    break;
  }
  RegCloseKey(HKEY_PERFORMANCE_DATA);
  if (result != ERROR_SUCCESS) return result;
  value.type = type;
  value.data = std::move(buffer);
  return status::kOk;
}

// Most values are short: a first question with room for them answers in one call, where
// asking for the size first would take two. A longer value, or one that keeps growing under
// us, is asked again with the room the system named.
constexpr size_t kFirstValueBytes = 1024;
// Key names have at most 255 characters; value names are usually as short.
constexpr size_t kFirstNameChars = 256;

Status QueryOpenValue(HKEY key, const std::wstring& name, RegValue& value) {
  std::vector<uint8_t> data(kFirstValueBytes);
  DWORD type = 0;
  DWORD size = 0;
  Status result;
  for (;;) {
    size = static_cast<DWORD>(data.size());
    result = RegQueryValueExW(key, name.c_str(), nullptr, &type, data.data(), &size);
    if (result != ERROR_MORE_DATA) break;
    data.resize(std::max<size_t>(size, data.size() * 2));
  }
  if (result != ERROR_SUCCESS) return result;
  data.resize(size);
  value.type = type;
  value.data = std::move(data);
  return status::kOk;
}

}  // namespace

Status Win32Registry::Open(const RegKeyPath& key, unsigned long access, ScopedKey& opened) {
  const bool here = machine_.empty();
  if (here && parents_.TryOpen(key, access, ViewFlag(key.view), opened)) return status::kOk;
  const Status status = OpenPath(machine_, key, access, opened);
  if (here && status == status::kOk) parents_.Note(key, ViewFlag(key.view));
  return status;
}

Status Win32Registry::OpenKey(const RegKeyPath& key, uint32_t access) {
  ScopedKey opened;
  return Open(key, access, opened);
}

Status Win32Registry::CreateKey(const RegKeyPath& key) {
  RootKey root;
  if (const Status connected = root.Connect(machine_, key.root); connected != status::kOk) {
    return connected;
  }
  // Only enough access to hold the key: an existing key the user may read but not change
  // still counts as there.
  ScopedKey created;
  return RegCreateKeyExW(root.Get(), Wide(key.path).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                         KEY_QUERY_VALUE | ViewFlag(key.view), nullptr, created.Receive(),
                         nullptr);
}

Status Win32Registry::DeleteKey(const RegKeyPath& key) {
  // An empty subkey name would delete the root handle's own key.
  if (NamesRoot(key.path)) return status::kAccessDenied;
  RootKey root;
  if (const Status connected = root.Connect(machine_, key.root); connected != status::kOk) {
    return connected;
  }
  const std::wstring path = Wide(key.path);
  if (key.view == RegView::Native) return RegDeleteKeyW(root.Get(), path.c_str());
  return RegDeleteKeyExW(root.Get(), path.c_str(), ViewFlag(key.view), 0);
}

Status Win32Registry::QueryValue(const RegKeyPath& key, std::string_view name, RegValue& value) {
  const std::wstring wide_name = Wide(name);
  if (key.root == RegRoot::PerformanceData) {
    RootKey root;
    if (const Status connected = root.Connect(machine_, key.root); connected != status::kOk) {
      return connected;
    }
    value.name = std::string(name);
    return QueryPerformanceData(root.Get(), wide_name, value);
  }
  ScopedKey opened;
  if (const Status status = Open(key, KEY_QUERY_VALUE, opened); status != status::kOk) {
    return status;
  }
  value.name = std::string(name);
  return QueryOpenValue(opened.Get(), wide_name, value);
}

// A sampler reads performance data every second; the collection stays open between its
// readings, since closing it makes every provider start over at the next query.
Status Win32Registry::QueryValueInto(const RegKeyPath& key, std::string_view name,
                                     std::span<uint8_t> buffer, uint32_t& length) {
  ScopedKey opened;
  RootKey root;
  HKEY target = nullptr;
  if (key.root == RegRoot::PerformanceData) {
    if (const Status connected = root.Connect(machine_, key.root); connected != status::kOk) {
      return connected;
    }
    target = root.Get();
  } else {
    if (const Status status = Open(key, KEY_QUERY_VALUE, opened);
        status != status::kOk) {
      return status;
    }
    target = opened.Get();
  }
  DWORD size = static_cast<DWORD>(buffer.size());
  const Status result = RegQueryValueExW(target, Wide(name).c_str(), nullptr, nullptr,
                                         buffer.empty() ? nullptr : buffer.data(), &size);
  if (result == ERROR_SUCCESS) length = size;
  return result;
}

Status Win32Registry::SetValue(const RegKeyPath& key, const RegValue& value) {
  ScopedKey opened;
  if (const Status status = Open(key, KEY_SET_VALUE, opened); status != status::kOk) {
    return status;
  }
  // For string types the system looks at the unit just past the data and, when that is a
  // NUL the caller "forgot" to count, stores it too. Two non-NUL bytes after a copy of the
  // data keep the value exactly as given and the system inside our buffer.
  std::vector<uint8_t> padded(value.data);
  padded.insert(padded.end(), {0xFF, 0xFF});
  return RegSetValueExW(opened.Get(), Wide(value.name).c_str(), 0, value.type, padded.data(),
                        static_cast<DWORD>(value.data.size()));
}

Status Win32Registry::DeleteValue(const RegKeyPath& key, std::string_view name) {
  ScopedKey opened;
  if (const Status status = Open(key, KEY_SET_VALUE, opened); status != status::kOk) {
    return status;
  }
  return RegDeleteValueW(opened.Get(), Wide(name).c_str());
}

Status Win32Registry::EnumKeys(const RegKeyPath& key, std::vector<std::string>& names) {
  names.clear();
  ScopedKey opened;
  if (const Status status = Open(key, KEY_READ, opened); status != status::kOk) {
    return status;
  }
  std::vector<wchar_t> name(kFirstNameChars);
  for (DWORD index = 0;;) {
    DWORD chars = static_cast<DWORD>(name.size());
    const Status result =
        RegEnumKeyExW(opened.Get(), index, name.data(), &chars, nullptr, nullptr, nullptr, nullptr);
    if (result == ERROR_NO_MORE_ITEMS) return status::kOk;
    if (result == ERROR_MORE_DATA) {  // a longer name than the room given
      name.resize(name.size() * 2);
      continue;
    }
    if (result != ERROR_SUCCESS) return result;
    names.push_back(Narrow(std::wstring_view(name.data(), chars)));
    ++index;
  }
}

Status Win32Registry::EnumValues(const RegKeyPath& key, std::vector<RegValue>& values) {
  values.clear();
  ScopedKey opened;
  if (const Status status = Open(key, KEY_READ, opened); status != status::kOk) {
    return status;
  }
  std::vector<wchar_t> name(kFirstNameChars);
  std::vector<uint8_t> data(kFirstValueBytes);
  for (DWORD index = 0;;) {
    DWORD chars = static_cast<DWORD>(name.size());
    DWORD bytes = static_cast<DWORD>(data.size());
    DWORD type = 0;
    const Status result = RegEnumValueW(opened.Get(), index, name.data(), &chars, nullptr, &type,
                                        data.data(), &bytes);
    if (result == ERROR_NO_MORE_ITEMS) return status::kOk;
    if (result == ERROR_MORE_DATA) {  // a longer name or value than the room given
      name.resize(name.size() * 2);
      data.resize(std::max<size_t>(bytes, data.size() * 2));
      continue;
    }
    if (result != ERROR_SUCCESS) return result;
    values.push_back(RegValue{Narrow(std::wstring_view(name.data(), chars)), type,
                              std::vector<uint8_t>(data.begin(), data.begin() + bytes)});
    ++index;
  }
}

Status Win32Registry::ConnectRemote(std::string_view machine, std::unique_ptr<Registry>& remote) {
  // Connecting once here reports an unreachable machine now rather than at its first use.
  ScopedKey probe;
  const Status result =
      RegConnectRegistryW(Wide(machine).c_str(), HKEY_LOCAL_MACHINE, probe.Receive());
  if (result != ERROR_SUCCESS) return result;
  remote.reset(new Win32Registry(std::string(machine)));
  return status::kOk;
}

bool Win32Registry::HasSeparateViews() const {
#ifdef _WIN64
  return true;
#else
  BOOL wow64 = FALSE;
  return IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
#endif
}

}  // namespace qb::win32
