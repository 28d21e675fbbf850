// Files, folders and drives as the program relies on them, checked against whichever file
// system the test program was built with: the memory one natively, the real one under
// Windows. Each test works in a scratch folder of its own.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "contract/fixtures.h"

namespace qb {
namespace {

using ::testing::Contains;
using ::testing::ElementsAreArray;

std::vector<uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

class FileSystemContract : public ::testing::Test {
 protected:
  void SetUp() override { fixture_ = contract::MakeFileSystemFixture(); }
  FileSystem& files() { return fixture_->Files(); }
  std::string At(std::string_view name) const { return fixture_->Folder() + "\\" + std::string(name); }

  void Write(std::string_view name, std::string_view text = "x", uint32_t attributes = 0) {
    ASSERT_EQ(files().WriteFile(At(name), Bytes(text)), status::kOk) << name;
    if (attributes) {
      ASSERT_EQ(files().SetAttributes(At(name), attributes), status::kOk) << name;
    }
  }
  void Folder(std::string_view name) { ASSERT_EQ(files().CreateFolder(At(name)), status::kOk) << name; }
  uint32_t Attributes(std::string_view name) {
    uint32_t attributes = 0;
    files().GetAttributes(At(name), attributes);
    return attributes;
  }
  std::string Text(std::string_view name) {
    std::vector<uint8_t> bytes;
    if (files().ReadFile(At(name), bytes) != status::kOk) return "(unreadable)";
    return {bytes.begin(), bytes.end()};
  }
  // The names a pattern lists, in name order (the system's order depends on the disk).
  std::vector<std::string> Listed(std::string_view pattern, Status* result = nullptr) {
    std::vector<FileEntry> entries;
    const Status status = files().FindFiles(At(pattern), entries);
    if (result) *result = status;
    std::vector<std::string> names;
    for (const auto& entry : entries) names.push_back(entry.name);
    std::sort(names.begin(), names.end());
    return names;
  }
  // A drive letter that no drive uses.
  std::string MissingDrive() {
    const auto roots = files().DriveRoots();
    for (char letter = 'Q'; letter <= 'Y'; ++letter) {
      const std::string root{letter, ':', '\\'};
      if (std::find(roots.begin(), roots.end(), root) == roots.end()) return root;
    }
    return {};
  }

  std::unique_ptr<contract::FileSystemFixture> fixture_;
};

TEST_F(FileSystemContract, AttributesReadBackAsTheSystemKeepsThem) {
  struct Case {
    uint32_t set;
    uint32_t read;
  };
  const Case cases[] = {
      {fileattr::kNormal, fileattr::kNormal},
      {0, fileattr::kNormal},
      {fileattr::kReadOnly, fileattr::kReadOnly},
      {fileattr::kHidden | fileattr::kSystem, fileattr::kHidden | fileattr::kSystem},
      {fileattr::kArchive | fileattr::kHidden, fileattr::kArchive | fileattr::kHidden},
      {fileattr::kNormal | fileattr::kHidden, fileattr::kHidden},   // normal only counts alone
      {fileattr::kDirectory | fileattr::kArchive, fileattr::kArchive},  // a file stays a file
  };
  // Wine reports every file as one to archive, whatever was set.
  const bool wine = contract::RunningOnWine();
  for (const auto& c : cases) {
    Write("file.txt");
    EXPECT_EQ(Attributes("file.txt"), fileattr::kArchive) << "a new file";
    ASSERT_EQ(files().SetAttributes(At("file.txt"), c.set), status::kOk) << c.set;
    EXPECT_EQ(Attributes("FILE.TXT"), wine ? (c.read & ~fileattr::kNormal) | fileattr::kArchive : c.read)
        << c.set;
    files().SetAttributes(At("file.txt"), fileattr::kNormal);
    files().DeleteFile(At("file.txt"));
  }
  Folder("Dir");
  EXPECT_EQ(Attributes("Dir"), fileattr::kDirectory);
  ASSERT_EQ(files().SetAttributes(At("Dir"), fileattr::kHidden), status::kOk);
  EXPECT_EQ(Attributes("dir"), fileattr::kDirectory | fileattr::kHidden);
  std::vector<FileEntry> entries;
  ASSERT_EQ(files().FindFiles(At("*"), entries), status::kOk);
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].attributes, fileattr::kDirectory | fileattr::kHidden);
}

