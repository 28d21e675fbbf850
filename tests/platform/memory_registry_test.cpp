// The memory registry's test controls and the parts of the machine the contract suite
// cannot reach on Windows without harm: denied writes, remote machines, the 32-bit view as
// seen by a 32-bit program, and the record of every change.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/memory/memory_registry.h"

namespace qb {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

const RegKeyPath kApp{RegRoot::CurrentUser, "Software\\QuillBox"};

TEST(MemoryRegistryWriteLog, RecordsEachChangeAndNothingForReads) {
  MemoryRegistry registry;
  EXPECT_THAT(registry.WriteLog(), IsEmpty());  // the machine's own starting keys are not logged

  ASSERT_EQ(registry.CreateKey(kApp.Child("Sub")), status::kOk);
  ASSERT_EQ(registry.SetValue(kApp, RegValue::Dword("Flag", 1)), status::kOk);
  ASSERT_EQ(registry.SetValue(kApp, RegValue::String("", "default")), status::kOk);
  registry.CreateKey(kApp);  // already there: no change
  RegValue value;
  std::vector<std::string> keys;
  std::vector<RegValue> values;
  registry.QueryValue(kApp, "Flag", value);
  registry.EnumKeys(kApp, keys);
  registry.EnumValues(kApp, values);
  registry.OpenKey(kApp, regaccess::kAllAccess);
  ASSERT_EQ(registry.DeleteValue(kApp, "flag"), status::kOk);
  ASSERT_EQ(registry.DeleteKey(kApp.Child("Sub")), status::kOk);
  registry.DeleteValue(kApp, "missing");  // failed calls change nothing

  EXPECT_THAT(registry.WriteLog(),
              ElementsAre("CreateKey HKCU\\Software\\QuillBox\\Sub",
                          "SetValue HKCU\\Software\\QuillBox [Flag]",
                          "SetValue HKCU\\Software\\QuillBox []",
                          "DeleteValue HKCU\\Software\\QuillBox [flag]",
                          "DeleteKey HKCU\\Software\\QuillBox\\Sub"));
  registry.ClearWriteLog();
  EXPECT_THAT(registry.WriteLog(), IsEmpty());
}

TEST(MemoryRegistryDenyWrites, RefusesEveryChangeBelowTheKeyButAllowsReads) {
  MemoryRegistry registry;
  const RegKeyPath policies{RegRoot::LocalMachine, "SOFTWARE\\Policies"};
  ASSERT_EQ(registry.CreateKey(policies.Child("Existing")), status::kOk);
  ASSERT_EQ(registry.SetValue(policies, RegValue::Dword("v", 1)), status::kOk);
  registry.DenyWrites(policies);
  registry.ClearWriteLog();

  EXPECT_EQ(registry.SetValue(policies, RegValue::Dword("v", 2)), status::kAccessDenied);
  EXPECT_EQ(registry.SetValue(policies.Child("existing"), RegValue::Dword("v", 2)),
            status::kAccessDenied);
  EXPECT_EQ(registry.CreateKey(policies.Child("New")), status::kAccessDenied);
  EXPECT_EQ(registry.DeleteValue(policies, "v"), status::kAccessDenied);
  EXPECT_EQ(registry.DeleteKey(policies.Child("Existing")), status::kAccessDenied);
  EXPECT_EQ(registry.OpenKey(policies, regaccess::kWrite), status::kAccessDenied);
  EXPECT_EQ(registry.OpenKey(policies, regaccess::kRead), status::kOk);
  RegValue value;
  ASSERT_EQ(registry.QueryValue(policies, "v", value), status::kOk);
  EXPECT_EQ(value.AsDword(), 1u);
  EXPECT_THAT(registry.WriteLog(), IsEmpty());
  // A missing key under a denied one is still reported as missing.
  EXPECT_EQ(registry.OpenKey(policies.Child("Absent"), regaccess::kRead), status::kFileNotFound);
  // The neighbours stay writable.
  EXPECT_EQ(registry.CreateKey({RegRoot::LocalMachine, "SOFTWARE\\PoliciesToo"}), status::kOk);
}

TEST(MemoryRegistryRemote, ConnectsOnlyToKnownMachinesWhichKeepTheirOwnKeys) {
  MemoryRegistry local;
  MemoryRegistry& server = local.AddRemoteMachine("SERVER1");
  const RegKeyPath run{RegRoot::LocalMachine, "SOFTWARE\\Run"};
  ASSERT_EQ(server.CreateKey(run), status::kOk);

  std::unique_ptr<Registry> remote;
  EXPECT_EQ(local.ConnectRemote("OTHER", remote), status::kBadNetPath);
  EXPECT_EQ(remote, nullptr);
  ASSERT_EQ(local.ConnectRemote("\\\\server1", remote), status::kOk);
  ASSERT_NE(remote, nullptr);
  EXPECT_EQ(remote->OpenKey(run, regaccess::kRead), status::kOk);
  EXPECT_EQ(local.OpenKey(run, regaccess::kRead), status::kFileNotFound);

  ASSERT_EQ(remote->SetValue(run, RegValue::String("x", "y")), status::kOk);
  RegValue value;
  EXPECT_EQ(server.QueryValue(run, "x", value), status::kOk);
  EXPECT_THAT(local.WriteLog(), IsEmpty());
  EXPECT_THAT(server.WriteLog(), ElementsAre("CreateKey HKLM\\SOFTWARE\\Run",
                                             "SetValue HKLM\\SOFTWARE\\Run [x]"));
}

TEST(MemoryRegistryViews, ThirtyTwoBitViewOfMachineSoftwareLivesUnderWow6432Node) {
  MemoryRegistry registry;
  const RegKeyPath key32{RegRoot::LocalMachine, "Software\\Vendor", RegView::Force32};
  ASSERT_EQ(registry.CreateKey(key32), status::kOk);
  EXPECT_EQ(registry.OpenKey({RegRoot::LocalMachine, "SOFTWARE\\WOW6432Node\\Vendor"},
                             regaccess::kRead),
            status::kOk);
  EXPECT_EQ(registry.OpenKey({RegRoot::LocalMachine, "Software\\Vendor"}, regaccess::kRead),
            status::kFileNotFound);
  // Naming the node explicitly in the 32-bit view does not nest it twice.
  EXPECT_EQ(registry.OpenKey({RegRoot::LocalMachine, "SOFTWARE\\Wow6432Node\\Vendor",
                              RegView::Force32},
                             regaccess::kRead),
            status::kOk);
  // Other machine-wide keys are one for both views.
  const RegKeyPath system32{RegRoot::LocalMachine, "SYSTEM\\Setup", RegView::Force32};
  ASSERT_EQ(registry.CreateKey(system32), status::kOk);
  EXPECT_EQ(registry.OpenKey({RegRoot::LocalMachine, "SYSTEM\\Setup"}, regaccess::kRead),
            status::kOk);
}

TEST(MemoryRegistryViews, NativeMeansTheProgramsOwnView) {
  MemoryRegistry::Options options;
  options.program_is_32bit = true;
  MemoryRegistry registry(options);
  ASSERT_EQ(registry.CreateKey({RegRoot::LocalMachine, "SOFTWARE\\Vendor"}), status::kOk);
  EXPECT_EQ(registry.OpenKey({RegRoot::LocalMachine, "SOFTWARE\\Vendor", RegView::Force32},
                             regaccess::kRead),
            status::kOk);
  EXPECT_EQ(registry.OpenKey({RegRoot::LocalMachine, "SOFTWARE\\Vendor", RegView::Force64},
                             regaccess::kRead),
            status::kFileNotFound);
  EXPECT_THAT(registry.WriteLog(), ElementsAre("CreateKey HKLM\\SOFTWARE\\WOW6432Node\\Vendor"));
}

TEST(MemoryRegistryViews, AMachineWithOneViewIgnoresTheViewAsked) {
  MemoryRegistry::Options options;
  options.separate_views = false;
  MemoryRegistry registry(options);
  EXPECT_FALSE(registry.HasSeparateViews());
  ASSERT_EQ(registry.CreateKey({RegRoot::LocalMachine, "SOFTWARE\\Vendor", RegView::Force32}),
            status::kOk);
  EXPECT_EQ(registry.OpenKey({RegRoot::LocalMachine, "SOFTWARE\\Vendor", RegView::Force64},
                             regaccess::kRead),
            status::kOk);
}

TEST(MemoryRegistryPerformanceData, AnswersWhatTheTestSetAndNothingElse) {
  MemoryRegistry registry;
  const RegKeyPath data{RegRoot::PerformanceData, ""};
  RegValue value;
  EXPECT_EQ(registry.QueryValue(data, "Global", value), status::kFileNotFound);
  registry.SetPerformanceData("238", {'P', 0, 'E', 0, 'R', 0, 'F', 0});
  ASSERT_EQ(registry.QueryValue(data, "238", value), status::kOk);
  EXPECT_EQ(value.data.size(), 8u);
  EXPECT_EQ(registry.CreateKey({RegRoot::PerformanceData, "x"}), status::kAccessDenied);
}

}  // namespace
}  // namespace qb
