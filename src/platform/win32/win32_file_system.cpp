#include "platform/win32/win32_file_system.h"

#include <windows.h>

#include <algorithm>

#include "platform/win32/scoped.h"
#include "platform/win32/wide.h"

namespace qb::win32 {

namespace {

// While alive, a drive without a medium answers "not ready" instead of asking the user to
// insert a disk.
class QuietDriveErrors {
 public:
  QuietDriveErrors() { SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previous_); }
  QuietDriveErrors(const QuietDriveErrors&) = delete;
  QuietDriveErrors& operator=(const QuietDriveErrors&) = delete;
  ~QuietDriveErrors() { SetThreadErrorMode(previous_, nullptr); }

 private:
  DWORD previous_ = 0;
};

// Paths longer than the classic limit are passed in the form that lifts it.
std::wstring ApiPath(std::string_view path) {
  std::wstring wide = Wide(path);
  if (wide.size() < MAX_PATH - 12 || wide.starts_with(L"\\\\?\\")) return wide;
  for (auto& c : wide) {
    if (c == L'/') c = L'\\';
  }
  if (wide.size() > 2 && wide[1] == L':') return L"\\\\?\\" + wide;
  if (wide.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + wide.substr(2);
  return wide;
}

std::wstring RootPath(std::string_view root) {
  std::wstring wide = Wide(root);
  if (!wide.empty() && wide.back() != L'\\' && wide.back() != L'/') wide += L'\\';
  return wide;
}

Status LastError() { return static_cast<Status>(GetLastError()); }

// Every byte, in as many writes as the system takes.
Status WriteAll(HANDLE file, const std::vector<uint8_t>& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD written = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 30));
    if (!::WriteFile(file, bytes.data() + done, chunk, &written, nullptr)) {
      return LastError();
    }
    if (written == 0) return status::kWriteFault;
    done += written;
  }
  return status::kOk;
}

}  // namespace

Status Win32FileSystem::GetAttributes(std::string_view path, uint32_t& attributes) {
  QuietDriveErrors quiet;
  attributes = GetFileAttributesW(ApiPath(path).c_str());
  return attributes == INVALID_FILE_ATTRIBUTES ? LastError() : status::kOk;
}

Status Win32FileSystem::GetFacts(std::string_view path, FileFacts& facts) {
  QuietDriveErrors quiet;
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(ApiPath(path).c_str(), GetFileExInfoStandard, &data)) return LastError();
  facts.attributes = data.dwFileAttributes;
  facts.size = (uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
  facts.written = (uint64_t{data.ftLastWriteTime.dwHighDateTime} << 32) | data.ftLastWriteTime.dwLowDateTime;
  return status::kOk;
}

Status Win32FileSystem::SetAttributes(std::string_view path, uint32_t attributes) {
  QuietDriveErrors quiet;
  return SetFileAttributesW(ApiPath(path).c_str(), attributes) ? status::kOk : LastError();
}