// As Desktop.ini and autorun.inf are kept: Windows itself refuses a plain overwrite of them.
TEST_F(FileSystemContract, HiddenAndSystemFilesTakeNewBytesAndKeepTheirMarks) {
  Write("desktop.ini", "old", fileattr::kHidden | fileattr::kSystem);
  Write("autorun.inf", "old", fileattr::kHidden);
  for (const char* name : {"desktop.ini", "autorun.inf"}) {
    const uint32_t marks = Attributes(name) & (fileattr::kHidden | fileattr::kSystem);
    ASSERT_EQ(files().WriteFile(At(name), Bytes("new")), status::kOk) << name;
    EXPECT_EQ(Text(name), "new") << name;
    EXPECT_EQ(Attributes(name) & (fileattr::kHidden | fileattr::kSystem), marks) << name;
  }
}

TEST_F(FileSystemContract, ReadOnlyFilesRefuseChanges) {
  // Wine keeps read-only as the file's Unix write permission, which does not hold back the
  // superuser that test machines often run as.
  if (contract::RunningOnWine()) GTEST_SKIP() << "read-only is not enforced for every Wine user";
  Write("locked.txt", "kept", fileattr::kReadOnly);
  Write("other.txt", "other");
  EXPECT_EQ(files().WriteFile(At("locked.txt"), Bytes("lost")), status::kAccessDenied);
  EXPECT_EQ(files().AppendFile(At("locked.txt"), Bytes("lost")), status::kAccessDenied);
  EXPECT_EQ(files().DeleteFile(At("locked.txt")), status::kAccessDenied);
  EXPECT_EQ(files().CopyFile(At("other.txt"), At("locked.txt"), false), status::kAccessDenied);
  EXPECT_EQ(files().MoveFile(At("other.txt"), At("locked.txt"), true), status::kAccessDenied);
  EXPECT_EQ(Text("locked.txt"), "kept");
  EXPECT_EQ(Text("other.txt"), "other");
}

TEST_F(FileSystemContract, CopiesAndRenamesOfReadOnlyFilesStayReadOnly) {
  Write("locked.txt", "kept", fileattr::kReadOnly);
  ASSERT_EQ(files().CopyFile(At("locked.txt"), At("copy.txt"), true), status::kOk);
  EXPECT_EQ(Attributes("copy.txt") & fileattr::kReadOnly, fileattr::kReadOnly);
  ASSERT_EQ(files().MoveFile(At("locked.txt"), At("renamed.txt"), false), status::kOk);
  EXPECT_EQ(Attributes("renamed.txt") & fileattr::kReadOnly, fileattr::kReadOnly);
  EXPECT_EQ(Text("renamed.txt"), "kept");
}

TEST_F(FileSystemContract, ListingsFollowTheSystemsWildcardRules) {
  for (const char* name : {"README", "a.txt", "a.b.c", "name.txt", "name1.txt", "name12.txt",
                           "Программа.exe", "程序1.exe"}) {
    Write(name);
  }
  Write("Hidden.exe", "x", fileattr::kHidden | fileattr::kSystem);
  Folder("Sub.dir");
  const bool wine = contract::RunningOnWine();
  using Names = std::vector<std::string>;
  const Names all = {"Hidden.exe", "README", "Sub.dir", "a.b.c", "a.txt", "name.txt",
                     "name1.txt", "name12.txt", "Программа.exe", "程序1.exe"};
  struct Case {
    const char* pattern;
    Names names;
  };
  const Case cases[] = {
      {"*", all},
      {"*.*", all},  // names without a dot too
      {"*.txt", {"a.txt", "name.txt", "name1.txt", "name12.txt"}},
      {"a.*", {"a.b.c", "a.txt"}},
      {"*.c", {"a.b.c"}},
      // (Windows and Wine also match the short 8.3 names they make up for long or non-ASCII
      // names, such as "PROGRA~1.EXE"; patterns here steer clear of those.)
      {"*me1*", {"name1.txt", "name12.txt"}},
      {"HIDDEN.EXE", {"Hidden.exe"}},
      {"sub.DIR", {"Sub.dir"}},
      {"программа.*", {"Программа.exe"}},
      {"程序?.exe", {"程序1.exe"}},
      {"a.txt.", {"a.txt"}},  // trailing dots and blanks are not part of a name
      {"a.txt .", {"a.txt"}},
      {"?", {}},
      {"*.zip", {}},
      // Wine matches "*." like "*" and lets "?" stand for exactly one character; Windows lists
      // only names without a dot for "*." and lets "?" match nothing before a dot.
      {"*.", wine ? all : Names{"README"}},
      {"name?.txt", wine ? Names{"name1.txt"} : Names{"name.txt", "name1.txt"}},
      {"????.txt", wine ? Names{"name.txt"} : Names{"a.txt", "name.txt"}},
  };
  for (const auto& c : cases) {
    Status result = -1;
    EXPECT_THAT(Listed(c.pattern, &result), ElementsAreArray(c.names)) << c.pattern;
    EXPECT_EQ(result, c.names.empty() ? status::kFileNotFound : status::kOk) << c.pattern;
  }
}

