#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "InspectTestComponents.h"
#include "VxEditTestSupport.h"
#include "designintf/ClassProperty.h"
#include "designintf/ComponentList.h"
#include "designintf/ComponentPalette.h"
#include "designintf/ComponentProperties.h"
#include "designintf/PropertyEditorRegistry.h"
#include "fdesign/FDesigner.h"
#include "platform/InspectPackage.h"
#include "rtti/PropInfo.h"
#include "vxedit/CheckEdit.h"
#include "vxedit/ColorEdit.h"
#include "vxedit/EditRegistry.h"
#include "vxedit/PopupColorBox.h"
#include "vxedit/VxEditPropertyEditors.h"
#include "vxedit/VxSimpleEdit.h"

using namespace VxEditTest;

namespace {
// Another package's components and editors: registrations name this component class so that
// other tests' rows keep the defaults.
class TLaterGadget : public TGadget {
  DECLARE_CLASS(TLaterGadget, TGadget);

 public:
  using TGadget::TGadget;
};

class TLaterColorEdit : public TColorEdit {
  DECLARE_CLASS(TLaterColorEdit, TColorEdit);

 public:
  using TColorEdit::TColorEdit;
};

class TLaterSource : public TDummyEditSource {
  DECLARE_CLASS(TLaterSource, TDummyEditSource);

 public:
  using TDummyEditSource::TDummyEditSource;
};

// Counts the changes property editors report.
class TCountingDesigner : public TFDesigner {
  DECLARE_CLASS(TCountingDesigner, TFDesigner);

 public:
  TCountingDesigner() = default;
  void Modified() override { ++Changes; }
  int Changes = 0;
};

using TEditors = std::map<std::string, std::unique_ptr<TPropertyEditor>>;

// The editors the framework gives for component's properties, by name.
TEditors EditorsOf(TComponent* component, TFormDesigner* designer) {
  TEditors editors;
  TComponentList list;
  list.Add(component);
  GetComponentProperties(list, tkAny, designer, [&](std::unique_ptr<TPropertyEditor> editor) {
    editors[editor->GetName()] = std::move(editor);
  });
  return editors;
}

std::vector<std::string> ValuesOf(TPropertyEditor* editor) {
  std::vector<std::string> values;
  editor->GetValues([&](const std::string& value) { values.push_back(value); });
  return values;
}

class VxEditRegistrationTest : public ::testing::Test, public TVxEditFixture {
 protected:
  void SetUp() override { RegisterInspectPackage(); }

  TCountingDesigner Designer;
};
}  // namespace

IMPLEMENT_CLASS(TLaterGadget) {}
IMPLEMENT_CLASS(TLaterColorEdit) {}
IMPLEMENT_CLASS(TLaterSource) {}
IMPLEMENT_CLASS(TCountingDesigner) {}

TEST_F(VxEditRegistrationTest, ALaterPackagesRegistrationWinsOverTheDefaults) {
  RegisterEditClass(TypeInfo<TColor>(), TLaterGadget::StaticClass(), "",
                    TLaterColorEdit::StaticClass());
  RegisterPopupClass(TypeInfo<TColor>(), TLaterGadget::StaticClass(), "", nullptr);
  TLaterGadget later(nullptr);
  TEditors editors = EditorsOf(&later, &Designer);
  EXPECT_EQ(GetEditClass(editors.at("Color").get()), TLaterColorEdit::StaticClass());
  EXPECT_EQ(GetPopupClass(editors.at("Color").get()), nullptr);
  // The composite takes the newer class by name, and the inspector paints with it.
  Edit->SetEditClass("TLaterColorEdit");
  EXPECT_EQ(Edit->GetEditorClass(), TLaterColorEdit::StaticClass());
  TGadget plain(nullptr);
  EXPECT_EQ(GetEditClass(EditorsOf(&plain, &Designer).at("Color").get()),
            TColorEdit::StaticClass());
}

