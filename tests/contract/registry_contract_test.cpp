// The registry's behaviour that the program relies on, checked against whichever registry
// the test program was built with: the memory one natively, the real one under Windows.
// Each test works in a scratch key of its own that is removed with everything below it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>

#include "contract/fixtures.h"

namespace qb {
namespace {

using ::testing::ElementsAre;

constexpr std::string_view kTestsKey = "Software\\QuillBoxTests";

void DeleteTree(Registry& registry, const RegKeyPath& key) {
  std::vector<std::string> subkeys;
  registry.EnumKeys(key, subkeys);
  for (const auto& name : subkeys) DeleteTree(registry, key.Child(name));
  registry.DeleteKey(key);
}

std::string UniqueName() {
  std::random_device random;
  return "run" + std::to_string(random()) + std::to_string(random());
}

std::vector<std::string> NamesOf(const std::vector<RegValue>& values) {
  std::vector<std::string> names;
  for (const auto& value : values) names.push_back(value.name);
  return names;
}

class RegistryContract : public ::testing::Test {
 protected:
  void SetUp() override {
    registry_ = contract::MakeRegistryUnderTest();
    scratch_ = RegKeyPath{RegRoot::CurrentUser, std::string(kTestsKey)}.Child(UniqueName());
    ASSERT_EQ(registry_->CreateKey(scratch_), status::kOk);
  }
  void TearDown() override {
    for (const auto& key : cleanup_) DeleteTree(*registry_, key);
    DeleteTree(*registry_, scratch_);
    // The shared parents go only when no other run still has keys there.
    registry_->DeleteKey({RegRoot::CurrentUser, std::string(kTestsKey)});
    for (RegView view : {RegView::Force32, RegView::Force64}) {
      registry_->DeleteKey({RegRoot::LocalMachine, std::string(kTestsKey), view});
    }
  }

  Registry& registry() { return *registry_; }