Status Win32FileSystem::FindFiles(std::string_view pattern, std::vector<FileEntry>& entries) {
  entries.clear();
  QuietDriveErrors quiet;
  WIN32_FIND_DATAW data{};
  ScopedFind find(FindFirstFileExW(ApiPath(pattern).c_str(), FindExInfoBasic, &data,
                                   FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
  if (!find) return LastError();
  do {
    const std::wstring_view name(data.cFileName);
    if (name == L"." || name == L"..") continue;
    entries.push_back({Narrow(name), data.dwFileAttributes,
                       (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow});
  } while (FindNextFileW(find.Get(), &data));
  const DWORD end = GetLastError();
  if (end != ERROR_NO_MORE_FILES) return static_cast<Status>(end);
  return entries.empty() ? status::kFileNotFound : status::kOk;
}

namespace {

Status ReadWhole(std::string_view path, DWORD share, std::vector<uint8_t>& bytes) {
  bytes.clear();
  QuietDriveErrors quiet;
  ScopedFile file(CreateFileW(ApiPath(path).c_str(), GENERIC_READ, share, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return LastError();
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.Get(), &size)) return LastError();
  if (size.QuadPart > 0x7FFFFFFF) return ERROR_FILE_TOO_LARGE;
  bytes.resize(static_cast<size_t>(size.QuadPart));
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD read = 0;
    if (!::ReadFile(file.Get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &read,
                    nullptr)) {
      return LastError();
    }
    if (read == 0) break;
    done += read;
  }
  bytes.resize(done);
  return status::kOk;
}

}  // namespace

// Refused while another program writes the file: a reader never takes half of a write.
Status Win32FileSystem::ReadFile(std::string_view path, std::vector<uint8_t>& bytes) {
  return ReadWhole(path, FILE_SHARE_READ, bytes);
}

Status Win32FileSystem::ReadGrowingFile(std::string_view path, std::vector<uint8_t>& bytes) {
  return ReadWhole(path, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, bytes);
}

Status Win32FileSystem::WriteFile(std::string_view path, const std::vector<uint8_t>& bytes) {
  QuietDriveErrors quiet;
  const std::wstring api_path = ApiPath(path);
  // Windows refuses to overwrite a hidden or system file unless it is asked for the same
  // marks (Desktop.ini, autorun.inf): the file keeps them and takes the new bytes.
  DWORD marks = FILE_ATTRIBUTE_NORMAL;
  if (const DWORD existing = GetFileAttributesW(api_path.c_str());
      existing != INVALID_FILE_ATTRIBUTES && (existing & FILE_ATTRIBUTE_DIRECTORY) == 0) {
    if (const DWORD kept = existing & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) marks = kept;
  }
  ScopedFile file(CreateFileW(api_path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, marks, nullptr));
  if (!file) return LastError();
  if (const Status s = WriteAll(file.Get(), bytes); s != status::kOk) return s;
  // A write that the disk could not keep shows at flush time, not at write time.
  if (!FlushFileBuffers(file.Get())) return LastError();
  return status::kOk;
}

namespace {

// Append-only access makes every write land at the end, even when another program appended
// in between; sharing lets the file be viewed, copied or deleted meanwhile.
ScopedFile OpenForAppends(std::string_view path) {
  return ScopedFile(CreateFileW(ApiPath(path).c_str(), FILE_APPEND_DATA | SYNCHRONIZE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
}


}  // namespace

Status Win32FileSystem::AppendFile(std::string_view path, const std::vector<uint8_t>& bytes) {
  QuietDriveErrors quiet;
  ScopedFile file = OpenForAppends(path);
  if (!file) return LastError();
  return WriteAll(file.Get(), bytes);
}

namespace {

class HeldAppender final : public FileAppender {
 public:
  explicit HeldAppender(ScopedFile file) : file_(std::move(file)) {}
  Status Append(const std::vector<uint8_t>& bytes) override {
    QuietDriveErrors quiet;
    return WriteAll(file_.Get(), bytes);
  }

 private:
  ScopedFile file_;
};

}  // namespace

std::unique_ptr<FileAppender> Win32FileSystem::OpenAppender(std::string_view path) {
  QuietDriveErrors quiet;
  ScopedFile file = OpenForAppends(path);
  // A file that cannot be held now is opened again at each append, which says why it fails.
  if (!file) return FileSystem::OpenAppender(path);
  return std::make_unique<HeldAppender>(std::move(file));
}


Status Win32FileSystem::CopyFile(std::string_view from, std::string_view to, bool fail_if_exists) {
  QuietDriveErrors quiet;
  return CopyFileW(ApiPath(from).c_str(), ApiPath(to).c_str(), fail_if_exists) ? status::kOk
                                                                               : LastError();
}

Status Win32FileSystem::DeleteFile(std::string_view path) {
  QuietDriveErrors quiet;
  return DeleteFileW(ApiPath(path).c_str()) ? status::kOk : LastError();
}

Status Win32FileSystem::MoveFile(std::string_view from, std::string_view to,
                                 bool replace_existing) {
  QuietDriveErrors quiet;
  // Write-through: the move is on the disk when the call returns, so a backup renamed into
  // place is never lost to a crash that follows.
  const DWORD flags = MOVEFILE_COPY_ALLOWED | MOVEFILE_WRITE_THROUGH |
                      (replace_existing ? MOVEFILE_REPLACE_EXISTING : 0);
  return MoveFileExW(ApiPath(from).c_str(), ApiPath(to).c_str(), flags) ? status::kOk
                                                                        : LastError();
}

Status Win32FileSystem::CreateFolder(std::string_view path) {
  QuietDriveErrors quiet;
  return CreateDirectoryW(ApiPath(path).c_str(), nullptr) ? status::kOk : LastError();
}

Status Win32FileSystem::RemoveFolder(std::string_view path) {
  QuietDriveErrors quiet;
  return RemoveDirectoryW(ApiPath(path).c_str()) ? status::kOk : LastError();
}

std::vector<std::string> Win32FileSystem::DriveRoots() {
  std::vector<std::string> roots;
  wchar_t buffer[4 * 26 + 2] = {};
  const DWORD length = GetLogicalDriveStringsW(static_cast<DWORD>(std::size(buffer)), buffer);
  if (length == 0 || length >= std::size(buffer)) return roots;
  for (const wchar_t* root = buffer; *root; root += wcslen(root) + 1) roots.push_back(Narrow(root));
  return roots;
}

DriveType Win32FileSystem::GetDriveType(std::string_view root) {
  return static_cast<DriveType>(GetDriveTypeW(RootPath(root).c_str()));
}

bool Win32FileSystem::DriveReady(std::string_view root) {
  QuietDriveErrors quiet;
  return GetVolumeInformationW(RootPath(root).c_str(), nullptr, 0, nullptr, nullptr, nullptr,
                               nullptr, 0) != FALSE;
}

Status Win32FileSystem::DiskSpace(std::string_view root, uint64_t& total_bytes,
                                  uint64_t& free_bytes) {
  QuietDriveErrors quiet;
  ULARGE_INTEGER available{}, total{}, free{};
  if (!GetDiskFreeSpaceExW(RootPath(root).c_str(), &available, &total, &free)) return LastError();
  total_bytes = total.QuadPart;
  free_bytes = free.QuadPart;
  return status::kOk;
}

}  // namespace qb::win32
