#include "journal/action_text.h"

#include <cstdio>

#include "journal/journaling_system.h"
#include "journal/undo.h"
#include "language/stored_phrase.h"
#include "platform/file_system.h"
#include "platform/registry.h"
#include "platform/text.h"

namespace qb::journal {

namespace {

namespace phrase = language::phrase;

// Long enough for a path or a command line to be recognised, short enough for one cell.
constexpr size_t kShownUnits = 60;

std::string Quoted(std::string_view utf8) {
  std::u16string units = text::Utf8ToUtf16(utf8);
  std::string tail;
  if (units.size() > kShownUnits) {
    size_t cut = kShownUnits;
    // Never between the two halves of a character outside the basic plane.
    if (units[cut - 1] >= 0xD800 && units[cut - 1] <= 0xDBFF) --cut;
    units.resize(cut);
    tail = "...";
  }
  return "\"" + text::Utf16ToUtf8(units) + tail + "\"";
}

uint32_t Number32(const std::vector<uint8_t>& bytes) {
  return RegValue{"", regtype::kDword, bytes}.AsDword();
}

std::string Bytes(size_t count, const language::Wording& say) {
  return say(phrase::kStateBytes, {std::to_string(count)});
}

std::string RegistryData(const ItemState& state, const language::Wording& say) {
  const RegValue value{"", state.tag, state.bytes};
  switch (state.tag) {
    case regtype::kSz:
    case regtype::kExpandSz:
      return Quoted(value.AsString());
    case regtype::kMultiSz: {
      std::string joined;
      for (const std::string& item : value.AsMultiString()) joined += (joined.empty() ? "" : "; ") + item;
      return Quoted(joined);
    }
    case regtype::kDword:
      if (state.bytes.size() == 4) return std::to_string(value.AsDword());
      break;
    case regtype::kQword:
      if (state.bytes.size() == 8) {
        uint64_t number = 0;
        for (size_t i = 0; i < 8; ++i) number |= uint64_t{state.bytes[i]} << (8 * i);
        return std::to_string(number);
      }
      break;
    default:
      break;
  }
  return Bytes(state.bytes.size(), say);
}

std::string FileState(const ItemState& state, const language::Wording& say) {
  std::string letters;
  for (const auto& [flag, letter] : {std::pair{fileattr::kReadOnly, 'R'}, {fileattr::kHidden, 'H'},
                                     {fileattr::kSystem, 'S'}, {fileattr::kArchive, 'A'}}) {
    if (state.tag & flag) letters += letter;
  }
  // A file the cleaner deleted after copying it is held by its backup copy, not by the record.
  const size_t size = state.copy ? static_cast<size_t>(state.copy->size) : state.bytes.size();
  if (letters.empty()) return Bytes(size, say);
  return say(phrase::kStateFile, {std::to_string(size), letters});
}

// A caption as a list shows it: the access-key mark gone, a doubled ampersand shown once.
std::string PlainCaption(std::string_view caption) {
  std::string plain;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;
    plain += caption[i];
  }
  return plain;
}

}  // namespace

ActionText ShowAction(const std::string& category, const std::string& summary,
                      const language::Wording& say) {
  // Pages, frames and windows are stored by their captions' keys, marks and all.
  const language::Wording caption = [&say](const language::Phrase& phrase,
                                            std::initializer_list<std::string_view> values) {
    return PlainCaption(say(phrase, values));
  };
  ActionText text{language::ShowStored(category, caption), language::ShowStored(summary, say)};
  const std::string head = text.category + ": ";
  if (!text.category.empty() && text.summary.starts_with(head)) text.summary.erase(0, head.size());
  return text;
}

std::string ReadableItem(const Record& record, const language::Wording& say) {
  switch (record.kind) {
    case ItemKind::SystemParameter:
      return say(phrase::kItemSetting, {record.target});
    case ItemKind::SystemColour:
      return say(phrase::kItemColour, {record.target});
    case ItemKind::DisplayMode:
      return say(phrase::kItemDisplayMode, {});
    case ItemKind::Wallpaper:
      return say(phrase::kItemWallpaper, {});
    default:
      return ReadableTarget(record.target, say);
  }
}

std::string ReadableState(const Record& record, const ItemState& state,
                          const language::Wording& say) {
  if (!state.present) return say(phrase::kStateAbsent, {});
  switch (record.kind) {
    case ItemKind::RegistryValue:
      return RegistryData(state, say);
    case ItemKind::File:
      return FileState(state, say);
    case ItemKind::SystemParameter:
      return std::to_string(Number32(state.bytes));
    case ItemKind::SystemColour: {
      // Stored as the system keeps it: red in the lowest byte.
      const uint32_t colour = Number32(state.bytes);
      char text[8];
      std::snprintf(text, sizeof text, "#%02X%02X%02X", colour & 0xFF, (colour >> 8) & 0xFF,
                    (colour >> 16) & 0xFF);
      return text;
    }
    case ItemKind::DisplayMode:
      if (const auto mode = ModeOf(state)) {
        return say(phrase::kStateDisplayMode,
                   {std::to_string(mode->width), std::to_string(mode->height),
                    std::to_string(mode->bits_per_pixel), std::to_string(mode->frequency)});
      }
      return Bytes(state.bytes.size(), say);
    case ItemKind::Wallpaper:
      if (state.bytes.empty()) return say(phrase::kStateEmpty, {});
      return Quoted(std::string(state.bytes.begin(), state.bytes.end()));
    default:
      return say(phrase::kStatePresent, {});
  }
}

std::array<std::string, 3> ItemCells(const Record& record, const language::Wording& say) {
  // A note (the run's restore point) changed nothing: it says what the system answered.
  if (record.kind == ItemKind::Note) {
    return {language::ShowStored(record.target, say), "", language::ShowStored(record.detail, say)};
  }
  return {ReadableItem(record, say), ReadableState(record, record.before, say),
          record.outcome == Outcome::Refused ? say(phrase::kStateRefused, {})
                                             : ReadableState(record, record.after, say)};
}

}  // namespace qb::journal