TEST_F(VxEditRegistrationTest, PutsTheEditOnThePaletteWithItsDesignTimeEditors) {
  const TPalettePage* page = FindPalettePage(TVxEdit::StaticClass());
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(page->Name, "Vellmark");
  RegisterInspectPackage();  // again: nothing new
  EXPECT_EQ(FindPalettePage(TVxEdit::StaticClass())->Classes.size(), 2u);
  const std::map<std::string, TClass> expected = {
      {"PopupWindow", TClassProperty::StaticClass()},
      {"EditSource", TClassProperty::StaticClass()},
      {"Edit", TClassProperty::StaticClass()},
      {"PopupWindowClass", TPopupClassNameEditor::StaticClass()},
      {"EditSourceClass", TEditSourceTypeEditor::StaticClass()},
      {"EditClass", TEditClassEditor::StaticClass()}};
  for (const auto& [name, editorClass] : expected)
    EXPECT_EQ(GetEditorClass(GetPropInfo(Edit, name), Edit), editorClass) << name;
  // Other string properties keep the framework's editors.
  EXPECT_NE(GetEditorClass(GetPropInfo(Edit, "Text"), Edit), TEditClassEditor::StaticClass());
}

TEST_F(VxEditRegistrationTest, ClassNameEditorsOfferTheRegisteredClassesInOrder) {
  TEditors editors = EditorsOf(Edit, &Designer);
  TPropertyEditor* popup = editors.at("PopupWindowClass").get();
  TPropertyEditor* source = editors.at("EditSourceClass").get();
  TPropertyEditor* edit = editors.at("EditClass").get();
  for (TPropertyEditor* editor : {popup, source, edit})
    EXPECT_EQ(editor->GetAttributes(), TPropertyAttributes{paValueList});

  // The defaults lead the lists; entries without a class (no popup) are left out.
  const std::vector<std::string> popups = ValuesOf(popup);
  ASSERT_GE(popups.size(), 2u);
  EXPECT_EQ(popups[0], "TPopupListBox");
  EXPECT_EQ(popups[1], "TPopupColorBox");
  std::vector<std::string> expectedPopups;
  for (const auto& entry : GetPopupClasses())
    if (entry->ControlClass) expectedPopups.push_back(entry->ControlClass->ClassName());
  EXPECT_EQ(popups, expectedPopups);
  EXPECT_LT(popups.size(), GetPopupClasses().size());

  const std::vector<std::string> edits = ValuesOf(edit);
  ASSERT_GE(edits.size(), 2u);
  EXPECT_EQ(edits[0], "TColorEdit");
  EXPECT_EQ(edits[1], "TCheckEdit");
  EXPECT_EQ(edits.size(), GetEditClasses().size());

  // Edit sources are listed once a package registers them; a class registered twice shows
  // twice.
  const std::vector<std::string> sources = ValuesOf(source);
  EXPECT_EQ(sources.size(), GetEditSources().size());
  RegisterEditSource(TLaterSource::StaticClass());
  RegisterEditSource(TLaterSource::StaticClass());
  std::vector<std::string> more = sources;
  more.insert(more.end(), {"TLaterSource", "TLaterSource"});
  EXPECT_EQ(ValuesOf(source), more);
}

TEST_F(VxEditRegistrationTest, ClassNameEditorsBuildTheChosenPartAndTellTheDesigner) {
  TEditors editors = EditorsOf(Edit, &Designer);
  editors.at("EditClass")->SetValue("TCheckEdit");
  EXPECT_EQ(Edit->GetEditorClass(), TCheckEdit::StaticClass());
  EXPECT_EQ(editors.at("EditClass")->GetValue(), "TCheckEdit");
  EXPECT_EQ(Designer.Changes, 1);
  editors.at("PopupWindowClass")->SetValue("TPopupColorBox");
  EXPECT_EQ(Edit->GetPopup(), TPopupColorBox::StaticClass());
  EXPECT_EQ(editors.at("PopupWindowClass")->GetValue(), "TPopupColorBox");
  RegisterEditSource(TLaterSource::StaticClass());
  editors.at("EditSourceClass")->SetValue("TLaterSource");
  EXPECT_EQ(Edit->GetEditSource()->ClassType(), TLaterSource::StaticClass());
  EXPECT_EQ(editors.at("EditSourceClass")->GetValue(), "TLaterSource");
  EXPECT_EQ(Designer.Changes, 3);
  // A typed name no registry holds is kept, and the composite falls back to its default.
  editors.at("EditClass")->SetValue("TNoSuchEdit");
  EXPECT_EQ(editors.at("EditClass")->GetValue(), "TNoSuchEdit");
  EXPECT_EQ(Edit->GetEditorClass(), TVxSimpleEdit::StaticClass());
  EXPECT_EQ(Designer.Changes, 4);
}
