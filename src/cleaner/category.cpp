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
  std::vector<std::vector<std::string>> listed;
  for (RegView view : views) {
    listed.push_back(context.routines.EnumRegistryKeys({root, view}, area));
  }
  const auto add = [&](RegView view, const std::string& name) {
    keys.push_back(RegKeyPath{root, std::string(area), view}.Child(name));
    names.push_back(name);
  };
  for (const auto& name : listed[0]) add(views[0], name);
  if (views.size() == 1) return keys;

  const RegKeyPath area64{root, std::string(area), views[0]};
  const RegKeyPath area32{root, std::string(area), views[1]};
  // A shared area lists the same names in both views, and its keys read alike; looking at
  // its first, middle and last key spares comparing every one.
  if (listed[0] == listed[1] && !listed[0].empty()) {
    const auto& names_both = listed[0];
    bool alike = true;
    for (size_t at : {size_t{0}, names_both.size() / 2, names_both.size() - 1}) {
      alike = alike && SameContents(context.registry, area64.Child(names_both[at]),
                                    area32.Child(names_both[at]));
    }
    if (alike) return keys;
  }
  std::set<std::u16string> in64;
  for (const auto& name : listed[0]) in64.insert(text::UpperUtf16(text::Utf8ToUtf16(name)));
  for (const auto& name : listed[1]) {
    if (in64.count(text::UpperUtf16(text::Utf8ToUtf16(name))) &&
        SameContents(context.registry, area64.Child(name), area32.Child(name))) {
      continue;
    }
    add(views[1], name);
  }
  return keys;
}

std::vector<RegView> ViewsOf(const Registry& registry, RegRoot root) {
  if (root == RegRoot::LocalMachine && registry.HasSeparateViews()) {
    return {RegView::Force64, RegView::Force32};
  }
  return {RegView::Native};
}

}  // namespace qb::cleaner
