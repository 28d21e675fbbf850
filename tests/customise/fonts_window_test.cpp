#include "customise/fonts_window.h"

#include <gmock/gmock.h>

#include "customise_fixture.h"
#include "support/font_bytes.h"
#include "ui/headless_host.h"

namespace qb::customise {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::Not;

class FontsWindowTest : public testing::CustomiseTest {
 protected:
  FontsWindowTest() {
    host.Attach(app);
    machine.files.AddFolder("C:\\Windows\\Fonts");
  }
  void WhileOpen(const std::function<void(ui::Form&)>& steps) {
    FontsWindow window(app, services, main_skin);
    host.on_modal = steps;
    app.ShowModal(window.Form(), nullptr);
  }
  const ui::TextFont& Preview(ui::Form& form) { return form["Label1"].Font(); }

  ui::HeadlessHost host;
  ui::Application app{host};
  skin::SkinInstance main_skin;
};

TEST_F(FontsWindowTest, TheListTheSpinnerAndTheBoxesShapeThePreview) {
  machine.fonts.families = {"Wingdings", "Arial", "Tahoma"};
  WhileOpen([&](ui::Form& form) {
    // The fonts come in the system's order, the second one shown.
    EXPECT_THAT(form["lstSystemFonts"].Items(), ElementsAre("Wingdings", "Arial", "Tahoma"));
    EXPECT_EQ(form["Label1"].Text(), "\r\nABCXYZabcxyz");
    EXPECT_EQ(Preview(form), (ui::TextFont{.face = "Arial", .points = 8}));
    EXPECT_EQ(form["sizetxt"].Text(), "8");
    form["lstSystemFonts"].ListIndexChangedByUser(2);
    EXPECT_EQ(Preview(form).face, "Tahoma");
    form["Check2"].SetValue(1);
    form["Check3"].SetValue(1);
    form["UpDown1"].ValueChangedByUser(12);
    EXPECT_EQ(Preview(form), (ui::TextFont{.face = "Tahoma", .points = 12, .bold = true, .italic = true}));
    EXPECT_EQ(form["sizetxt"].Text(), "12");
    form["Check3"].SetValue(0);
    form["Check1"].SetValue(1);
    form["Check2"].SetValue(2);  // grey: bold stays as it was
    EXPECT_EQ(Preview(form),
              (ui::TextFont{.face = "Tahoma", .points = 12, .bold = true, .strikeout = true}));
    form["UpDown1"].ValueChangedByUser(40);
    EXPECT_EQ(Preview(form).points, 25);
    form["sizetxt"].TextChangedByUser("14");
    EXPECT_EQ(form["UpDown1"].Value(), 14);
    EXPECT_EQ(Preview(form).points, 14);
    form["sizetxt"].TextChangedByUser("99");
    EXPECT_EQ(Preview(form).points, 14) << "beyond the spinner's range nothing changes";
  });
}

TEST_F(FontsWindowTest, InstallingAddsTheFontToTheListAndACancelledDialogDoesNothing) {
  ASSERT_EQ(machine.files.AddFile("C:\\Downloads\\quill.ttf", fileattr::kArchive,
                                  test_support::SimpleFont(u"Quill Sans")),
            status::kOk);
  WhileOpen([&](ui::Form& form) {
    AnswerOpenFile("");
    form["Command1"].RaiseClick();
    EXPECT_TRUE(machine.dialogs.Messages().empty());
    EXPECT_THAT(form["lstSystemFonts"].Items(), Not(Contains("Quill Sans")));

    AnswerOpenFile("C:\\Downloads\\quill.ttf");
    form["Command1"].RaiseClick();
    EXPECT_THAT(form["lstSystemFonts"].Items(), Contains("Quill Sans"));
    ASSERT_EQ(machine.dialogs.Messages().size(), 1u);
    EXPECT_EQ(machine.dialogs.Messages()[0].text, "The font \"Quill Sans\" is installed.");
    form["Command2"].RaiseClick();  // Close
    EXPECT_FALSE(app.IsLoaded(form));
  });
  EXPECT_EQ(Read("C:\\Windows\\Fonts\\quill.ttf"), Read("C:\\Downloads\\quill.ttf"));
}

}  // namespace
}  // namespace qb::customise