TEST_F(FileSystemContract, ListingsOfWhatIsNoFolderSayWhy) {
  Write("file.txt");
  const std::string missing_drive = MissingDrive();
  ASSERT_FALSE(missing_drive.empty());
  struct Case {
    std::string pattern;
    Status result;
  };
  const bool wine = contract::RunningOnWine();
  const Case cases[] = {
      {At("Missing\\*"), status::kPathNotFound},
      {At("Missing\\Deeper\\*.txt"), status::kPathNotFound},
      {At("file.txt\\Deeper\\*"), status::kPathNotFound},
      // Windows: "the directory name is invalid"; Wine calls the name itself invalid.
      {At("file.txt\\*"), wine ? status::kInvalidName : status::kDirectory},
      {missing_drive + "*", status::kPathNotFound},
  };
  for (const auto& c : cases) {
    std::vector<FileEntry> entries{{"stale"}};
    EXPECT_EQ(files().FindFiles(c.pattern, entries), c.result) << c.pattern;
    EXPECT_TRUE(entries.empty()) << c.pattern;
  }
}

TEST_F(FileSystemContract, DrivesAnswerTheirTypeReadinessAndSpace) {
  const auto roots = files().DriveRoots();
  EXPECT_THAT(roots, Contains("C:\\"));
  for (const auto& root : roots) {
    ASSERT_EQ(root.size(), 3u) << root;
    EXPECT_EQ(root.substr(1), ":\\") << root;
    EXPECT_NE(files().GetDriveType(root), DriveType::Unknown) << root;
    EXPECT_NE(files().GetDriveType(root), DriveType::NoRootDir) << root;
  }
  for (const char* spelling : {"C:\\", "C:", "c:\\", "c:"}) {
    EXPECT_EQ(files().GetDriveType(spelling), DriveType::Fixed) << spelling;
    EXPECT_TRUE(files().DriveReady(spelling)) << spelling;
  }
  uint64_t total = 0, free = 0;
  ASSERT_EQ(files().DiskSpace("C:\\", total, free), status::kOk);
  EXPECT_GT(total, 0u);
  EXPECT_GE(total, free);
}

TEST_F(FileSystemContract, AMissingDriveIsNoRootAndFilesOnItHaveNoPath) {
  const std::string root = MissingDrive();
  ASSERT_FALSE(root.empty());
  EXPECT_EQ(files().GetDriveType(root), DriveType::NoRootDir);
  EXPECT_FALSE(files().DriveReady(root));
  uint64_t total = 0, free = 0;
  EXPECT_EQ(files().DiskSpace(root, total, free), status::kPathNotFound);
  uint32_t attributes = 0;
  std::vector<uint8_t> bytes;
  const std::pair<const char*, std::function<Status()>> calls[] = {
      {"GetAttributes", [&] { return files().GetAttributes(root + "file.txt", attributes); }},
      {"ReadFile", [&] { return files().ReadFile(root + "file.txt", bytes); }},
      {"WriteFile", [&] { return files().WriteFile(root + "file.txt", Bytes("x")); }},
      {"CreateFolder", [&] { return files().CreateFolder(root + "Folder"); }},
      {"CopyFile to", [&] {
         Write("here.txt");
         return files().CopyFile(At("here.txt"), root + "there.txt", false);
       }},
  };
  // Windows finds no path to a file on a drive that is not there; Wine finds no file.
  const Status expected = contract::RunningOnWine() ? status::kFileNotFound : status::kPathNotFound;
  for (const auto& [name, call] : calls) EXPECT_EQ(call(), expected) << name;
  EXPECT_EQ(attributes, fileattr::kInvalid);
  EXPECT_EQ(Text("here.txt"), "x");
}

