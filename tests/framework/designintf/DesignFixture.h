#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "TestComponents.h"
#include "TestDesigner.h"
#include "designintf/PropertyEditor.h"

// A form with two widgets and a gauge, designed by a TTestDesigner.
class DesignFixture : public ::testing::Test {
 protected:
  DesignFixture();
  ~DesignFixture() override;

  // The editors that GetComponentProperties gives for components, by property name.
  std::map<std::string, std::unique_ptr<TPropertyEditor>> Editors(
      std::initializer_list<TComponent*> components, TTypeKinds filter = tkAny);
  // The editor of property name; throws (failing the test) when there is none.
  std::unique_ptr<TPropertyEditor> Editor(const std::string& name,
                                          std::initializer_list<TComponent*> components);
  static std::vector<std::string> Values(TPropertyEditor& editor);
  static std::vector<std::unique_ptr<TPropertyEditor>> SubProperties(TPropertyEditor& editor);

  TTestForm* Form = new TTestForm(nullptr);
  TTestWidget* Widget1 = new TTestWidget(Form);
  TTestWidget* Widget2 = new TTestWidget(Form);
  TTestGauge* Gauge1 = new TTestGauge(Form);
  TTestDesigner Designer{Form};
};
