#include "cleaner/exclusions_window.h"

#include "cleaner/exclusions_saving.h"
#include "dress/small_window.h"
#include "language/wording.h"
#include "ui/access_keys.h"

namespace qb::cleaner {

namespace {

namespace phrase = language::phrase;
using ui::ControlKind;

constexpr int kDeleteKey = 0x2E;  // the virtual-key code of Delete

}  // namespace

std::unique_ptr<ui::Form> BuildExclusionsForm() {
  auto form =
      std::make_unique<ui::Form>("exclusionsfrm", std::string(phrase::kExclusionsTitle.english), 7800, 5400);
  form->Add({.name = "intro", .kind = ControlKind::Label, .rect = {120, 120, 7400, 500}});
  form->Add({.name = "entries", .kind = ControlKind::ListBox, .rect = {120, 720, 7400, 3480}});
  form->Add({.name = "remove", .kind = ControlKind::CommandButton, .caption = std::string(phrase::kRemove.english),
             .tag = std::string(phrase::kRemove.key), .rect = {120, 4380, 1800, 375}});
  form->Add({.name = "close", .kind = ControlKind::CommandButton, .caption = "Close", .tag = "1013",
             .rect = {5720, 4380, 1800, 375}});
  return form;
}

ExclusionsWindow::ExclusionsWindow(ui::Application& app, const Services& services,
                                   const skin::SkinInstance& main_skin)
    : app_(app), services_(services), main_skin_(main_skin), form_(BuildExclusionsForm()) {
  ui::Form& form = *form_;
  form.on_load = [this] { Load(); };
  form["entries"].on_click = [this] { (*form_)["remove"].SetEnabled(readable_ && (*form_)["entries"].ListIndex() >= 0); };
  form["remove"].on_click = [this] { RemoveSelected(); };
  // Delete in the list removes the selected entry, as in the system's own lists; the focus
  // stays in the list, on the entry that took its place.
  form["entries"].on_key_down = [this](int& key) {
    if (key != kDeleteKey) return;
    key = 0;
    RemoveSelected();
  };
  form["close"].on_click = [this] { app_.Unload(*form_); };
}

void ExclusionsWindow::Load() {
  dress::LoadSmallWindow(*form_, services_, own_skin_, main_skin_, phrase::kExclusionsTitle.key,
                         phrase::kExclusionsTitle.english);
  const std::string path = ExclusionsPath(services_.environment);
  Status unreadable = status::kOk;
  exclusions_ = LoadExclusions(services_.files, services_.environment, &unreadable);
  readable_ = unreadable == status::kOk;
  (*form_)["intro"].SetCaption(language::Say(services_, phrase::kExclusionsIntro, {ui::LiteralCaption(path)}));
  // Told over the window once it is there to own the message.
  form_->on_shown = [this, path, unreadable] {
    if (readable_) return;
    services_.dialogs.ShowMessage(app_.HandleOf(*form_),
                                  language::CouldNot(services_, phrase::kFileNotRead, unreadable, {path}),
                                  form_->Caption(), mb::kOk | mb::kIconStop);
  };
  ShowEntries(exclusions_.Entries().empty() ? -1 : 0);
}

void ExclusionsWindow::ShowEntries(int select) {
  ui::Control& list = (*form_)["entries"];
  list.SetItems(exclusions_.Entries());
  const int count = static_cast<int>(exclusions_.Entries().size());
  list.SetListIndex(count == 0 ? -1 : std::min(select, count - 1));
  (*form_)["remove"].SetEnabled(readable_ && list.ListIndex() >= 0);
}

void ExclusionsWindow::RemoveSelected() {
  const int index = (*form_)["entries"].ListIndex();
  if (!readable_ || index < 0 || index >= static_cast<int>(exclusions_.Entries().size())) return;
  Exclusions wanted = exclusions_;
  wanted.Remove(exclusions_.Entries()[index]);
  if (!SaveExclusionsOrSay(services_, app_.HandleOf(*form_), form_->Caption(), wanted)) return;
  exclusions_ = std::move(wanted);
  ShowEntries(index);
}

void ShowExclusions(ui::Application& app, ui::Form& owner, const Services& services,
                    const skin::SkinInstance& main_skin) {
  ExclusionsWindow window(app, services, main_skin);
  app.ShowModal(window.Form(), &owner);
}

}  // namespace qb::cleaner
