#include "skin/skin.h"

#include <charconv>
#include <functional>

#include "platform/ini_text.h"
#include "platform/text.h"

namespace qb::skin {

namespace {

bool ParseColor(std::string_view text, Color& color) {
  if (text.size() != 7 || text[0] != '#') return false;
  unsigned value = 0;
  const auto [end, error] = std::from_chars(text.data() + 1, text.data() + 7, value, 16);
  if (error != std::errc() || end != text.data() + 7) return false;
  color = {static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 8),
           static_cast<uint8_t>(value)};
  return true;
}

bool ParseNumber(std::string_view text, int& number, int min, int max) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < min || value > max) {
    return false;
  }
  number = value;
  return true;
}

std::vector<std::string> ParseList(std::string_view text) {
  std::vector<std::string> items;
  size_t start = 0;
  while (start <= text.size()) {
    const auto comma = std::min(text.find(',', start), text.size());
    auto item = text::TrimBlanks(text.substr(start, comma - start));
    if (!item.empty()) items.push_back(std::move(item));
    start = comma + 1;
  }
  return items;
}

using Setter = std::function<bool(ElementStyle&, std::string_view)>;

Setter ColorField(Color ElementStyle::*field) {
  return [field](ElementStyle& s, std::string_view v) { return ParseColor(v, s.*field); };
}

Setter NumberField(int ElementStyle::*field, int min, int max) {
  return [=](ElementStyle& s, std::string_view v) { return ParseNumber(v, s.*field, min, max); };
}

const std::map<std::string, Setter, std::less<>>& Fields() {
  static const std::map<std::string, Setter, std::less<>> fields = {
      {"facetop", ColorField(&ElementStyle::face_top)},
      {"facebottom", ColorField(&ElementStyle::face_bottom)},
      {"hottop", ColorField(&ElementStyle::hot_top)},
      {"hotbottom", ColorField(&ElementStyle::hot_bottom)},
      {"pressedtop", ColorField(&ElementStyle::pressed_top)},
      {"pressedbottom", ColorField(&ElementStyle::pressed_bottom)},
      {"border", ColorField(&ElementStyle::border)},
      {"text", ColorField(&ElementStyle::text)},
      {"textdisabled", ColorField(&ElementStyle::text_disabled)},
      {"accent", ColorField(&ElementStyle::accent)},
      {"titletop", ColorField(&ElementStyle::title_top)},
      {"titlebottom", ColorField(&ElementStyle::title_bottom)},
      {"titletext", ColorField(&ElementStyle::title_text)},
      {"cornerradius", NumberField(&ElementStyle::corner_radius, 0, 32)},
      {"fontpoints", NumberField(&ElementStyle::font_points, 6, 36)},
      {"titleheight", NumberField(&ElementStyle::title_height, 0, 64)},
      {"font", [](ElementStyle& s, std::string_view v) {
         s.font_face = std::string(v);
         return !v.empty() && v.size() < 32;
       }},
      {"bold", [](ElementStyle& s, std::string_view v) {
         if (v != "0" && v != "1") return false;
         s.bold = v == "1";
         return true;
       }},
      {"titlebuttons", [](ElementStyle& s, std::string_view v) {
         s.title_buttons = ParseList(v);
         return true;
       }},
  };
  return fields;
}

}  // namespace

const ElementStyle* Skin::Find(std::string_view element) const {
  const auto it = elements.find(element);
  return it == elements.end() ? nullptr : &it->second;
}

std::optional<Skin> ParseSkin(std::string_view text, std::string& error) {
  const IniText ini = IniText::Parse(text);
  const auto format = ini.Get("Skin", "Format");
  if (!format || *format != "1") {
    error = "not a skin file of format 1 (no [Skin] section with Format=1)";
    return std::nullopt;
  }
  Skin skin;
  for (const auto& section : ini.Sections()) {
    if (text::EqualsNoCase(section.name, "Skin")) continue;
    ElementStyle style;
    for (const auto& entry : section.entries) {
      // An element may start from one defined above it, then change what differs.
      if (text::EqualsNoCase(entry.key, "Base")) {
        const ElementStyle* base = skin.Find(entry.value);
        if (!base) {
          error = "[" + section.name + "] is based on unknown element \"" + entry.value + "\"";
          return std::nullopt;
        }
        style = *base;
        continue;
      }
      const auto field = Fields().find(text::ToLowerAscii(entry.key));
      if (field == Fields().end()) continue;  // unknown keys belong to newer skins
      if (!field->second(style, entry.value)) {
        error = "[" + section.name + "] " + entry.key + "=" + entry.value + " is not valid";
        return std::nullopt;
      }
    }
    skin.elements[section.name] = std::move(style);
  }
  if (skin.elements.empty()) {
    error = "the skin defines no elements";
    return std::nullopt;
  }
  return skin;
}

}  // namespace qb::skin
