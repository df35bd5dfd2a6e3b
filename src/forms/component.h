#pragma once
// Components own the components created with them as owner and free them with themselves.

#include <string>
#include <string_view>
#include <vector>

#include "forms/types.h"

namespace forms {

class TComponent : public TObject {
 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  TComponent* Owner() const { return owner_; }
  const std::vector<TComponent*>& Components() const { return components_; }
  TComponent* FindComponent(std::string_view name) const;

  std::string Name;

 protected:
  // Frees the owned components now, while the owner is still whole.
  void DestroyComponents();

 private:
  TComponent* owner_;
  std::vector<TComponent*> components_;
};

}  // namespace forms