TEST_F(FileSystemContract, LongAndNonAsciiNamesWorkThroughEveryCall) {
  const bool wine = contract::RunningOnWine();
  const std::string longest(251, 'L');
  // 200 Cyrillic letters fit the system's 255 characters; Wine keeps names in UTF-8 on a
  // disk that allows 255 bytes, which these 400 bytes do not fit.
  std::string long_cyrillic;
  for (int i = 0; i < 200; ++i) long_cyrillic += "Ж";
  struct Case {
    std::string name;
    std::string upper;  // the same name in other letter case
  };
  std::vector<Case> cases = {
      {"Программа.exe", "ПРОГРАММА.EXE"},
      {"程序 文件.txt", "程序 文件.TXT"},
      {"Ünïcödé façade.txt", "ÜNÏCÖDÉ FAÇADE.TXT"},
      {"\xF0\x9F\x98\x80 smile.txt", "\xF0\x9F\x98\x80 SMILE.TXT"},
      {"two  blanks; a,b=c [x].txt", "TWO  BLANKS; A,B=C [X].TXT"},
      {longest + ".txt", std::string(251, 'l') + ".TXT"},
  };
  if (!wine) cases.push_back({long_cyrillic, long_cyrillic});
  for (const auto& c : cases) {
    const std::string text = "text of " + c.name;
    Write(c.name, text);
    EXPECT_EQ(Attributes(c.upper), fileattr::kArchive) << c.name;
    EXPECT_EQ(Text(c.upper), text) << c.name;
    EXPECT_THAT(Listed("*"), ElementsAreArray({c.name})) << c.name;
    ASSERT_EQ(files().CopyFile(At(c.name), At("copy"), false), status::kOk) << c.name;
    EXPECT_EQ(files().DeleteFile(At(c.upper)), status::kOk) << c.name;
    ASSERT_EQ(files().MoveFile(At("copy"), At(c.name), false), status::kOk) << c.name;
    EXPECT_EQ(Text(c.name), text) << c.name;
    EXPECT_EQ(files().DeleteFile(At(c.name)), status::kOk) << c.name;
    EXPECT_THAT(Listed("*"), ::testing::IsEmpty()) << c.name;
  }
  // One character more than a name may hold: an invalid name on Windows, none found on Wine.
  EXPECT_EQ(files().WriteFile(At(std::string(256, 'L')), Bytes("x")),
            wine ? status::kFileNotFound : status::kInvalidName);
  EXPECT_THAT(Listed("*"), ::testing::IsEmpty());
}

TEST_F(FileSystemContract, PathsLongerThanTheClassicLimitWork) {
  std::string folder;
  for (const char* part : {"first", "second", "third", "fourth", "fifth"}) {
    folder += std::string(folder.empty() ? "" : "\\") + part + std::string(56, '_');
    ASSERT_EQ(files().CreateFolder(At(folder)), status::kOk) << folder;
  }
  const std::string file = folder + "\\" + std::string(40, 'f') + ".txt";
  ASSERT_GT(At(file).size(), 300u);
  Write(file, "deep");
  EXPECT_EQ(Text(file), "deep");
  EXPECT_EQ(Attributes(file), fileattr::kArchive);
  EXPECT_THAT(Listed(folder + "\\*.txt"), ElementsAreArray({std::string(40, 'f') + ".txt"}));
  EXPECT_EQ(files().MoveFile(At(file), At(folder + "\\moved.txt"), false), status::kOk);
  EXPECT_EQ(files().DeleteFile(At(folder + "\\moved.txt")), status::kOk);
}

