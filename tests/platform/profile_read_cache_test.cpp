// The read cache in front of an INI store answers each question once and never serves a
// value a write has replaced.
#include <gtest/gtest.h>

#include "platform/memory/memory_profile.h"
#include "platform/profile_read_cache.h"

namespace qb {
namespace {

// Counts the reads that reach the store behind the cache.
class CountingStore : public MemoryProfileStore {
 public:
  std::string GetString(std::string_view file, std::string_view section, std::string_view key,
                        std::string_view fallback, size_t buffer_chars) override {
    ++reads;
    return MemoryProfileStore::GetString(file, section, key, fallback, buffer_chars);
  }
  int reads = 0;
};

constexpr std::string_view kFile = "C:\\Quill Box\\languages\\English.ini";

TEST(ProfileReadCache, AsksTheStoreOncePerQuestion) {
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

TEST(ProfileReadCache, AWriteForgetsWhatWasReadFromThatFileOnly) {
  CountingStore store;
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
  EXPECT_EQ(store.reads, 3);
}

}  // namespace
}  // namespace qb
