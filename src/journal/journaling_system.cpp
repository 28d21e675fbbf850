#include "journal/journaling_system.h"

namespace qb::journal {

namespace {

std::vector<uint8_t> Bytes32(uint32_t value) {
  return {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
          static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 24)};
}

uint32_t Number32(const std::vector<uint8_t>& bytes, size_t at) {
  uint32_t value = 0;
  for (size_t i = 0; i < 4 && at + i < bytes.size(); ++i) {
    value |= uint32_t{bytes[at + i]} << (8 * i);
  }
  return value;
}

ItemState TextState(const std::string& text) {
  return ItemState::Of(0, std::vector<uint8_t>(text.begin(), text.end()));
}

}  // namespace

void Recorder::Record(ItemKind kind, std::string target, ItemState before, ItemState after,
                      Status result, Outcome done, bool even_unchanged) {
  const bool refused = status::Refused(result);
  const bool unchanged = done == Outcome::Done && before == after && !even_unchanged;
  if (!refused && (result != status::kOk || unchanged)) return;
  journal::Record record;
  record.time = clock_.Now();
  record.action = action_ ? action_ : journal_.ScopeAction(record.time);
  if (record.action == 0) return;
  record.kind = kind;
  record.outcome = refused ? Outcome::Refused : done;
  record.target = std::move(target);
  record.before = std::move(before);
  record.after = std::move(after);
  journal_.Append(record);
}

ItemState NumberState(uint32_t tag, std::optional<uint32_t> value) {
  return value ? ItemState::Of(tag, Bytes32(*value)) : ItemState::Absent();
}

ItemState ModeState(const std::optional<DisplayMode>& mode) {
  if (!mode) return ItemState::Absent();
  std::vector<uint8_t> bytes;
  for (const int part : {mode->width, mode->height, mode->bits_per_pixel, mode->frequency}) {
    const std::vector<uint8_t> four = Bytes32(static_cast<uint32_t>(part));
    bytes.insert(bytes.end(), four.begin(), four.end());
  }
  return ItemState::Of(0, std::move(bytes));
}

std::optional<DisplayMode> ModeOf(const ItemState& state) {
  if (!state.present || state.bytes.size() != 16) return std::nullopt;
  const auto part = [&](size_t i) { return static_cast<int>(Number32(state.bytes, 4 * i)); };
  return DisplayMode{part(0), part(1), part(2), part(3)};
}

template <typename Change>
Status JournalingSystemParameters::Parameter(uint32_t action, Change change) {
  if (!recorder_.Active()) return change();
  ItemState before = NumberState(action, inner_.ReadParameter(action));
  const Status result = change();
  recorder_.Record(ItemKind::SystemParameter, std::to_string(action), std::move(before),
                   NumberState(action, inner_.ReadParameter(action)), result);
  return result;
}

Status JournalingSystemParameters::SetParameter(uint32_t action, uint32_t ui_param,
                                                intptr_t pv_value, uint32_t flags) {
  return Parameter(action, [&] { return inner_.SetParameter(action, ui_param, pv_value, flags); });
}

Status JournalingSystemParameters::SetDoubleClickTime(unsigned milliseconds) {
  return Parameter(spi::kSetDoubleClickTime,
                   [&] { return inner_.SetDoubleClickTime(milliseconds); });
}

Status JournalingSystemParameters::SetWallpaper(std::string_view image_path) {
  if (!recorder_.Active()) return inner_.SetWallpaper(image_path);
  ItemState before = TextState(inner_.Wallpaper());
  const Status result = inner_.SetWallpaper(image_path);
  // The same path again is a change too when the file behind it was replaced: undo sets it
  // again once the file is back.
  recorder_.Record(ItemKind::Wallpaper, "wallpaper", std::move(before),
                   TextState(inner_.Wallpaper()), result, Outcome::Done, true);
  return result;
}

Status JournalingSystemColours::Set(int index, ColourRef colour) {
  if (!recorder_.Active()) return inner_.Set(index, colour);
  ItemState before = NumberState(0, inner_.Get(index));
  const Status result = inner_.Set(index, colour);
  recorder_.Record(ItemKind::SystemColour, std::to_string(index), std::move(before),
                   NumberState(0, inner_.Get(index)), result);
  return result;
}

template <typename Change>
long JournalingDisplayModes::Recorded(Change change) {
  if (!recorder_.Active()) return change();
  ItemState before = ModeState(inner_.Current());
  const long result = change();
  // A refused mode changed nothing; only the changes made are undone.
  recorder_.Record(ItemKind::DisplayMode, "display", std::move(before), ModeState(inner_.Current()),
                   result == dispchange::kSuccessful ? status::kOk : status::kInvalidParameter);
  return result;
}

long JournalingDisplayModes::ChangeSize(int width, int height) {
  return Recorded([&] { return inner_.ChangeSize(width, height); });
}

long JournalingDisplayModes::Restore(const DisplayMode& mode) {
  return Recorded([&] { return inner_.Restore(mode); });
}

bool JournalingFonts::LoadFontFile(std::string_view path) {
  const bool loaded = inner_.LoadFontFile(path);
  if (loaded && recorder_.Active()) {
    recorder_.Record(ItemKind::Font, std::string(path), ItemState::Absent(), ItemState::Of(0, {}),
                     status::kOk);
  }
  return loaded;
}

void JournalingFonts::UnloadFontFile(std::string_view path) {
  inner_.UnloadFontFile(path);
  if (recorder_.Active()) {
    recorder_.Record(ItemKind::Font, std::string(path), ItemState::Of(0, {}), ItemState::Absent(),
                     status::kOk);
  }
}

Status JournalingProcesses::Open(uint32_t id, ProcessHandle& handle) {
  const Status opened = inner_.Open(id, handle);
  if (handle) ids_[handle] = id;
  return opened;
}

Status JournalingProcesses::Close(ProcessHandle handle) {
  ids_.erase(handle);
  return inner_.Close(handle);
}

Status JournalingProcesses::Terminate(ProcessHandle handle, uint32_t exit_code) {
  const Status ended = inner_.Terminate(handle, exit_code);
  if (recorder_.Active()) {
    const auto it = ids_.find(handle);
    const std::string id = it == ids_.end() ? std::string("?") : std::to_string(it->second);
    recorder_.Record(ItemKind::ProcessEnd, "process " + id,
                     ItemState::Of(0, {}), ItemState::Absent(), ended, Outcome::NotUndoable);
  }
  return ended;
}

}  // namespace qb::journal
