// The contract suites run natively against the in-memory machine.
#include "contract/fixtures.h"
#include "platform/memory/memory_profile.h"
#include "platform/memory/memory_registry.h"

namespace qb::contract {

std::unique_ptr<Registry> MakeRegistryUnderTest() { return std::make_unique<MemoryRegistry>(); }

bool RunningOnWine() { return false; }

namespace {

class MemoryProfileFixture : public ProfileFixture {
 public:
  ProfileStore& Store() override { return store_; }
  std::string NewFile(std::string_view name, std::string_view text) override {
    const auto path = PathOf(name);
    store_.SetFile(path, std::string(text));
    return path;
  }
  std::string PathOf(std::string_view name) override {
    return "C:\\QuillBoxTests\\" + std::string(name);
  }
  std::optional<std::string> ReadText(std::string_view path) override {
    const std::string* text = store_.File(path);
    return text ? std::optional<std::string>(*text) : std::nullopt;
  }

 private:
  MemoryProfileStore store_;
};

}  // namespace

std::unique_ptr<ProfileFixture> MakeProfileFixture() {
  return std::make_unique<MemoryProfileFixture>();
}

}  // namespace qb::contract
