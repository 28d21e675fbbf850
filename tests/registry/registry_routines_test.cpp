#include "registry/registry_routines.h"

#include <gtest/gtest.h>

#include "platform/memory/memory_machine.h"

namespace qb::registry {
namespace {

const RootKey kUser{RegRoot::CurrentUser, RegView::Native};
constexpr std::string_view kArea = "Software\\RoutinesTest";

class RegistryRoutinesTest : public ::testing::Test {
 protected:
  RegistryRoutinesTest() { machine.registry.CreateKey({RegRoot::CurrentUser, std::string(kArea)}); }
  void Set(const RegValue& value) {
    ASSERT_EQ(machine.registry.SetValue({RegRoot::CurrentUser, std::string(kArea)}, value),
              status::kOk);
  }
  std::string Converted(const RegValue& value) {
    Set(value);
    for (const auto& pair : routines.EnumRegistryValues(kUser, kArea)) {
      if (pair.name == value.name) return pair.value;
    }
    ADD_FAILURE() << "value not enumerated: " << value.name;
    return {};
  }

  MemoryMachine machine;
  RegistryRoutines routines{machine.registry, machine.environment};
};

TEST_F(RegistryRoutinesTest, ConvertsEveryHandledTypeToText) {
  EXPECT_EQ(Converted(RegValue::Binary("bin", {0x0A, 0x05, 0xFF})), "0A 05 FF");
  EXPECT_EQ(Converted(RegValue::Binary("nobytes", {})), "");
  EXPECT_EQ(Converted(RegValue::MultiString("multi", {"a", "b"})), "a,b");
  EXPECT_EQ(Converted(RegValue::MultiString("nomulti", {})), "");
  EXPECT_EQ(Converted(RegValue::String("empty", "")), "");
  EXPECT_EQ(Converted(RegValue{"zero length", regtype::kSz, {}}), "");
  EXPECT_EQ(Converted(RegValue::String("sz", "C:\\Путь\\程序.exe")), "C:\\Путь\\程序.exe");
  EXPECT_EQ(Converted(RegValue::Dword("dw", 0xFFFFFFFF)), "-1");
  EXPECT_EQ(Converted(RegValue::Dword("dw2", 4096)), "4096");
  EXPECT_EQ(Converted(RegValue::String("exp", "%SystemRoot%\\x.exe", regtype::kExpandSz)),
            "C:\\Windows\\x.exe");
  // An expansion longer than the stored text is kept whole.
  machine.environment.variables["Long"] = std::string(300, 'L');
  EXPECT_EQ(Converted(RegValue::String("longexp", "%Long%", regtype::kExpandSz)),
            std::string(300, 'L'));
  // A plain string is not expanded.
  EXPECT_EQ(Converted(RegValue::String("plain", "%SystemRoot%")), "%SystemRoot%");
}

TEST_F(RegistryRoutinesTest, UnhandledTypesGiveAnEmptyValue) {
  EXPECT_EQ(Converted(RegValue::Qword("q", 7)), "");
  EXPECT_EQ(Converted(RegValue::Binary("none", {1, 2}, regtype::kNone)), "");
  EXPECT_EQ(Converted(RegValue::Binary("big endian", {0, 0, 0, 1}, regtype::kDwordBigEndian)), "");
}

TEST_F(RegistryRoutinesTest, ReadsValuesLongerThanFourKilobytesWhole) {
  const std::string long_text(5000, 'x');
  EXPECT_EQ(Converted(RegValue::String("long", long_text)), long_text);
  std::vector<uint8_t> bytes(4097, 0xAB);
  EXPECT_EQ(Converted(RegValue::Binary("longbin", bytes)).size(), 4097u * 3 - 1);
}

TEST_F(RegistryRoutinesTest, EnumeratesInTheRegistrysOrderAndAnswersEmptyForMissingKeys) {
  Set(RegValue::String("second", "2"));
  Set(RegValue::String("", "default"));
  const auto values = routines.EnumRegistryValues(kUser, kArea);
  ASSERT_EQ(values.size(), 2u);
  EXPECT_EQ(values[0], (NamedValue{"second", "2"}));
  EXPECT_EQ(values[1], (NamedValue{"", "default"}));

  for (const char* name : {"b", "A", "c"}) {
    machine.registry.CreateKey({RegRoot::CurrentUser, std::string(kArea) + "\\" + name});
  }
  EXPECT_EQ(routines.EnumRegistryKeys(kUser, kArea), (std::vector<std::string>{"A", "b", "c"}));
  EXPECT_TRUE(routines.EnumRegistryKeys(kUser, "Software\\Missing").empty());
  EXPECT_TRUE(routines.EnumRegistryValues(kUser, "Software\\Missing").empty());
  EXPECT_TRUE(routines.EnumRegistryValues(kUser, std::string(kArea) + "\\A").empty());
}

TEST_F(RegistryRoutinesTest, EnumeratesTheViewAsked) {
  const std::string area = "SOFTWARE\\Vendor";
  machine.registry.CreateKey({RegRoot::LocalMachine, area + "\\Only64", RegView::Force64});
  machine.registry.CreateKey({RegRoot::LocalMachine, area + "\\Only32", RegView::Force32});
  EXPECT_EQ(routines.EnumRegistryKeys({RegRoot::LocalMachine, RegView::Force64}, area),
            std::vector<std::string>{"Only64"});
  EXPECT_EQ(routines.EnumRegistryKeys({RegRoot::LocalMachine, RegView::Force32}, area),
            std::vector<std::string>{"Only32"});
}

TEST_F(RegistryRoutinesTest, WorkingKeyOperations) {
  routines.hKey(kUser);
  routines.KeyRoot(std::string(kArea));
  routines.SubKey("Child");
  EXPECT_FALSE(routines.KeyExists());
  EXPECT_EQ(routines.CreateKey(), "0");
  EXPECT_TRUE(routines.KeyExists());
  EXPECT_EQ(routines.CreateKey("Other\\Deep"), "0");

  EXPECT_TRUE(routines.SetRegistryValue("text", std::string("hello"), regtype::kSz));
  EXPECT_TRUE(routines.SetRegistryValue("number", int64_t{-2}, regtype::kDword));
  EXPECT_TRUE(routines.SetRegistryValue("bytes", std::vector<uint8_t>{1, 2}, regtype::kBinary));
  EXPECT_TRUE(routines.SetRegistryValue("list", std::string("one"), regtype::kMultiSz));
  // A type outside the five, or data that does not fit the type, writes nothing.
  EXPECT_FALSE(routines.SetRegistryValue("q", int64_t{1}, regtype::kQword));
  EXPECT_FALSE(routines.SetRegistryValue("mismatch", std::string("x"), regtype::kDword));
  const std::string child = std::string(kArea) + "\\Child";
  EXPECT_EQ(routines.EnumRegistryValues(kUser, child),
            (std::vector<NamedValue>{{"text", "hello"}, {"number", "-2"}, {"bytes", "01 02"},
                                     {"list", "one"}}));

  // The plain delete refuses a key with subkeys and reports it.
  EXPECT_FALSE(routines.DeleteKey("Other"));
  EXPECT_TRUE(routines.DeleteKey("Other\\Deep"));
  EXPECT_TRUE(routines.DeleteKey("Other"));
  EXPECT_FALSE(routines.DeleteKey("Other"));

  routines.SubKey("Missing");
  EXPECT_FALSE(routines.SetRegistryValue("text", std::string("x"), regtype::kSz));
}

TEST_F(RegistryRoutinesTest, WritesToANamedRemoteMachineOnly) {
  MemoryRegistry& remote = machine.registry.AddRemoteMachine("SERVER");
  remote.CreateKey({RegRoot::LocalMachine, "SOFTWARE\\Target"});
  routines.KeyRoot("SOFTWARE");
  routines.SubKey("Target");
  const RootKey machine_root{RegRoot::LocalMachine, RegView::Native};
  EXPECT_TRUE(routines.WriteRemoteRegistryValue("\\\\server", machine_root, "v", std::string("x"),
                                                regtype::kSz));
  RegValue written;
  EXPECT_EQ(remote.QueryValue({RegRoot::LocalMachine, "SOFTWARE\\Target"}, "v", written), status::kOk);
  EXPECT_EQ(written.AsString(), "x");
  EXPECT_EQ(machine.registry.OpenKey({RegRoot::LocalMachine, "SOFTWARE\\Target"}, regaccess::kRead),
            status::kFileNotFound);

  EXPECT_FALSE(routines.WriteRemoteRegistryValue("nowhere", machine_root, "v", std::string("x"),
                                                 regtype::kSz));
  EXPECT_FALSE(routines.WriteRemoteRegistryValue("server", machine_root, "v", std::string("x"),
                                                 regtype::kSz, "SOFTWARE\\Missing"));
}

TEST(TrimNull, CutsBeforeTheFirstNulAndChangesTheArgument) {
  std::string text("abc\0def", 7);
  EXPECT_EQ(TrimNull(text), "abc");
  EXPECT_EQ(text, "abc");
  std::string plain = "plain";
  EXPECT_EQ(TrimNull(plain), "plain");
}

}  // namespace
}  // namespace qb::registry
