#pragma once
// Writing a file so that a failure part way never leaves half of it: the new content goes
// to a temporary file beside it, which then takes the file's place in one rename.
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace qb::customise {

// Replaces (or creates) the file at path with bytes. attributes: the file's attributes
// afterwards; nothing keeps those of the file replaced (archive for a new file). A hidden,
// system or read-only file is replaced too; when the rename fails, the old file is left
// exactly as it was, attributes included, and no temporary file remains.
Status ReplaceFile(FileSystem& files, std::string_view path, const std::vector<uint8_t>& bytes,
                   std::optional<uint32_t> attributes = std::nullopt);

// Creates the file at path with bytes; an existing file is never touched (kFileExists).
Status CreateNewFile(FileSystem& files, std::string_view path, const std::vector<uint8_t>& bytes);

// The name of the temporary file used for path.
std::string TemporaryFileFor(std::string_view path);

}  // namespace qb::customise
