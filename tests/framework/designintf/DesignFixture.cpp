#include "DesignFixture.h"

#include "designintf/ComponentList.h"
#include "designintf/ComponentProperties.h"

#include <stdexcept>

DesignFixture::DesignFixture() {
  Form->SetName("Form1");
  Widget1->SetName("Widget1");
  Widget2->SetName("Widget2");
  Gauge1->SetName("Gauge1");
}

DesignFixture::~DesignFixture() {
  Form->Free();
}

std::map<std::string, std::unique_ptr<TPropertyEditor>> DesignFixture::Editors(
    std::initializer_list<TComponent*> components, TTypeKinds filter) {
  TComponentList list;
  for (TComponent* component : components)
    list.Add(component);
  std::map<std::string, std::unique_ptr<TPropertyEditor>> editors;
  GetComponentProperties(list, filter, &Designer, [&](std::unique_ptr<TPropertyEditor> editor) {
    const std::string name = editor->GetName();
    editors[name] = std::move(editor);
  });
  return editors;
}

std::unique_ptr<TPropertyEditor> DesignFixture::Editor(
    const std::string& name, std::initializer_list<TComponent*> components) {
  auto editors = Editors(components);
  if (!editors.count(name)) throw std::runtime_error("no editor for " + name);
  return std::move(editors[name]);
}

std::vector<std::string> DesignFixture::Values(TPropertyEditor& editor) {
  std::vector<std::string> values;
  editor.GetValues([&values](const std::string& value) { values.push_back(value); });
  return values;
}

std::vector<std::unique_ptr<TPropertyEditor>> DesignFixture::SubProperties(
    TPropertyEditor& editor) {
  std::vector<std::unique_ptr<TPropertyEditor>> editors;
  editor.GetProperties(
      [&editors](std::unique_ptr<TPropertyEditor> sub) { editors.push_back(std::move(sub)); });
  return editors;
}
