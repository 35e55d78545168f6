#include "ui/FormReader.h"

#include <algorithm>

#include "ui/Streams.h"

namespace ui {

namespace {

std::map<std::string, TComponentFactory, std::less<>>& ClassRegistry() {
  static std::map<std::string, TComponentFactory, std::less<>> registry;
  return registry;
}

std::string Where(int line, const std::string& component, const std::string& property = {}) {
  std::string s = "line " + std::to_string(line) + ": " + component;
  if (!property.empty()) s += "." + property;
  return s;
}

// Names are unique among an owner's components: a second form of one class
// and owner is named "Name_1", a third "Name_2"...
std::string UniqueRootName(const TComponent& root, const std::string& name) {
  const TComponent* owner = root.Owner();
  std::string unique = name;
  for (int i = 1; owner && owner->FindComponent(unique) && owner->FindComponent(unique) != &root; ++i)
    unique = name + "_" + std::to_string(i);
  return unique;
}

}  // namespace

void RegisterComponentClass(const std::string& className, TComponentFactory factory) {
  ClassRegistry()[className] = std::move(factory);
}

bool IsComponentClassRegistered(const std::string& className) { return ClassRegistry().count(className) != 0; }

bool TFieldTable::Assign(const std::string& name, TComponent* component) const {
  const auto it = slots_.find(name);
  return it == slots_.end() || it->second(component);
}

std::vector<std::string> TFieldTable::Names() const {
  std::vector<std::string> names;
  for (const auto& [name, slot] : slots_) names.push_back(name);
  return names;
}

TReader::TReader(TComponent& root, const TFormBindings& bindings, TResourceLoader resources)
    : root_(root), bindings_(bindings), resources_(std::move(resources)) {}

void TReader::Read(std::string_view text) {
  const TFormNode node = ParseFormText(text);
  if (node.ClassName != root_.ClassName())
    throw EFormError(Where(node.Line, node.Name) + ": the description is of class " + node.ClassName +
                     ", not " + root_.ClassName());
  loaded_.clear();
  assignedFields_.clear();
  fixups_.clear();
  binaries_.clear();
  try {
    root_.SetStateFlag(csLoading, true);
    loaded_.push_back(&root_);
    root_.SetName(UniqueRootName(root_, node.Name));
    ReadProperties(node, root_);
    for (const TFormNode& child : node.Children) ReadChild(child, root_);
    CheckFields();
    ResolveFixups();
    if (BeforeLoaded) BeforeLoaded();
  } catch (...) {
    for (TComponent* c : loaded_) c->SetStateFlag(csLoading, false);
    throw;
  }
  for (TComponent* c : loaded_) c->Loaded();
}

void TReader::ReadProperties(const TFormNode& node, TComponent& component) {
  for (const TFormProperty& prop : node.Properties) ReadProperty(prop, component);
}

void TReader::ReadProperty(const TFormProperty& prop, TComponent& component) {
  const std::string where = Where(prop.Line, component.Name(), prop.Name);
  where_ = where;
  bool known = false;
  try {
    if (prop.Value.kind == TPropertyValue::Kind::Resource) {
      auto bytes = resources_ ? resources_(prop.Value.text) : std::nullopt;
      if (!bytes) throw EFormError(where + ": resource '" + prop.Value.text + "' not found");
      TMemoryStream stream(std::move(*bytes));
      known = component.ReadBinaryProperty(prop.Name, stream);
      if (known) binaries_.push_back(TBinaryProperty{&component, prop.Name, prop.Value.text});
    } else {
      known = component.SetProperty(prop.Name, prop.Value, *this);
    }
  } catch (const EFormError&) {
    throw;
  } catch (const std::exception& e) {
    throw EFormError(where + ": " + e.what());
  }
  if (!known) throw EFormError(where + ": unknown property of " + component.ClassName());
}

TComponent* TReader::CreateComponent(const TFormNode& node) {
  const auto& registry = ClassRegistry();
  const auto it = registry.find(node.ClassName);
  if (it == registry.end()) throw EFormError(Where(node.Line, node.Name) + ": unknown class " + node.ClassName);
  TComponent* component = it->second(&root_);  // owned by the root from here on
  component->SetStateFlag(csLoading, true);
  loaded_.push_back(component);
  try {
    component->SetName(node.Name);
  } catch (const EComponentError& e) {
    throw EFormError(Where(node.Line, node.Name) + ": " + e.what());
  }
  if (!bindings_.Fields.Assign(node.Name, component))
    throw EFormError(Where(node.Line, node.Name) + ": the form's field " + node.Name + " is not a " + node.ClassName);
  if (bindings_.Fields.Has(node.Name)) assignedFields_.push_back(node.Name);
  return component;
}

void TReader::ReadChild(const TFormNode& node, TComponent& parent) {
  TComponent* component = CreateComponent(node);
  component->SetParentComponent(&parent);
  ReadProperties(node, *component);
  for (const TFormNode& child : node.Children) ReadChild(child, *component);
}

void TReader::CheckFields() const {
  for (const std::string& name : bindings_.Fields.Names())
    if (std::find(assignedFields_.begin(), assignedFields_.end(), name) == assignedFields_.end())
      throw EFormError(root_.Name() + ": the form description has no component " + name);
}

void TReader::AddFixup(const std::string& name, std::function<bool(TComponent*)> assign) {
  fixups_.push_back(TFixup{where_, name, std::move(assign)});
}

void TReader::ResolveFixups() {
  for (const TFixup& f : fixups_) {
    TComponent* target = f.Name == root_.Name() ? &root_ : root_.FindComponent(f.Name);
    if (!target) throw EFormError(f.Where + ": there is no component named " + f.Name);
    if (!f.Assign(target)) throw EFormError(f.Where + ": " + f.Name + " is a " + target->ClassName() + ", which does not fit");
  }
  fixups_.clear();
}

void ReadComponent(TComponent& root, std::string_view text, const TFormBindings& bindings,
                   TResourceLoader resources) {
  TReader(root, bindings, std::move(resources)).Read(text);
}

}  // namespace ui
