#include "cleaner/category.h"

#include <set>

#include "platform/text.h"

namespace qb::cleaner {

namespace {

// Whether two keys hold the same values and subkeys: the sign that two views show one key.
bool SameContents(Registry& registry, const RegKeyPath& a, const RegKeyPath& b) {
  std::vector<RegValue> values_a, values_b;
  std::vector<std::string> keys_a, keys_b;
  return registry.EnumValues(a, values_a) == status::kOk &&
         registry.EnumValues(b, values_b) == status::kOk && values_a == values_b &&
         registry.EnumKeys(a, keys_a) == status::kOk && registry.EnumKeys(b, keys_b) == status::kOk &&
         keys_a == keys_b;
}

}  // namespace

std::vector<RegKeyPath> AreaKeys(ScanContext& context, RegRoot root, std::string_view area,
                                 std::vector<std::string>& names) {
  std::vector<RegKeyPath> keys;
  const auto views = ViewsOf(context.registry, root);
  const auto add = [&](RegView view, const std::string& name) {
    keys.push_back(RegKeyPath{root, std::string(area), view}.Child(name));
    names.push_back(name);
  };
  const auto names64 = context.routines.EnumRegistryKeys({root, views[0]}, area);
  for (const auto& name : names64) add(views[0], name);
  if (views.size() == 1) return keys;

  const RegKeyPath area64{root, std::string(area), views[0]};
  const RegKeyPath area32{root, std::string(area), views[1]};
  // A shared area shows each key alike in both views; its first, middle and last keys
  // reading alike there spares listing it twice and comparing every key.
  if (!names64.empty()) {
    bool alike = true;
    for (size_t at : {size_t{0}, names64.size() / 2, names64.size() - 1}) {
      alike = alike && SameContents(context.registry, area64.Child(names64[at]),
                                    area32.Child(names64[at]));
    }
    if (alike) return keys;
  }
  std::set<std::u16string> in64;
  for (const auto& name : names64) in64.insert(text::UpperUtf16(text::Utf8ToUtf16(name)));
  for (const auto& name : context.routines.EnumRegistryKeys({root, views[1]}, area)) {
    if (in64.count(text::UpperUtf16(text::Utf8ToUtf16(name))) &&
        SameContents(context.registry, area64.Child(name), area32.Child(name))) {
      continue;
    }
    add(views[1], name);
  }
  return keys;
}

std::vector<AreaValue> AreaValues(ScanContext& context, RegRoot root, std::string_view area) {
  std::vector<AreaValue> found;
  std::vector<RegValue> first;
  bool first_view = true;
  for (RegView view : ViewsOf(context.registry, root)) {
    const RegKeyPath key{root, std::string(area), view};
    std::vector<RegValue> values;
    if (context.registry.EnumValues(key, values) != status::kOk) continue;
    if (first_view) {
      first = values;
    } else if (values == first) {
      continue;
    }
    first_view = false;
    for (auto& value : values) found.push_back({key, std::move(value)});
  }
  return found;
}

std::vector<RegView> ViewsOf(const Registry& registry, RegRoot root) {
  if (root == RegRoot::LocalMachine && registry.HasSeparateViews()) {
    return {RegView::Force64, RegView::Force32};
  }
  return {RegView::Native};
}

}  // namespace qb::cleaner
