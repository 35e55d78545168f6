// Forms from stored form descriptions.
//
// A form description is UTF-8 text (stored as an RCDATA resource named after
// the form class in capitals, e.g. "TFORM1"):
//
//   object Form1: TForm1              // the root: name and class of the form
//     Left = 192                      // integer: decimal, negative, or $hex
//     Caption = 'Tavrin集中力训练'    // string: '...', '' is a quote, #13 a
//                                     //   character code; 'a' + 'b' joins parts
//     Color = clBtnFace               // identifier: enumerations, colours, True/False
//     Font.Name = 'MS Sans Serif'     // dotted names reach nested properties
//     OnCreate = FormCreate           // event: the name of a handler the form binds
//     object Panel1: TPanel           // a component owned by the form; nested
//       Align = alTop                 //   objects sit inside the enclosing control
//       object Image1: TImage
//         Picture.Data = resource 'IMAGE1'   // binary: the bytes of another RCDATA
//       end                                  //   resource, handed over as a stream
//     end
//     object SkinData1: TSkinData
//       SkinControls = [xcMainMenu, xcPopupMenu]   // set of identifiers
//     end
//   end
//
// Keywords (object, end, resource) and True/False are case-insensitive; a
// comment runs from // to the end of the line.
//
// Reading: the root takes the description's name (made unique among its
// owner's components: a second form of one class is "Name_1"). Every
// component is created by the factory registered for its class
// name, owned by the root, placed in the enclosing component
// (SetParentComponent), bound to the root's field of the same name, and given
// its properties through SetProperty / ReadBinaryProperty while csLoading is
// set. When everything has been read, Loaded is called on every component, the
// root first, in reading order. Anything unknown (class, property, event
// handler, resource, field) stops the reading with an EFormError naming the
// line, the component and the property. Portable, tested natively.
#pragma once

#include <any>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/Component.h"
#include "ui/FormParser.h"

namespace ui {

using TComponentFactory = std::function<TComponent*(TComponent* owner)>;

// Makes a class known to the reader by the name form descriptions use.
void RegisterComponentClass(const std::string& className, TComponentFactory factory);
template <class T>
void RegisterComponentClass(const std::string& className) {
  RegisterComponentClass(className, [](TComponent* owner) -> TComponent* { return new T(owner); });
}
bool IsComponentClassRegistered(const std::string& className);

// The root's event handlers by name. Each handler is stored with its event type
// (a std::function type such as TNotifyEvent), so a handler bound to an event
// of another signature is refused instead of being called wrongly.
class TEventTable {
 public:
  template <typename Event>
  void Bind(const std::string& name, Event handler) {
    handlers_[name] = std::move(handler);
  }
  // Throws EPropertyError when there is no such handler or it has another type.
  template <typename Event>
  const Event& Find(const std::string& name) const {
    const auto it = handlers_.find(name);
    if (it == handlers_.end()) throw EPropertyError("no event handler named " + name);
    const Event* handler = std::any_cast<Event>(&it->second);
    if (!handler) throw EPropertyError("event handler " + name + " does not fit this event");
    return *handler;
  }

 private:
  std::map<std::string, std::any, std::less<>> handlers_;
};

// The root's fields that receive the components of the same name.
class TFieldTable {
 public:
  template <typename T>
  void Bind(const std::string& name, T*& field) {
    slots_[name] = [&field](TComponent* c) {
      T* typed = dynamic_cast<T*>(c);
      if (typed) field = typed;
      return typed != nullptr;
    };
  }
  bool Has(const std::string& name) const { return slots_.count(name) != 0; }
  // False when `component` is not of the field's class.
  bool Assign(const std::string& name, TComponent* component) const;
  std::vector<std::string> Names() const;

 private:
  std::map<std::string, std::function<bool(TComponent*)>, std::less<>> slots_;
};

struct TFormBindings {
  TEventTable Events;
  TFieldTable Fields;
};

// The bytes of a named resource, or nothing when there is no such resource.
using TResourceLoader = std::function<std::optional<std::vector<std::uint8_t>>(const std::string& name)>;

// A binary property as read: which component took which resource for it.
struct TBinaryProperty {
  TComponent* Component = nullptr;
  std::string Name;      // "Picture.Data"
  std::string Resource;  // as the description names it
};

class TReader {
 public:
  TReader(TComponent& root, const TFormBindings& bindings, TResourceLoader resources);

  // Reads a whole description into the root. Throws EFormError.
  void Read(std::string_view text);

  // For SetProperty: the handler an event property names.
  template <typename Event>
  const Event& FindEvent(const TPropertyValue& value) const {
    return bindings_.Events.Find<Event>(value.AsIdent());
  }
  // For SetProperty: a reference to another component of the form by name
  // (`Menu = MainMenu1`). It may be described further down, so `assign` runs
  // once everything has been read, before Loaded; a missing name or a
  // component of another class stops the reading with an EFormError.
  template <typename T>
  void ReadReference(const TPropertyValue& value, std::function<void(T*)> assign) {
    AddFixup(value.AsIdent(), [assign = std::move(assign)](TComponent* c) {
      T* typed = dynamic_cast<T*>(c);
      if (typed) assign(typed);
      return typed != nullptr;
    });
  }
  TComponent& Root() const { return root_; }

  // Runs once everything has been read and every reference resolved, before
  // the first Loaded: the last moment to change what was read while every
  // component is still csLoading.
  std::function<void()> BeforeLoaded;
  // The binary properties read so far, in reading order.
  const std::vector<TBinaryProperty>& BinaryProperties() const { return binaries_; }

 private:
  void ReadProperties(const TFormNode& node, TComponent& component);
  void ReadProperty(const TFormProperty& prop, TComponent& component);
  void ReadChild(const TFormNode& node, TComponent& parent);
  TComponent* CreateComponent(const TFormNode& node);
  void CheckFields() const;
  void AddFixup(const std::string& name, std::function<bool(TComponent*)> assign);
  void ResolveFixups();

  struct TFixup {
    std::string Where;
    std::string Name;
    std::function<bool(TComponent*)> Assign;
  };

  TComponent& root_;
  const TFormBindings& bindings_;
  TResourceLoader resources_;
  std::vector<TComponent*> loaded_;
  std::vector<std::string> assignedFields_;
  std::vector<TFixup> fixups_;
  std::vector<TBinaryProperty> binaries_;
  std::string where_;  // the property being read, for the fix-ups it adds
};

// Convenience: a TReader over `text`.
void ReadComponent(TComponent& root, std::string_view text, const TFormBindings& bindings,
                   TResourceLoader resources);

}  // namespace ui
