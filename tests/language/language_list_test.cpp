#include "language/language_list.h"

#include <gtest/gtest.h>

#include "platform/memory/memory_file_system.h"

namespace qb::language {
namespace {

constexpr const char* kFolder = "C:\\Program Files\\Quill Box";

std::vector<std::string> ListWith(std::initializer_list<const char*> names) {
  MemoryFileSystem files;
  files.AddFolder(std::string(kFolder) + "\\languages");
  for (const char* name : names) files.AddFile(std::string(kFolder) + "\\languages\\" + name);
  return AvailableLanguages(files, kFolder);
}

TEST(LanguageListTest, EnglishFirstThenTheOtherFilesByNameWithoutRegardToCase) {
  EXPECT_EQ(ListWith({"français.ini", "German.ini", "english.INI", "Deutsch (Schweiz).ini",
                      "afrikaans.ini", "Ελληνικά.ini"}),
            (std::vector<std::string>{"English", "afrikaans", "Deutsch (Schweiz)", "français",
                                      "German", "Ελληνικά"}));
}

TEST(LanguageListTest, OnlyFilesNamedDotIniAreLanguages) {
  MemoryFileSystem files;
  files.AddFolder(std::string(kFolder) + "\\languages\\Old.ini");  // a folder
  files.AddFile(std::string(kFolder) + "\\languages\\German.ini.bak");
  files.AddFile(std::string(kFolder) + "\\languages\\readme.txt");
  files.AddFile(std::string(kFolder) + "\\languages\\.ini");  // no name before the extension
  files.AddFile(std::string(kFolder) + "\\languages\\French.ini");
  EXPECT_EQ(AvailableLanguages(files, kFolder), (std::vector<std::string>{"English", "French"}));
}

TEST(LanguageListTest, EnglishIsOfferedWithoutAnyLanguageFolder) {
  MemoryFileSystem files;
  EXPECT_EQ(AvailableLanguages(files, kFolder), std::vector<std::string>{"English"});
}

}  // namespace
}  // namespace qb::language
