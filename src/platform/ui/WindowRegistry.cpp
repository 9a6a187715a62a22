#include "platform/ui/WindowRegistry.h"

#include <utility>

namespace platform::ui {

WindowRegistry::~WindowRegistry() {
  for (auto& [name, window] : owned_) delete window.data();
}

bool WindowRegistry::Register(const QString& name, QWidget& window) {
  QPointer<QWidget>& slot = loaded_[key(name)];
  if (slot && slot.data() != &window) return false;
  slot = &window;
  return true;
}

bool WindowRegistry::IsFormLoaded(const QString& name) const { return Find(name) != nullptr; }

QWidget* WindowRegistry::Find(const QString& name) const {
  const auto it = loaded_.find(key(name));
  return it == loaded_.end() ? nullptr : it->second.data();
}

std::vector<QWidget*> WindowRegistry::LoadedWindows() const {
  std::vector<QWidget*> windows;
  for (const auto& [name, window] : loaded_)
    if (window) windows.push_back(window.data());
  return windows;
}

void WindowRegistry::SetFactory(const QString& name, Factory factory) {
  factories_[key(name)] = std::move(factory);
}

QWidget* WindowRegistry::Load(const QString& name) {
  if (QWidget* w = Find(name)) return w;
  const auto it = factories_.find(key(name));
  if (it == factories_.end() || !it->second) return nullptr;
  std::unique_ptr<QWidget> made = it->second();
  if (!made) return nullptr;
  QWidget* w = made.release();
  loaded_[key(name)] = w;
  owned_[key(name)] = w;
  return w;
}

}  // namespace platform::ui
