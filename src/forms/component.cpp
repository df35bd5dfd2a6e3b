#include "forms/component.h"

#include <algorithm>

namespace forms {

TComponent::TComponent(TComponent* owner) : owner_(owner) {
  if (owner_) owner_->components_.push_back(this);
}

TComponent::~TComponent() {
  DestroyComponents();
  if (owner_) {
    auto& siblings = owner_->components_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
}

void TComponent::DestroyComponents() {
  // Last created goes first, so nothing outlives what it was built on.
  while (!components_.empty()) delete components_.back();  // each takes itself off the list
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  for (TComponent* c : components_)
    if (c->Name == name) return c;
  return nullptr;
}

}  // namespace forms
