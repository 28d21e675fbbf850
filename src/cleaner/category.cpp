#include "cleaner/category.h"

namespace qb::cleaner {

std::vector<RegView> ViewsOf(const Registry& registry, RegRoot root) {
  if (root == RegRoot::LocalMachine && registry.HasSeparateViews()) {
    return {RegView::Force64, RegView::Force32};
  }
  return {RegView::Native};
}

}  // namespace qb::cleaner
