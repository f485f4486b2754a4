#include "framework/ui/menu.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

#include "framework/base/exception_hook.h"
#include "framework/ui/internal.h"

namespace fw {

MenuItem::MenuItem() = default;

MenuItem::~MenuItem() {
  if (!ui_) return;
  // The Qt objects go with the QApplication when it ends first.
  if (QCoreApplication::instance()) {
    delete ui_->menu.data();
    if (ui_->action && !ui_->menu) delete ui_->action.data();
  }
  delete ui_;
}

void MenuItem::AddMenu(std::shared_ptr<MenuItem> child) {
  if (!child) throw NilObjectException("AddMenu: no item");
  children_.push_back(std::move(child));
}

std::shared_ptr<MenuItem> MenuItem::Child(std::string_view name) const {
  for (const auto& child : children_)
    if (child->Name == name) return child;
  return nullptr;
}

std::shared_ptr<MenuItem> MenuItem::Lookup(std::string_view name) {
  for (const auto& child : children_) {
    if (child->Name == name) return child;
    if (auto found = child->Lookup(name)) return found;
  }
  return nullptr;
}

Integer MenuItem::Count() const { return static_cast<Integer>(children_.size()); }

std::shared_ptr<MenuItem> MenuItem::Item(Integer index) const {
  if (index < 0 || index >= Count())
    throw NilObjectException("menu " + Name + " has no item " + std::to_string(index));
  return children_[static_cast<std::size_t>(index)];
}

namespace {
void Collect(const std::shared_ptr<MenuItem>& item, std::vector<std::shared_ptr<MenuItem>>& out) {
  out.push_back(item);
  for (const auto& child : item->children()) Collect(child, out);
}
}  // namespace

std::vector<std::shared_ptr<MenuItem>> AllItems(const std::shared_ptr<MenuItem>& root) {
  std::vector<std::shared_ptr<MenuItem>> items;
  if (root) Collect(root, items);
  return items;
}

}  // namespace fw
