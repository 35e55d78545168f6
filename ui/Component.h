// Components: named objects in an ownership tree. An owner frees what it owns;
// any component can ask another to tell it when that one goes away
// (FreeNotification), so that references held across the tree never dangle.
// Portable (no Win32): the skin data component and the form reader build on it
// and are tested natively.
#pragma once

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

class TPropertyValue;
class TReader;
class TStream;

class TObject {
 public:
  virtual ~TObject() = default;
};

using TNotifyEvent = std::function<void(TObject* Sender)>;

// Raised for misuse of the component tree (a duplicate name, for example).
class EComponentError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// ComponentState flags. csDesigning is never set at run time; code shared with
// a designer checks it all the same.
enum TComponentStateFlag : unsigned {
  csLoading = 0x01,     // properties are being read from a form description
  csReading = 0x02,
  csDestroying = 0x04,  // the component (or its owner) is being freed
  csDesigning = 0x08,
};

enum TOperation { opInsert, opRemove };

class TComponent : public TObject {
 public:
  // The owner (may be null) takes ownership: it frees this component when it is freed.
  explicit TComponent(TComponent* owner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  // The framework class name, as used in form descriptions ("TPanel").
  virtual std::string ClassName() const { return "TComponent"; }

  const std::string& Name() const { return name_; }
  // Throws EComponentError when another component of the same owner has the name.
  void SetName(const std::string& name);

  TComponent* Owner() const { return owner_; }
  int ComponentCount() const { return int(components_.size()); }
  TComponent* Components(int index) const { return components_.at(std::size_t(index)); }
  // Position in the owner's list, -1 without owner.
  int ComponentIndex() const;
  // The owned component with this name (case-insensitive, as names are identifiers), or null.
  TComponent* FindComponent(std::string_view name) const;

  // Takes over `component` from its current owner (if any); tells every owned component.
  void InsertComponent(TComponent* component);
  // Gives up ownership without freeing; tells every owned component first.
  void RemoveComponent(TComponent* component);
  // Frees every owned component, last first.
  void DestroyComponents();

  std::intptr_t Tag = 0;

  unsigned ComponentState() const { return state_; }
  bool InState(unsigned flags) const { return (state_ & flags) != 0; }
  // For the form reader and the framework: switches a state flag.
  void SetStateFlag(TComponentStateFlag flag, bool on);

  // Asks this component to tell `holder` (by Notification opRemove) when it is
  // freed; the link works both ways, so neither side keeps a dangling pointer.
  void FreeNotification(TComponent* holder);
  void RemoveFreeNotification(TComponent* holder);

  // Called once after a form description has been read completely; clears csLoading.
  virtual void Loaded();
  // `component` was inserted into or removed from this component's owner tree,
  // or a component this one asked for a free notification is being freed.
  // The default passes the notification on to every owned component.
  virtual void Notification(TComponent* component, TOperation operation);

  // The form reader places a component inside the enclosing one (a control in
  // its parent container). The default ignores it.
  virtual void SetParentComponent(TComponent* parent);
  virtual TComponent* GetParentComponent() const { return nullptr; }

  // Sets a property read from a form description. Returns false for a name the
  // class does not know; throws EPropertyError for a value it cannot take.
  // Derived classes handle their own names and pass the rest to their base.
  virtual bool SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader);
  // Reads a binary property (a "resource" value) from `stream`; false for an unknown name.
  virtual bool ReadBinaryProperty(std::string_view name, TStream& stream);

 protected:
  // Marks this component and everything it owns as being freed.
  void Destroying();

 private:
  void RemoveFreeNotifications();

  std::string name_;
  TComponent* owner_ = nullptr;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> freeNotifies_;
  unsigned state_ = 0;
};

}  // namespace ui
