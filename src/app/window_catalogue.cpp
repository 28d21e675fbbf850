#include "app/window_catalogue.h"

#include "app/about_window.h"
#include "app/history_window.h"
#include "app/main_form_layout.h"
#include "cleaner/exclusions_window.h"
#include "cleaner/review_window.h"
#include "cleaner/system_health_form.h"
#include "customise/fonts_window.h"
#include "customise/icon_windows.h"
#include "customise/icons_window.h"
#include "language/phrases.h"
#include "process/process_window.h"
#include "tweaks/settings_profile_window.h"
#include "tweaks/system_colours_window.h"

namespace qb::app {

std::vector<WindowDesign> ProgramWindows() {
  return {
      {.name = "mainform",
       .create = [] { return CreateMainForm(); },
       .controls_translated = true,
       .coded_captions = {kCodedFrameCaptions.begin(), kCodedFrameCaptions.end()},
       .element = "Form"},
      {.name = "pchealth",
       .create = [] { return cleaner::BuildSystemHealthForm({"C:\\", "D:\\"}, 0); },
       .controls_translated = true,
       .title_key = cleaner::kHealthTitleKey,
       .element = "SmallForm"},
      {.name = "reviewfrm",
       .create = [] { return cleaner::BuildReviewForm(); },
       .controls_translated = true,
       .title_key = language::phrase::kReviewTitle.key,
       .element = "SmallForm"},
      {.name = "exclusionsfrm",
       .create = [] { return cleaner::BuildExclusionsForm(); },
       .controls_translated = true,
       .title_key = language::phrase::kExclusionsTitle.key,
       .element = "SmallForm"},
      {.name = "frmabout",
       .create = [] { return CreateAboutForm(); },
       .controls_translated = true,
       .title_key = language::phrase::kAboutTitle.key,
       .element = "SmallForm"},
      {.name = "syscolors",
       .create = [] { return tweaks::CreateSystemColoursForm(); },
       .controls_translated = true,
       .title_key = tweaks::kSystemColoursTitleKey,
       .element = "SmallForm"},
      {.name = "settingsprofile",
       .create = [] { return tweaks::CreateSettingsProfileForm(); },
       .controls_translated = true,
       .title_key = tweaks::kProfileWindowTitleKey,
       .element = "SmallForm"},
      {.name = "Fontsfrm",
       .create = [] { return customise::BuildFontsForm(); },
       .controls_translated = true,
       .title_key = customise::kFontsTitleKey,
       .element = "SmallForm"},
      {.name = "icondrivefrm",
       .create = [] { return customise::BuildIconForm(customise::IconWindow::Target::Drive); },
       .controls_translated = true,
       .title_key = customise::kDriveTitleKey,
       .element = "SmallForm"},
      {.name = "iconfolderfrm",
       .create = [] { return customise::BuildIconForm(customise::IconWindow::Target::Folder); },
       .controls_translated = true,
       .title_key = customise::kFolderTitleKey,
       .element = "SmallForm"},
      {.name = "iconsfrm",
       .create = [] { return customise::BuildIconsForm(); },
       .controls_translated = true,
       .title_key = customise::kIconsTitleKey,
       .element = "SmallForm"},
      {.name = "enumfrm",
       .create = [] { return process::CreateProcessForm(); },
       .controls_translated = true,
       .title_key = process::kProcessWindowTitleKey,
       .element = "SmallForm"},
      {.name = "historyfrm",
       .create = [] { return CreateHistoryForm(); },
       .controls_translated = true,
       .title_key = kHistoryTitleKey,
       .element = "SmallForm"},
  };
}

}  // namespace qb::app
