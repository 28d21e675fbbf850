#include "customise/folder_icon.h"

#include <gmock/gmock.h>

#include "customise/ini_file_edit.h"
#include "customise_fixture.h"
#include "journal/journal_place.h"
#include "journal/undo.h"
#include "language/phrases.h"
#include "support/picture_headers.h"

namespace qb::customise {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::UnorderedElementsAre;

constexpr uint32_t kHiddenSystem = fileattr::kHidden | fileattr::kSystem;

// An icon file's header followed by a word that tells the icons apart.
std::string Icon(std::string_view word) { return std::string("\0\0\1\0\1\0", 6) + std::string(word); }

class FolderIcon : public testing::CustomiseTest {
 protected:
  FolderIcon() {
    machine.files.AddFolder("C:\\Photos");
    Write("C:\\Icons\\camera.ico", Icon("camera"));
  }
  // As the window's "Next>>" calls it.
  bool Change(std::string_view folder, std::string_view picture) {
    return ChangeFolderIcon(services, 0, folder, picture, "", true, "", 24, language::phrase::kFixedDrivesOnly.english);
  }
  std::optional<std::string> Key(std::string_view key) {
    std::vector<uint8_t> bytes;
    machine.files.ReadFile("C:\\Photos\\Desktop.ini", bytes);
    return ReadIniValue(bytes, ".ShellClassInfo", key);
  }
};

TEST_F(FolderIcon, CopiesTheIconNamesItAndMarksFilesAndFolder) {
  ASSERT_TRUE(Change("C:\\Photos", "C:\\Icons\\camera.ico"));
  EXPECT_EQ(Read("C:\\Photos\\IconX.ico"), Icon("camera"));
  EXPECT_EQ(Key("IconFile"), "IconX.ico");
  EXPECT_EQ(Key("IconIndex"), "0");
  EXPECT_EQ(Key("IconResource"), "IconX.ico,0");
  EXPECT_EQ(Attributes("C:\\Photos\\Desktop.ini"), kHiddenSystem);
  EXPECT_EQ(Attributes("C:\\Photos\\IconX.ico"), fileattr::kHidden);
  EXPECT_EQ(Attributes("C:\\Photos") & fileattr::kReadOnly, fileattr::kReadOnly);
  EXPECT_THAT(Listing("C:\\Photos"), UnorderedElementsAre("Desktop.ini", "IconX.ico"));
  EXPECT_TRUE(machine.dialogs.Messages().empty());
}

TEST_F(FolderIcon, UndoTakesTheIconFilesAndTheFoldersReadOnlyMarkAway) {
  machine.files.AddFolder("C:\\Journal");
  journal::JournaledServices journaled(machine.services(), "C:\\Journal\\journal.qbj");
  {
    const journal::ActionScope scope(&journaled.journal(), [] { return "Icons"; }, this, machine.clock, nullptr);
    ASSERT_TRUE(ChangeFolderIcon(journaled.services(), 0, "C:\\Photos", "C:\\Icons\\camera.ico", "", true, "", 24,
                                 language::phrase::kFixedDrivesOnly.english));
  }
  const auto records = journal::Journal(machine.files, "C:\\Journal\\journal.qbj").Load().records;
  const journal::UndoResult result = journal::UndoRecords(records, journaled.UndoThrough());
  EXPECT_TRUE(result.failed.empty() && result.left.empty()) << result.failed.size() << " " << result.left.size();
  EXPECT_THAT(Listing("C:\\Photos"), ::testing::IsEmpty());
  EXPECT_EQ(Attributes("C:\\Photos"), fileattr::kDirectory);
}

TEST_F(FolderIcon, KeepsForeignKeysAndSectionsAndReplacesAStaleIconResource) {
  Write("C:\\Photos\\Desktop.ini",
        "[.ShellClassInfo]\r\nConfirmFileOp=0\r\nIconResource=C:\\old.dll,3\r\nInfoTip=Holidays\r\n"
        "[ViewState]\r\nMode=4\r\n",
        kHiddenSystem);
  ASSERT_TRUE(Change("C:\\Photos", "C:\\Icons\\camera.ico"));
  EXPECT_EQ(Read("C:\\Photos\\Desktop.ini"),
            "[.ShellClassInfo]\r\nConfirmFileOp=0\r\nIconResource=IconX.ico,0\r\nInfoTip=Holidays\r\n"
            "IconFile=IconX.ico\r\nIconIndex=0\r\n[ViewState]\r\nMode=4\r\n");
}

TEST_F(FolderIcon, FoldersNotOnAFixedDriveAreRefusedAndNothingIsWritten) {
  machine.files.AddDrive("D:\\", DriveType::CdRom);
  machine.files.AddFolder("D:\\Disc");
  machine.files.AddDrive("\\\\server\\share\\", DriveType::Remote);
  machine.files.AddFolder("\\\\server\\share\\Team");
  machine.files.AddDrive("N:\\", DriveType::Remote);
  machine.files.AddFolder("N:\\Team");
  for (const char* folder : {"D:\\Disc", "\\\\server\\share\\Team", "N:\\Team"}) {
    EXPECT_FALSE(Change(folder, "C:\\Icons\\camera.ico")) << folder;
    EXPECT_TRUE(Listing(folder).empty()) << folder;
    EXPECT_EQ(Attributes(folder) & fileattr::kReadOnly, 0u) << folder;
  }
  ASSERT_EQ(machine.dialogs.Messages().size(), 3u);
  EXPECT_EQ(machine.dialogs.Messages()[2].text, "This command only supports fixed drives");
}

// The second run names the folder quoted and with a trailing backslash: still the same folder.
TEST_F(FolderIcon, RunningTwiceReplacesTheIconAndKeepsOneOfEachFile) {
  Write("C:\\Icons\\star.ico", Icon("star"));
  ASSERT_TRUE(Change("\"C:\\Photos\\\"", "C:\\Icons\\camera.ico"));
  ASSERT_TRUE(Change("C:\\Photos", "C:\\Icons\\star.ico"));
  EXPECT_EQ(Read("C:\\Photos\\IconX.ico"), Icon("star"));
  EXPECT_EQ(Read("C:\\Photos\\Desktop.ini"),
            "[.ShellClassInfo]\r\nIconFile=IconX.ico\r\nIconIndex=0\r\nIconResource=IconX.ico,0\r\n");
  EXPECT_EQ(Attributes("C:\\Photos\\Desktop.ini"), kHiddenSystem);
  EXPECT_THAT(Listing("C:\\Photos"), UnorderedElementsAre("Desktop.ini", "IconX.ico"));

  // Fault guarded: "Desktop.ini" refused after the icon had taken its place left the new
  // icon showing while the user was told nothing changed.
  machine.files.DenyWrites("C:\\Photos\\Desktop.ini");
  EXPECT_FALSE(Change("C:\\Photos", "C:\\Icons\\camera.ico"));
  EXPECT_EQ(Read("C:\\Photos\\IconX.ico"), Icon("star"));
  EXPECT_EQ(Attributes("C:\\Photos\\IconX.ico"), fileattr::kHidden);
}

TEST_F(FolderIcon, AnIconNamedInPlaceAndACommentAreWrittenWithoutCopying) {
  ASSERT_TRUE(ChangeFolderIcon(services, 0, "C:\\Photos", "C:\\Windows\\shell32.dll", "My photos",
                               false, "12", 24, language::phrase::kFixedDrivesOnly.english));
  EXPECT_EQ(Key("IconFile"), "C:\\Windows\\shell32.dll");
  EXPECT_EQ(Key("IconIndex"), "12");
  EXPECT_EQ(Key("InfoTip"), "My photos");
  EXPECT_THAT(Listing("C:\\Photos"), ElementsAre("Desktop.ini"));
}

TEST_F(FolderIcon, AFolderThatCannotBeWrittenIsToldAndKeepsItsFiles) {
  Write("C:\\Photos\\Desktop.ini", "[.ShellClassInfo]\r\nInfoTip=Holidays\r\n", kHiddenSystem);
  machine.files.DenyWrites("C:\\Photos");
  EXPECT_FALSE(Change("C:\\Photos", "C:\\Icons\\camera.ico"));
  EXPECT_EQ(Read("C:\\Photos\\Desktop.ini"), "[.ShellClassInfo]\r\nInfoTip=Holidays\r\n");
  EXPECT_THAT(Listing("C:\\Photos"), ElementsAre("Desktop.ini"));
  ASSERT_EQ(machine.dialogs.Messages().size(), 1u);
  EXPECT_THAT(machine.dialogs.Messages()[0].text, HasSubstr("needs an administrator"));
}

TEST_F(FolderIcon, APictureIsConvertedIntoARealIconAndAMissingOrUnreadableOneIsRefused) {
  EXPECT_FALSE(Change("C:\\Photos", "C:\\Icons\\gone.ico"));
  EXPECT_TRUE(Listing("C:\\Photos").empty());
  ASSERT_EQ(machine.dialogs.Messages().size(), 1u);
  EXPECT_THAT(machine.dialogs.Messages()[0].text, HasSubstr("gone.ico"));

  const Picture photo{.width = 2, .height = 1, .pixels = {0xFFFF0000, 0x8000FF00}};
  Write("C:\\Icons\\photo.png", "png bytes");
  machine.images.AddPicture("C:\\Icons\\photo.png", photo);
  ASSERT_TRUE(Change("C:\\Photos", "C:\\Icons\\photo.png"));
  const auto icon = EncodeIconFile(photo);
  EXPECT_EQ(Read("C:\\Photos\\IconX.ico"), std::string(icon.begin(), icon.end()));
  EXPECT_EQ(Key("IconFile"), "IconX.ico");

  Write("C:\\Icons\\notes.png", "not a picture");
  machine.images.AddUndecodable("C:\\Icons\\notes.png");
  EXPECT_FALSE(Change("C:\\Photos", "C:\\Icons\\notes.png"));
  EXPECT_EQ(Read("C:\\Photos\\IconX.ico"), std::string(icon.begin(), icon.end()));
  ASSERT_EQ(machine.dialogs.Messages().size(), 2u);
  EXPECT_THAT(machine.dialogs.Messages()[1].text, HasSubstr("notes.png\" is not a picture"));

  const auto huge = test_support::PictureHeader(test_support::PictureFormat::Bmp, 30000, 30000);
  Write("C:\\Icons\\huge.bmp", std::string(huge.begin(), huge.end()));
  EXPECT_FALSE(Change("C:\\Photos", "C:\\Icons\\huge.bmp"));
  ASSERT_EQ(machine.dialogs.Messages().size(), 3u);
  EXPECT_THAT(machine.dialogs.Messages()[2].text, HasSubstr("huge.bmp\" cannot be used. The picture is too large"));
}

// A file of the user's that happens to be called "IconX.ico" was replaced by the icon.
TEST_F(FolderIcon, AnIconXIcoOfAnotherOriginIsKeptAndTheIconTakesTheNextName) {
  Write("C:\\Photos\\IconX.ico", "my notes", fileattr::kArchive);
  ASSERT_TRUE(Change("C:\\Photos", "C:\\Icons\\camera.ico"));
  ASSERT_TRUE(Change("C:\\Photos", "C:\\Icons\\camera.ico"));  // its own icon is reused
  EXPECT_EQ(Read("C:\\Photos\\IconX.ico"), "my notes");
  EXPECT_EQ(Read("C:\\Photos\\IconX1.ico"), Icon("camera"));
  EXPECT_EQ(Key("IconResource"), "IconX1.ico,0");
  EXPECT_THAT(Listing("C:\\Photos"), UnorderedElementsAre("Desktop.ini", "IconX.ico", "IconX1.ico"));
}

// The icon was replaced before "Desktop.ini" failed, and the failure was blamed on rights.
TEST_F(FolderIcon, AFolderNamedDesktopIniIsNamedAsTheCauseAndTheIconStaysAsItWas) {
  Write("C:\\Photos\\IconX.ico", "my notes", fileattr::kArchive);
  machine.files.AddFolder("C:\\Photos\\Desktop.ini");
  EXPECT_FALSE(Change("C:\\Photos", "C:\\Icons\\camera.ico"));
  EXPECT_EQ(Read("C:\\Photos\\IconX.ico"), "my notes");
  EXPECT_THAT(Listing("C:\\Photos"), UnorderedElementsAre("Desktop.ini", "IconX.ico"));
  ASSERT_EQ(machine.dialogs.Messages().size(), 1u);
  EXPECT_EQ(machine.dialogs.Messages()[0].text,
            "The folder icon was not changed: C:\\Photos\\Desktop.ini is a folder, not a file, so it "
            "was left as it is.");
}

}  // namespace
}  // namespace qb::customise
