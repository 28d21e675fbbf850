// The read cache in front of an INI store reads a file whole once where it can, asks each
// question once where it cannot, and never serves a value a write has replaced.
#include <gtest/gtest.h>

#include "platform/memory/memory_profile.h"
#include "platform/profile_read_cache.h"

namespace qb {
namespace {

// Counts the reads that reach the store behind the cache; gives whole files only when told.
class CountingStore : public MemoryProfileStore {
 public:
  std::string GetString(std::string_view file, std::string_view section, std::string_view key,
                        std::string_view fallback, size_t buffer_chars) override {
    ++reads;
    return MemoryProfileStore::GetString(file, section, key, fallback, buffer_chars);
  }
  std::optional<std::string> ReadText(std::string_view file) override {
    ++whole_reads;
    return gives_whole_files ? MemoryProfileStore::ReadText(file) : std::nullopt;
  }
  bool gives_whole_files = false;
  int reads = 0;
  int whole_reads = 0;
};

constexpr std::string_view kFile = "C:\\Quill Box\\languages\\English.ini";

TEST(ProfileReadCache, AFileGivenWholeIsReadOnceAndAnsweredAsTheStoreWould) {
  CountingStore store;
  store.gives_whole_files = true;
  store.SetFile(kFile, "[Vorlix]\r\n1016 = \"Apply\" \r\n1014=Browse\r\nbare\r\n");
  ProfileReadCache cache(store);
  const struct {
    std::string_view section, key, fallback;
    size_t buffer;
  } questions[] = {{"Vorlix", "1016", "", 255}, {"vorlix", "1014", "", 255}, {"Vorlix", "1016", "", 4},
                   {"Vorlix", "bare", "none ", 255}, {"Other", "1016", "fallback", 5},
                   {"Vorlix", "1016", "", 0}};
  for (const auto& q : questions) {
    EXPECT_EQ(cache.GetString(kFile, q.section, q.key, q.fallback, q.buffer),
              store.MemoryProfileStore::GetString(kFile, q.section, q.key, q.fallback, q.buffer))
        << q.key << " " << q.buffer;
  }
  EXPECT_EQ(store.whole_reads, 1);
  EXPECT_EQ(store.reads, 0);
}

TEST(ProfileReadCache, AsksTheStoreOncePerQuestionOfAFileNotGivenWhole) {
  CountingStore store;
  store.SetFile(kFile, "[Vorlix]\r\n1016=Apply\r\n1014=Browse\r\n");
  ProfileReadCache cache(store);
  const struct {
    std::string_view key, fallback;
    size_t buffer;
    std::string expected;
    int reads_after;
  } questions[] = {
      {"1016", "", 255, "Apply", 1},
      {"1016", "", 255, "Apply", 1},      // asked again: answered from the cache
      {"1014", "", 255, "Browse", 2},
      {"1016", "", 4, "App", 3},          // another buffer is another question
      {"9999", "none", 255, "none", 4},   // a missing key's fallback is remembered too
      {"9999", "none", 255, "none", 4},
      {"9999", "other", 255, "other", 5},
  };
  for (const auto& q : questions) {
    EXPECT_EQ(cache.GetString(kFile, "Vorlix", q.key, q.fallback, q.buffer), q.expected) << q.key;
    EXPECT_EQ(store.reads, q.reads_after) << q.key;
  }
}

// Asked key by key or read whole, a file is read again only after a write to it.
TEST(ProfileReadCache, AWriteForgetsWhatWasReadFromThatFileOnly) {
  for (const bool whole : {false, true}) {
    CountingStore store;
    store.gives_whole_files = whole;
    const std::string other = "C:\\Quill Box\\languages\\German.ini";
    store.SetFile(kFile, "[Vorlix]\r\n1016=Apply\r\n");
    store.SetFile(other, "[Vorlix]\r\n1016=Anwenden\r\n");
    ProfileReadCache cache(store);
    cache.GetString(kFile, "Vorlix", "1016", "", 255);
    cache.GetString(other, "Vorlix", "1016", "", 255);
    // Named in another case, it is the same file.
    EXPECT_TRUE(cache.WriteString("c:\\quill box\\languages\\ENGLISH.INI", "Vorlix", "1016", "Use"));
    EXPECT_EQ(cache.GetString(kFile, "Vorlix", "1016", "", 255), "Use");
    EXPECT_EQ(cache.GetString(other, "Vorlix", "1016", "", 255), "Anwenden");
    EXPECT_EQ(whole ? store.whole_reads : store.reads, 3) << whole;
  }
}

}  // namespace
}  // namespace qb
