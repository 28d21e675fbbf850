#include "monitor/system_info_page.h"

#include <gtest/gtest.h>

#include "app/main_form_layout.h"
#include "monitor/firmware_info.h"
#include "platform/memory/memory_machine.h"

namespace qb::monitor {
namespace {

// Raw SMBIOS data as the firmware-table query returns it: a system structure (type 1)
// first, then the BIOS structure (type 0), then the end of the table.
std::vector<uint8_t> RawSmbios() {
  std::vector<uint8_t> table = {1, 8, 1, 0, 1, 2, 3, 4};
  for (char c : std::string("Maker\0Model\0\0", 13)) table.push_back(static_cast<uint8_t>(c));
  const uint8_t bios[] = {0, 18, 0, 0, /*vendor*/ 1, /*version*/ 2, 0, 0xE0, /*date*/ 3,
                          0, 0, 0, 0, 0, 0, 0, 0, 0};
  table.insert(table.end(), std::begin(bios), std::end(bios));
  for (char c : std::string("Firmware Works \0F.23\0" "03/14/2024\0\0", 33)) {
    table.push_back(static_cast<uint8_t>(c));
  }
  table.insert(table.end(), {127, 4, 2, 0, 0, 0});
  std::vector<uint8_t> raw = {0, 3, 4, 0};
  const uint32_t length = static_cast<uint32_t>(table.size());
  for (int i = 0; i < 4; ++i) raw.push_back(static_cast<uint8_t>(length >> (8 * i)));
  raw.insert(raw.end(), table.begin(), table.end());
  return raw;
}

class SystemInfoPageTest : public ::testing::Test {
 protected:
  SystemInfoPageTest() {
    const RegKeyPath current{RegRoot::LocalMachine,
                             "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion"};
    machine.registry.CreateKey(current);
    machine.registry.SetValue(current, RegValue::String("ProductName", "Windows 10 Pro"));
    machine.registry.SetValue(current, RegValue::String("DisplayVersion", "23H2"));
    machine.registry.SetValue(current, RegValue::String("ProductId", "00330-80000-00000-AA123"));
    machine.system.version = {10, 0, 22631, platform_id::kWindowsNt, product_type::kWorkstation};
    machine.system.memory = {64ull << 30, 20ull << 30, (64ull << 30) + (4ull << 30), 0};
    machine.system.firmware = RawSmbios();
  }
  std::string Box(std::string_view name) { return (*form)[name].Text(); }

