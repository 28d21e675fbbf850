#include <gtest/gtest.h>

#include "main_form_fixture.h"
#include "tweaks/explorer_options_page.h"

namespace qb::tweaks::testing {
namespace {

class ExplorerBrowseTest : public MainFormPageTest {
 protected:
  ExplorerBrowseTest() {
    WireExplorerOptionsPage(form, services, hooks);
    LoadExplorerOptionsPage(form, services);
  }
};

TEST_F(ExplorerBrowseTest, TheEditorIsShownAndSavedOnlyByApply) {
  machine.dialogs.ScriptFile("C:\\Tools\\edit.exe");
  form["browse3cmd"].RaiseClick();
  EXPECT_EQ(machine.dialogs.Choosers()[0].filter, "Application|*.exe");
  EXPECT_EQ(form["editortxt"].Text(), "C:\\Tools\\edit.exe");
  EXPECT_TRUE(machine.registry.WriteLog().empty());
  form["browse3cmd"].RaiseClick();  // cancelled
  EXPECT_EQ(form["editortxt"].Text(), "C:\\Tools\\edit.exe");
}

TEST_F(ExplorerBrowseTest, TheToolbarBitmapAndDownloadFolderAreSavedAtOnceAndKeptOnCancel) {
  StoreText(kDownloadFolderPath, "E:\\Saved");
  machine.dialogs.ScriptFile("C:\\Pictures\\bar.bmp");
  form["browse2cmd"].RaiseClick();
  EXPECT_EQ(Read(kToolbarBitmapPath), RegValue::String("BackBitmap", "C:\\Pictures\\bar.bmp"));
  // A cancelled browse shows the stored folder again and writes nothing.
  form["txtDownloadFolder"].SetText("typed over");
  machine.registry.ClearWriteLog();
  form["browse2cmd"].RaiseClick();
  form["browsecmd"].RaiseClick();
  EXPECT_TRUE(machine.registry.WriteLog().empty());
  EXPECT_EQ(Read(kToolbarBitmapPath).AsString(), "C:\\Pictures\\bar.bmp");
  EXPECT_EQ(form["txtDownloadFolder"].Text(), "E:\\Saved");

  machine.dialogs.ScriptFolder("D:\\Downloads");
  form["browsecmd"].RaiseClick();
  EXPECT_EQ(form["txtDownloadFolder"].Text(), "D:\\Downloads");
  EXPECT_EQ(Read(kDownloadFolderPath), RegValue::String("Download Directory", "D:\\Downloads"));
}

}  // namespace
}  // namespace qb::tweaks::testing
