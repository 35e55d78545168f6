#include "ui/Component.h"

#include <algorithm>

#include "ui/FormParser.h"

namespace ui {

namespace {

bool SameIdentifier(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
    return lower(x) == lower(y);
  });
}

void Erase(std::vector<TComponent*>& list, TComponent* item) {
  list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

}  // namespace

TComponent::TComponent(TComponent* owner) {
  if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
  Destroying();
  RemoveFreeNotifications();
  DestroyComponents();
  if (owner_) owner_->RemoveComponent(this);
}

void TComponent::SetName(const std::string& name) {
  if (name == name_) return;
  if (owner_ && !name.empty()) {
    const TComponent* other = owner_->FindComponent(name);
    if (other && other != this) throw EComponentError("a component named " + name + " already exists");
  }
  name_ = name;
}

int TComponent::ComponentIndex() const {
  if (!owner_) return -1;
  const auto& list = owner_->components_;
  return int(std::find(list.begin(), list.end(), this) - list.begin());
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (TComponent* c : components_)
    if (SameIdentifier(c->name_, name)) return c;
  return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
  if (!component || component->owner_ == this) return;
  if (component->owner_) component->owner_->RemoveComponent(component);
  component->owner_ = this;
  components_.push_back(component);
  Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  if (!component || component->owner_ != this) return;
  Notification(component, opRemove);
  Erase(components_, component);
  component->owner_ = nullptr;
}

void TComponent::DestroyComponents() {
  // Each one is taken out of the list before it is freed, so its siblings are
  // not told one by one while the whole family goes.
  while (!components_.empty()) {
    TComponent* last = components_.back();
    components_.pop_back();
    last->owner_ = nullptr;
    delete last;
  }
}

void TComponent::SetStateFlag(TComponentStateFlag flag, bool on) {
  if (on) state_ |= flag;
  else state_ &= ~unsigned(flag);
}

void TComponent::Destroying() {
  if (InState(csDestroying)) return;
  state_ |= csDestroying;
  for (TComponent* c : components_) c->Destroying();
}

void TComponent::FreeNotification(TComponent* holder) {
  if (!holder || holder == this) return;
  if (std::find(freeNotifies_.begin(), freeNotifies_.end(), holder) == freeNotifies_.end())
    freeNotifies_.push_back(holder);
  if (std::find(holder->freeNotifies_.begin(), holder->freeNotifies_.end(), this) == holder->freeNotifies_.end())
    holder->freeNotifies_.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* holder) {
  if (!holder) return;
  Erase(freeNotifies_, holder);
  Erase(holder->freeNotifies_, this);
}

void TComponent::RemoveFreeNotifications() {
  while (!freeNotifies_.empty()) {
    TComponent* other = freeNotifies_.back();
    freeNotifies_.pop_back();
    Erase(other->freeNotifies_, this);
    other->Notification(this, opRemove);
  }
}

void TComponent::Loaded() { SetStateFlag(csLoading, false); }

void TComponent::Notification(TComponent* component, TOperation operation) {
  if (operation == opRemove && component) RemoveFreeNotification(component);
  // Index walk from the end: a handler may free or remove components meanwhile.
  for (std::size_t i = components_.size(); i-- > 0;) {
    if (i >= components_.size()) continue;
    components_[i]->Notification(component, operation);
  }
}

void TComponent::SetParentComponent(TComponent*) {}

bool TComponent::SetProperty(std::string_view name, const TPropertyValue& value, TReader&) {
  if (name == "Tag") {
    Tag = std::intptr_t(value.AsInt64());
    return true;
  }
  return false;
}

bool TComponent::ReadBinaryProperty(std::string_view, TStream&) { return false; }

}  // namespace ui