  std::unique_ptr<Registry> registry_;
  RegKeyPath scratch_;
  std::vector<RegKeyPath> cleanup_;
};

TEST_F(RegistryContract, EveryValueTypeRoundTripsByteForByte) {
  const std::vector<RegValue> written = {
      RegValue::String("sz", "C:\\Program Files\\x.exe"),
      RegValue::String("expand", "%SystemRoot%\\system32", regtype::kExpandSz),
      RegValue::Binary("binary", {0x00, 0x01, 0x7F, 0x80, 0xFF, 0x00}),
      RegValue::Dword("dword", 0xDEADBEEF),
      RegValue::MultiString("multi", {"first", "", "third"}),
      RegValue::Qword("qword", 0x0123456789ABCDEFull),
      RegValue::Binary("none", {0x10, 0x20, 0x30}, regtype::kNone),
      RegValue::Binary("none-empty", {}, regtype::kNone),
      RegValue::String("empty-sz", ""),
      // Stored as written even without its terminator; readers must cope.
      RegValue::Binary("unterminated", {'a', 0, 'b', 0}, regtype::kSz),
      RegValue::Binary("odd-length-sz", {'a', 0, 'b'}, regtype::kSz),
  };
  for (const auto& value : written) ASSERT_EQ(registry().SetValue(scratch_, value), status::kOk);

  for (const auto& value : written) {
    RegValue read;
    ASSERT_EQ(registry().QueryValue(scratch_, value.name, read), status::kOk) << value.name;
    EXPECT_EQ(read, value) << value.name;
  }
  std::vector<RegValue> listed;
  ASSERT_EQ(registry().EnumValues(scratch_, listed), status::kOk);
  ASSERT_EQ(listed.size(), written.size());
  for (const auto& value : written) {
    EXPECT_THAT(listed, ::testing::Contains(value)) << value.name;
  }
}

TEST_F(RegistryContract, ReplacingAValueChangesItsTypeAndData) {
  ASSERT_EQ(registry().SetValue(scratch_, RegValue::String("v", "a much longer text")), status::kOk);
  ASSERT_EQ(registry().SetValue(scratch_, RegValue::Dword("v", 7)), status::kOk);
  RegValue read;
  ASSERT_EQ(registry().QueryValue(scratch_, "v", read), status::kOk);
  EXPECT_EQ(read, RegValue::Dword("v", 7));
  std::vector<RegValue> listed;
  registry().EnumValues(scratch_, listed);
  EXPECT_EQ(listed.size(), 1u);
}

TEST_F(RegistryContract, DefaultValueHasTheEmptyName) {
  RegValue read;
  EXPECT_EQ(registry().QueryValue(scratch_, "", read), status::kFileNotFound);

  ASSERT_EQ(registry().SetValue(scratch_, RegValue::String("", "default text")), status::kOk);
  ASSERT_EQ(registry().QueryValue(scratch_, "", read), status::kOk);
  EXPECT_EQ(read.AsString(), "default text");
  std::vector<RegValue> listed;
  registry().EnumValues(scratch_, listed);
  EXPECT_THAT(NamesOf(listed), ElementsAre(""));

  EXPECT_EQ(registry().DeleteValue(scratch_, ""), status::kOk);
  EXPECT_EQ(registry().QueryValue(scratch_, "", read), status::kFileNotFound);
}

TEST_F(RegistryContract, KeyAndValueNamesIgnoreCaseAndKeepTheirSpelling) {
  ASSERT_EQ(registry().CreateKey(scratch_.Child("MixedCase")), status::kOk);
  EXPECT_EQ(registry().OpenKey(scratch_.Child("MIXEDCASE"), regaccess::kRead), status::kOk);
  ASSERT_EQ(registry().CreateKey(scratch_.Child("mixedcase")), status::kOk);
  ASSERT_EQ(registry().CreateKey(scratch_.Child("Дом")), status::kOk);
  EXPECT_EQ(registry().OpenKey(scratch_.Child("ДОМ"), regaccess::kRead), status::kOk);
  std::vector<std::string> keys;
  registry().EnumKeys(scratch_, keys);
  EXPECT_THAT(keys, ElementsAre("MixedCase", "Дом"));

  ASSERT_EQ(registry().SetValue(scratch_, RegValue::Dword("Value", 1)), status::kOk);
  ASSERT_EQ(registry().SetValue(scratch_, RegValue::Dword("VALUE", 2)), status::kOk);
  RegValue read;
  ASSERT_EQ(registry().QueryValue(scratch_, "vAlUe", read), status::kOk);
  EXPECT_EQ(read.AsDword(), 2u);
  EXPECT_EQ(read.name, "vAlUe");  // the name asked for; the stored spelling shows in lists
  std::vector<RegValue> listed;
  registry().EnumValues(scratch_, listed);
  EXPECT_THAT(NamesOf(listed), ElementsAre("Value"));
  EXPECT_EQ(registry().DeleteValue(scratch_, "value"), status::kOk);
}

TEST_F(RegistryContract, SubkeysEnumerateSortedByUpperCaseUnits) {
  // Sorting on upper-cased units puts '_' (0x5F) after every letter, which a lower-case
  // or locale comparison would not.
  for (const char* name : {"b", "_under", "C", "a", "B2", "z"}) {
    ASSERT_EQ(registry().CreateKey(scratch_.Child(name)), status::kOk);
  }
  std::vector<std::string> keys;
  ASSERT_EQ(registry().EnumKeys(scratch_, keys), status::kOk);
  if (contract::RunningOnWine()) {
    // Wine's registry server compares lower-cased names, so '_' sorts before letters.
    EXPECT_THAT(keys, ElementsAre("_under", "a", "b", "B2", "C", "z"));
  } else {
    EXPECT_THAT(keys, ElementsAre("a", "b", "B2", "C", "z", "_under"));
  }
}

TEST_F(RegistryContract, ValuesEnumerateInCreationOrder) {
  for (const char* name : {"zeta", "alpha", "Mid", "beta"}) {
    ASSERT_EQ(registry().SetValue(scratch_, RegValue::Dword(name, 1)), status::kOk);
  }
  registry().DeleteValue(scratch_, "alpha");
  registry().SetValue(scratch_, RegValue::Dword("alpha", 2));
  registry().SetValue(scratch_, RegValue::Dword("zeta", 3));  // replacing keeps the place
  std::vector<RegValue> listed;
  ASSERT_EQ(registry().EnumValues(scratch_, listed), status::kOk);
  if (contract::RunningOnWine()) {
    // Wine's registry server keeps values sorted by name; Windows keeps creation order.
    EXPECT_THAT(NamesOf(listed), ElementsAre("alpha", "beta", "Mid", "zeta"));
  } else {
    EXPECT_THAT(NamesOf(listed), ElementsAre("zeta", "Mid", "beta", "alpha"));
  }
}

TEST_F(RegistryContract, MissingKeysAndValuesAreFileNotFound) {
  const auto missing = scratch_.Child("missing");
  RegValue read;
  std::vector<std::string> keys;
  std::vector<RegValue> values;
  EXPECT_EQ(registry().OpenKey(missing, regaccess::kRead), status::kFileNotFound);
  EXPECT_EQ(registry().OpenKey(missing.Child("deeper"), regaccess::kRead), status::kFileNotFound);
  EXPECT_EQ(registry().QueryValue(missing, "v", read), status::kFileNotFound);
  EXPECT_EQ(registry().QueryValue(scratch_, "v", read), status::kFileNotFound);
  EXPECT_EQ(registry().SetValue(missing, RegValue::Dword("v", 1)), status::kFileNotFound);
  EXPECT_EQ(registry().DeleteValue(missing, "v"), status::kFileNotFound);
  EXPECT_EQ(registry().DeleteValue(scratch_, "v"), status::kFileNotFound);
  EXPECT_EQ(registry().DeleteKey(missing), status::kFileNotFound);
  EXPECT_EQ(registry().EnumKeys(missing, keys), status::kFileNotFound);
  EXPECT_EQ(registry().EnumValues(missing, values), status::kFileNotFound);
  // A failed call leaves no key behind.
  EXPECT_EQ(registry().OpenKey(missing, regaccess::kRead), status::kFileNotFound);
}

TEST_F(RegistryContract, CreateKeyMakesMissingParentsAndAcceptsExistingKeys) {
  const auto deep = scratch_.Child("a\\b\\c");
  ASSERT_EQ(registry().CreateKey(deep), status::kOk);
  EXPECT_EQ(registry().OpenKey(scratch_.Child("a"), regaccess::kRead), status::kOk);
  EXPECT_EQ(registry().OpenKey(scratch_.Child("a\\b"), regaccess::kRead), status::kOk);
  EXPECT_EQ(registry().OpenKey(deep, regaccess::kAllAccess), status::kOk);
  EXPECT_EQ(registry().CreateKey(deep), status::kOk);
  std::vector<std::string> keys;
  registry().EnumKeys(scratch_.Child("a\\b"), keys);
  EXPECT_THAT(keys, ElementsAre("c"));
}

TEST_F(RegistryContract, PlainDeleteRefusesAKeyWithSubkeys) {
  const auto parent = scratch_.Child("parent");
  ASSERT_EQ(registry().CreateKey(parent.Child("child")), status::kOk);
  ASSERT_EQ(registry().SetValue(parent, RegValue::Dword("kept", 1)), status::kOk);

  EXPECT_EQ(registry().DeleteKey(parent), status::kAccessDenied);
  RegValue read;
  EXPECT_EQ(registry().QueryValue(parent, "kept", read), status::kOk);

  EXPECT_EQ(registry().DeleteKey(parent.Child("child")), status::kOk);
  EXPECT_EQ(registry().DeleteKey(parent), status::kOk);  // values do not hold a key
  EXPECT_EQ(registry().OpenKey(parent, regaccess::kRead), status::kFileNotFound);
}

TEST_F(RegistryContract, CyrillicAndCjkNamesAndDataSurvive) {
  const std::vector<std::string> names = {"Привет мир", "中文键名", "Ёлка"};
  for (const auto& name : names) {
    ASSERT_EQ(registry().CreateKey(scratch_.Child(name)), status::kOk) << name;
    ASSERT_EQ(registry().SetValue(scratch_, RegValue::String(name, name + " 数据")), status::kOk);
  }
  std::vector<std::string> keys;
  registry().EnumKeys(scratch_, keys);
  EXPECT_THAT(keys, ::testing::UnorderedElementsAreArray(names));
  std::vector<RegValue> listed;
  registry().EnumValues(scratch_, listed);
  EXPECT_THAT(NamesOf(listed), ::testing::UnorderedElementsAreArray(names));
  for (const auto& name : names) {
    RegValue read;
    ASSERT_EQ(registry().QueryValue(scratch_, name, read), status::kOk) << name;
    EXPECT_EQ(read.AsString(), name + " 数据");
    // A narrow round trip would have turned the name into '?', which matches other keys.
    EXPECT_EQ(registry().OpenKey(scratch_.Child(name), regaccess::kRead), status::kOk);
  }
  EXPECT_EQ(registry().OpenKey(scratch_.Child("??????"), regaccess::kRead), status::kFileNotFound);
}

TEST_F(RegistryContract, LargeValuesAndLongNamesAreReadWhole) {
  std::vector<uint8_t> big(100000);
  for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<uint8_t>(i * 7);
  const std::string long_text(5000, 'x');
  const std::string long_name(300, 'n');
  // The small value comes first so that a reader sizing its buffer on it has to grow.
  const std::vector<RegValue> written = {
      RegValue::Dword("small", 1), RegValue::Binary("big", big),
      RegValue::String("text", long_text), RegValue::String(long_name, "long name")};
  for (const auto& value : written) ASSERT_EQ(registry().SetValue(scratch_, value), status::kOk);

  RegValue read;
  ASSERT_EQ(registry().QueryValue(scratch_, "big", read), status::kOk);
  EXPECT_EQ(read.data, big);
  ASSERT_EQ(registry().QueryValue(scratch_, "text", read), status::kOk);
  EXPECT_EQ(read.AsString(), long_text);
  std::vector<RegValue> listed;
  ASSERT_EQ(registry().EnumValues(scratch_, listed), status::kOk);
  EXPECT_THAT(listed, ::testing::UnorderedElementsAreArray(written));
}

TEST_F(RegistryContract, ThirtyTwoBitViewOfMachineSoftwareIsSeparate) {
  if (!registry().HasSeparateViews()) GTEST_SKIP() << "one view only on this machine";
  const std::string name = UniqueName();
  const RegKeyPath key32{RegRoot::LocalMachine, "Software\\QuillBoxTests\\" + name,
                         RegView::Force32};
  RegKeyPath key64 = key32;
  key64.view = RegView::Force64;
  const RegKeyPath stored{RegRoot::LocalMachine, "Software\\WOW6432Node\\QuillBoxTests\\" + name,
                          RegView::Force64};
  cleanup_ = {key32, key64};

  ASSERT_EQ(registry().CreateKey(key32), status::kOk);
  ASSERT_EQ(registry().SetValue(key32, RegValue::String("bits", "32")), status::kOk);
  EXPECT_EQ(registry().OpenKey(key64, regaccess::kRead), status::kFileNotFound);
  EXPECT_EQ(registry().OpenKey(stored, regaccess::kRead), status::kOk);

  ASSERT_EQ(registry().CreateKey(key64), status::kOk);
  ASSERT_EQ(registry().SetValue(key64, RegValue::String("bits", "64")), status::kOk);
  RegValue read;
  ASSERT_EQ(registry().QueryValue(key32, "bits", read), status::kOk);
  EXPECT_EQ(read.AsString(), "32");
  ASSERT_EQ(registry().QueryValue(key64, "bits", read), status::kOk);
  EXPECT_EQ(read.AsString(), "64");
}

TEST_F(RegistryContract, UserSoftwareIsSharedByBothViews) {
  if (!registry().HasSeparateViews()) GTEST_SKIP() << "one view only on this machine";
  RegKeyPath key32 = scratch_.Child("shared");
  key32.view = RegView::Force32;
  RegKeyPath key64 = key32;
  key64.view = RegView::Force64;
  ASSERT_EQ(registry().CreateKey(key32), status::kOk);
  ASSERT_EQ(registry().SetValue(key32, RegValue::Dword("v", 32)), status::kOk);
  RegValue read;
  ASSERT_EQ(registry().QueryValue(key64, "v", read), status::kOk);
  EXPECT_EQ(read.AsDword(), 32u);
}

TEST_F(RegistryContract, PathStartingWithABackslashIsRefused) {
  RegKeyPath leading = scratch_;
  leading.path = "\\" + scratch_.path;
  EXPECT_EQ(registry().OpenKey(leading, regaccess::kRead), status::kBadPathname);
  EXPECT_EQ(registry().CreateKey(leading.Child("new")), status::kBadPathname);
  EXPECT_EQ(registry().OpenKey(scratch_.Child("new"), regaccess::kRead), status::kFileNotFound);
}

TEST_F(RegistryContract, UnknownRemoteMachineIsABadNetworkPath) {
  std::unique_ptr<Registry> remote;
  EXPECT_EQ(registry().ConnectRemote("\\\\QB-NO-SUCH-HOST", remote), status::kBadNetPath);
  EXPECT_EQ(remote, nullptr);
}

TEST_F(RegistryContract, NoMachineNameConnectsToThisMachine) {
  std::unique_ptr<Registry> remote;
  ASSERT_EQ(registry().ConnectRemote("", remote), status::kOk);
  ASSERT_NE(remote, nullptr);
  // The connection reaches the machine-wide roots, where the same keys are seen.
  EXPECT_EQ(remote->OpenKey({RegRoot::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion"},
                            regaccess::kRead),
            status::kOk);
}

}  // namespace
}  // namespace qb