  MemoryMachine machine;
  std::unique_ptr<ui::Form> form = app::CreateMainForm();
};

TEST_F(SystemInfoPageTest, EveryBoxIsFilledFromTheSystem) {
  FillSystemInformation(*form, machine.services());
  EXPECT_EQ(Box("txtComputerName"), "WORKSTATION");
  EXPECT_EQ(Box("txtUSerName"), "user");
  EXPECT_EQ(Box("txtRAM"), "64 GB");
  EXPECT_EQ(Box("txtPagingFile"), "4 GB");
  EXPECT_EQ(Box("txtOS"), "Windows 11 Pro");  // the stored name still says 10
  EXPECT_EQ(Box("txtOSversion"), "10.0.22631 (23H2)");
  EXPECT_EQ(Box("txtOSID"), "00330-80000-00000-AA123");
  EXPECT_EQ(Box("normspeed"), "2400 MHz");
  EXPECT_EQ(Box("biosver"), "Firmware Works F.23");
  EXPECT_EQ(Box("biosdate"), "03/14/2024");
  EXPECT_EQ(Box("txtCompatible"), "Native");
}

TEST_F(SystemInfoPageTest, WithoutFirmwareTablesTheHardwareDescriptionIsRead) {
  machine.system.firmware.clear();
  const RegKeyPath bios{RegRoot::LocalMachine, "HARDWARE\\DESCRIPTION\\System\\BIOS"};
  machine.registry.CreateKey(bios);
  machine.registry.SetValue(bios, RegValue::String("BIOSVersion", "1.17.0"));
  machine.registry.SetValue(bios, RegValue::String("BIOSReleaseDate", "05/01/2023"));
  FillSystemInformation(*form, machine.services());
  EXPECT_EQ(Box("biosver"), "1.17.0");
  EXPECT_EQ(Box("biosdate"), "05/01/2023");
}

TEST_F(SystemInfoPageTest, WhatCannotBeReadLeavesItsBoxAndTheRestIsFilled) {
  machine.system.version_known = false;
  machine.system.memory_known = false;
  machine.system.processor_mhz = 0;
  machine.system.firmware.clear();
  (*form)["txtOS"].SetText("before");
  FillSystemInformation(*form, machine.services());
  EXPECT_EQ(Box("txtOS"), "before");
  EXPECT_EQ(Box("txtRAM"), "");
  EXPECT_EQ(Box("normspeed"), "");
  EXPECT_EQ(Box("biosver"), "Not reported by the firmware");
  EXPECT_EQ(Box("biosdate"), "Not reported by the firmware");
  EXPECT_EQ(Box("txtComputerName"), "WORKSTATION");
}

// A DWORD product name showed as two CJK letters and a binary product id as one stray
// letter: only string values are texts.
TEST_F(SystemInfoPageTest, StoredValuesThatAreNoTextAreNotReported) {
  const RegKeyPath current{RegRoot::LocalMachine, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion"};
  for (const bool binary : {false, true}) {
    const auto not_text = [&](std::string name) {
      return binary ? RegValue::Binary(name, {0x00, 0xD8, 0x00, 0xDC}) : RegValue::Dword(name, 0x41424344);
    };
    for (const char* name : {"ProductName", "ProductId", "DisplayVersion"}) {
      machine.registry.SetValue(current, not_text(name));
    }
    FillSystemInformation(*form, machine.services());
    EXPECT_EQ(Box("txtOS"), "Not reported");
    EXPECT_EQ(Box("txtOSID"), "Not reported");
    EXPECT_EQ(Box("txtOSversion"), "10.0.22631");
  }
}

TEST(SystemInfoTexts, CompatibilityAndStaleProductNames) {
  const OsVersion eleven{10, 0, 22631, platform_id::kWindowsNt, product_type::kWorkstation};
  const OsVersion ten{10, 0, 19045, platform_id::kWindowsNt, product_type::kWorkstation};
  const OsVersion eight{6, 2, 9200, platform_id::kWindowsNt, product_type::kWorkstation};
  MemoryMachine machine;
  EXPECT_EQ(CompatibilityText(machine.services(), eleven, eleven), "Native");
  EXPECT_EQ(CompatibilityText(machine.services(), eight, eleven), "Compatibility mode: Windows 8 (6.2)");
  EXPECT_EQ(OperatingSystemName("Windows 10 Home", ten), "Windows 10 Home");
  EXPECT_EQ(OperatingSystemName("Windows 10 Home", eleven), "Windows 11 Home");
  EXPECT_EQ(OperatingSystemName("", eleven), "Windows 11");
  OsVersion xp{5, 1, 2600, platform_id::kWindowsNt, product_type::kWorkstation, "Service Pack 3"};
  EXPECT_EQ(OperatingSystemName("Microsoft Windows XP", xp), "Microsoft Windows XP Service Pack 3");
}

TEST(FirmwareTables, TruncatedOrBrokenTablesAreRefusedWithoutReadingPastThem) {
  const auto raw = RawSmbios();
  BiosFacts facts;
  ASSERT_TRUE(ReadBiosFacts(raw, facts));
  for (size_t length = 0; length < raw.size() - 6; ++length) {
    std::vector<uint8_t> cut(raw.begin(), raw.begin() + static_cast<long>(length));
    BiosFacts partial;
    EXPECT_FALSE(ReadBiosFacts(cut, partial)) << length;
  }
  auto bad_length = raw;
  bad_length[8 + 1] = 200;  // a structure longer than the table
  EXPECT_FALSE(ReadBiosFacts(bad_length, facts));
}

}  // namespace
}  // namespace qb::monitor