TEST_F(FileSystemContract, FailedCallsGiveTheSystemsCodesAndChangeNothing) {
  Write("file.txt", "file");
  Write("other.txt", "other");
  Folder("Dir");
  Write("Dir\\inside.txt", "inside");
  Folder("Empty");
  const auto at = [this](std::string_view name) { return At(name); };
  std::vector<uint8_t> bytes;
  struct Case {
    const char* what;
    std::function<Status()> call;
    Status result;
  };
  FileSystem& fs = files();
  const Case cases[] = {
      {"delete a missing file", [&] { return fs.DeleteFile(at("missing.txt")); }, status::kFileNotFound},
      {"delete in a missing folder", [&] { return fs.DeleteFile(at("Missing\\x.txt")); }, status::kPathNotFound},
      {"delete a folder", [&] { return fs.DeleteFile(at("Dir")); }, status::kAccessDenied},
      {"copy a missing file", [&] { return fs.CopyFile(at("missing.txt"), at("c.txt"), false); }, status::kFileNotFound},
      {"copy onto a file, failing if it exists", [&] { return fs.CopyFile(at("file.txt"), at("other.txt"), true); }, status::kFileExists},
      {"copy into a missing folder", [&] { return fs.CopyFile(at("file.txt"), at("Missing\\c.txt"), false); }, status::kPathNotFound},
      {"copy onto a folder", [&] { return fs.CopyFile(at("file.txt"), at("Dir"), false); }, status::kAccessDenied},
      {"copy a folder", [&] { return fs.CopyFile(at("Dir"), at("c.txt"), false); }, status::kAccessDenied},
      {"move a missing file", [&] { return fs.MoveFile(at("missing.txt"), at("m.txt"), false); }, status::kFileNotFound},
      {"move onto a file without replacing", [&] { return fs.MoveFile(at("file.txt"), at("other.txt"), false); }, status::kAlreadyExists},
      {"move onto a folder", [&] { return fs.MoveFile(at("file.txt"), at("Dir"), true); }, status::kAccessDenied},
      {"move a folder onto a folder", [&] { return fs.MoveFile(at("Dir"), at("Empty"), true); }, status::kAccessDenied},
      {"move into a missing folder", [&] { return fs.MoveFile(at("file.txt"), at("Missing\\m.txt"), false); }, status::kPathNotFound},
      {"create an existing folder", [&] { return fs.CreateFolder(at("Dir")); }, status::kAlreadyExists},
      {"create a folder over a file", [&] { return fs.CreateFolder(at("file.txt")); }, status::kAlreadyExists},
      {"create in a missing folder", [&] { return fs.CreateFolder(at("Missing\\New")); }, status::kPathNotFound},
      {"remove a folder with files", [&] { return fs.RemoveFolder(at("Dir")); }, status::kDirNotEmpty},
      {"remove a missing folder", [&] { return fs.RemoveFolder(at("Missing")); }, status::kFileNotFound},
      {"remove a file as a folder", [&] { return fs.RemoveFolder(at("file.txt")); }, status::kDirectory},
      {"read a folder", [&] { return fs.ReadFile(at("Dir"), bytes); }, status::kAccessDenied},
      {"read a missing file", [&] { return fs.ReadFile(at("missing.txt"), bytes); }, status::kFileNotFound},
      {"write a folder", [&] { return fs.WriteFile(at("Dir"), Bytes("x")); }, status::kAccessDenied},
      {"write in a missing folder", [&] { return fs.WriteFile(at("Missing\\x.txt"), Bytes("x")); }, status::kPathNotFound},
      {"write below a file", [&] { return fs.WriteFile(at("file.txt\\x.txt"), Bytes("x")); }, status::kPathNotFound},
      {"attributes of a missing file", [&] { return fs.SetAttributes(at("missing.txt"), fileattr::kHidden); }, status::kFileNotFound},
      {"read attributes of a missing file", [&] { uint32_t a; return fs.GetAttributes(at("missing.txt"), a); }, status::kFileNotFound},
      {"read attributes in a missing folder", [&] { uint32_t a; return fs.GetAttributes(at("Missing\\x.txt"), a); }, status::kPathNotFound},
  };
  for (const auto& c : cases) EXPECT_EQ(c.call(), c.result) << c.what;
  EXPECT_EQ(Text("file.txt"), "file");
  EXPECT_EQ(Text("other.txt"), "other");
  EXPECT_EQ(Text("Dir\\inside.txt"), "inside");
  EXPECT_THAT(Listed("*"), ElementsAreArray({"Dir", "Empty", "file.txt", "other.txt"}));

  // Every byte value is kept, and the file is found in any case.
  ASSERT_EQ(fs.WriteFile(at("data.bin"), {0, 1, 2, 255}), status::kOk);
  ASSERT_EQ(fs.ReadFile(at("DATA.BIN"), bytes), status::kOk);
  EXPECT_EQ(bytes, (std::vector<uint8_t>{0, 1, 2, 255}));
}

TEST_F(FileSystemContract, MovesAndCopiesKeepNamesBytesAndAttributes) {
  const bool wine = contract::RunningOnWine();
  Write("file.txt", "first", fileattr::kHidden);
  ASSERT_EQ(files().MoveFile(At("file.txt"), At("FILE.TXT"), false), status::kOk);
  // A rename that changes only the letter case shows on Windows; Wine keeps the old name.
  const std::string renamed = wine ? "file.txt" : "FILE.TXT";
  EXPECT_THAT(Listed("*"), ElementsAreArray({renamed}));
  EXPECT_EQ(Attributes("FILE.TXT") & ~fileattr::kArchive, fileattr::kHidden);

  ASSERT_EQ(files().CopyFile(At("FILE.TXT"), At("copy.txt"), true), status::kOk);
  EXPECT_EQ(Attributes("copy.txt") & fileattr::kHidden, fileattr::kHidden);
  Write("replaced.txt", "old");
  ASSERT_EQ(files().CopyFile(At("FILE.TXT"), At("replaced.txt"), false), status::kOk);
  EXPECT_EQ(Text("replaced.txt"), "first");
  Write("target.txt", "old");
  ASSERT_EQ(files().MoveFile(At("copy.txt"), At("target.txt"), true), status::kOk);
  EXPECT_EQ(Text("target.txt"), "first");

  Folder("Dir");
  Write("Dir\\inside.txt", "inside");
  ASSERT_EQ(files().MoveFile(At("Dir"), At("Renamed"), false), status::kOk);
  EXPECT_EQ(Text("Renamed\\inside.txt"), "inside");
  ASSERT_EQ(files().AppendFile(At("Renamed\\inside.txt"), Bytes(" more")), status::kOk);
  EXPECT_EQ(Text("Renamed\\inside.txt"), "inside more");
  std::vector<std::string> listed = {renamed, "Renamed", "replaced.txt", "target.txt"};
  std::sort(listed.begin(), listed.end());
  EXPECT_THAT(Listed("*"), ElementsAreArray(listed));
}

// The journal holds its file open through an action: appends through the held file and
// AppendFile's own interleave in order, and the file can be read as it grows.
TEST_F(FileSystemContract, AHeldFileTakesAppendsInOrderAndCanBeReadMeanwhile) {
  {
    const std::unique_ptr<FileAppender> held = files().OpenAppender(At("journal.qbj"));
    ASSERT_EQ(held->Append(Bytes("one ")), status::kOk);
    ASSERT_EQ(files().AppendFile(At("journal.qbj"), Bytes("two ")), status::kOk);
    ASSERT_EQ(held->Append(Bytes("three")), status::kOk);
    std::vector<uint8_t> bytes;
    ASSERT_EQ(files().ReadGrowingFile(At("journal.qbj"), bytes), status::kOk);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "one two three");
  }
  ASSERT_EQ(files().DeleteFile(At("journal.qbj")), status::kOk);
}

// The cleaner proves a backup copy whole and of the version it judged by these facts alone.
TEST_F(FileSystemContract, ACopyKeepsTheFactsOfItsOriginal) {
  Write("original.lnk", "shortcut bytes", fileattr::kHidden);
  FileFacts original, copy;
  ASSERT_EQ(files().GetFacts(At("original.lnk"), original), status::kOk);
  EXPECT_EQ(original.attributes, Attributes("original.lnk"));
  EXPECT_EQ(original.size, 14u);
  ASSERT_EQ(files().CopyFile(At("original.lnk"), At("copy.lnk"), true), status::kOk);
  ASSERT_EQ(files().GetFacts(At("copy.lnk"), copy), status::kOk);
  EXPECT_EQ(copy.size, original.size);
  EXPECT_EQ(copy.written, original.written);
  EXPECT_EQ(copy.attributes & fileattr::kHidden, fileattr::kHidden);
  EXPECT_EQ(files().GetFacts(At("missing.lnk"), copy), status::kFileNotFound);
}

}  // namespace
}  // namespace qb
