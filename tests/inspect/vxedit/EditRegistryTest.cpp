#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "InspectTestComponents.h"
#include "controls/CustomControl.h"
#include "core/ClassRegistry.h"
#include "core/Module.h"
#include "designintf/ComponentList.h"
#include "designintf/ComponentProperties.h"
#include "designintf/PropertyEditor.h"
#include "designintf/SetProperty.h"
#include "fdesign/FDesigner.h"
#include "graphics/Bitmap.h"
#include "rtti/PropInfo.h"
#include "vxedit/CheckEdit.h"
#include "vxedit/ColorEdit.h"
#include "vxedit/DummyPopup.h"
#include "vxedit/EditRegistry.h"
#include "vxedit/EditSource.h"
#include "vxedit/PopupColorBox.h"
#include "vxedit/PopupListBox.h"
#include "vxedit/VxEditUnit.h"
#include "vxedit/VxSimpleEdit.h"

// The registries are process-wide and only grow: every registration below names a component
// class of these tests, so that other tests' rows keep the defaults.
namespace {
class TRegistryGadget : public TGadget {
  DECLARE_CLASS(TRegistryGadget, TGadget);

 public:
  using TGadget::TGadget;
};

class TFirstEdit : public TCustomControl {
  DECLARE_CLASS(TFirstEdit, TCustomControl);

 public:
  using TCustomControl::TCustomControl;
};

class TSecondEdit : public TCustomControl {
  DECLARE_CLASS(TSecondEdit, TCustomControl);

 public:
  using TCustomControl::TCustomControl;
};

class TTestSource : public TDummyEditSource {
  DECLARE_CLASS(TTestSource, TDummyEditSource);

 public:
  using TDummyEditSource::TDummyEditSource;
};

class EditRegistryTest : public ::testing::Test {
 protected:
  // The editors the framework gives for component's properties, by name, with the elements of
  // the Sides set as "Sides.gsLeft" and so on.
  std::map<std::string, std::unique_ptr<TPropertyEditor>> EditorsOf(TComponent* component) {
    std::map<std::string, std::unique_ptr<TPropertyEditor>> editors;
    TComponentList list;
    list.Add(component);
    GetComponentProperties(list, tkAny, &Designer, [&](std::unique_ptr<TPropertyEditor> editor) {
      const std::string name = editor->GetName();
      if (name == "Sides")
        editor->GetProperties([&](std::unique_ptr<TPropertyEditor> element) {
          editors["Sides." + element->GetName()] = std::move(element);
        });
      editors[name] = std::move(editor);
    });
    return editors;
  }

  TFDesigner Designer;
};
}  // namespace

IMPLEMENT_CLASS(TRegistryGadget) {}
IMPLEMENT_CLASS(TFirstEdit) {}
IMPLEMENT_CLASS(TSecondEdit) {}
IMPLEMENT_CLASS(TTestSource) {}

TEST_F(EditRegistryTest, StartUpRegistersTheDefaultsInOrder) {
  ASSERT_GE(GetPopupClasses().size(), 3u);
  const std::vector<std::pair<PTypeInfo, TClass>> popups = {
      {TypeInfo<std::string>(), TPopupListBox::StaticClass()},
      {TypeInfo<TColor>(), TPopupColorBox::StaticClass()},
      {TypeInfo<bool>(), nullptr}};
  for (size_t i = 0; i < popups.size(); ++i) {
    EXPECT_EQ(GetPopupClasses()[i]->PropertyType, popups[i].first) << i;
    EXPECT_EQ(GetPopupClasses()[i]->ControlClass, popups[i].second) << i;
    EXPECT_EQ(GetPopupClasses()[i]->ComponentClass, nullptr) << i;
    EXPECT_EQ(GetPopupClasses()[i]->PropertyName, "") << i;
  }
  ASSERT_GE(GetEditClasses().size(), 2u);
  EXPECT_EQ(GetEditClasses()[0]->PropertyType, TypeInfo<TColor>());
  EXPECT_EQ(GetEditClasses()[0]->ControlClass, TColorEdit::StaticClass());
  EXPECT_EQ(GetEditClasses()[1]->PropertyType, TypeInfo<bool>());
  EXPECT_EQ(GetEditClasses()[1]->ControlClass, TCheckEdit::StaticClass());
  TGadget gadget(nullptr);
  auto editors = EditorsOf(&gadget);
  for (const char* name : {"Label", "Count", "Shape", "Caption", "Frame"}) {
    EXPECT_EQ(GetPopupClass(editors.at(name).get()), TPopupListBox::StaticClass()) << name;
    EXPECT_EQ(GetEditClass(editors.at(name).get()), TVxSimpleEdit::StaticClass()) << name;
  }
  EXPECT_EQ(GetPopupClass(editors.at("Color").get()), TPopupColorBox::StaticClass());
  EXPECT_EQ(GetEditClass(editors.at("Color").get()), TColorEdit::StaticClass());
  for (const char* name : {"Enabled", "Sides.gsTop"}) {
    EXPECT_EQ(GetPopupClass(editors.at(name).get()), nullptr) << name;
    EXPECT_EQ(GetEditClass(editors.at(name).get()), TCheckEdit::StaticClass()) << name;
  }
  // A set element is matched as a Boolean.
  EXPECT_EQ(GetPropType(editors.at("Sides.gsTop").get()), TypeInfo<bool>());
  EXPECT_EQ(GetPropType(editors.at("Sides").get()), TypeInfo<TGadgetSides>());
  EXPECT_EQ(GetPopupClass(nullptr), TPopupListBox::StaticClass());
  // The defaults are known by name to the class registry; only the list is a popup entry.
  EXPECT_EQ(GetClass("TVxSimpleEdit"), TVxSimpleEdit::StaticClass());
  EXPECT_EQ(GetClass("TDummyEditSource"), TDummyEditSource::StaticClass());
  EXPECT_EQ(GetClass("TDummyPopup"), TDummyPopup::StaticClass());
  EXPECT_EQ(FindPopupClassByName("TPopupListBox"), TPopupListBox::StaticClass());
  EXPECT_EQ(FindEditClassByName("TVxSimpleEdit"), nullptr);
  EXPECT_EQ(FindEditSourceByName("TDummyEditSource"), nullptr);
  EXPECT_EQ(FindPopupClassByName("TNoSuchPopup"), nullptr);
}

TEST_F(EditRegistryTest, TheNewestMatchingEntryWinsByTypeComponentAndExactName) {
  const TClass gadgetClass = TRegistryGadget::StaticClass();
  RegisterEditClass(TypeInfo<int32_t>(), gadgetClass, "", TFirstEdit::StaticClass());
  RegisterEditClass(TypeInfo<int32_t>(), gadgetClass, "", TSecondEdit::StaticClass());
  RegisterEditClass(TypeInfo<std::string>(), gadgetClass, "", TFirstEdit::StaticClass());
  RegisterEditClass(nullptr, gadgetClass, "Color", TFirstEdit::StaticClass());
  RegisterEditClass(TypeInfo<bool>(), gadgetClass, "", TSecondEdit::StaticClass());
  RegisterPopupClass(TypeInfo<TGadgetShape>(), gadgetClass, "", nullptr);
  TRegistryGadget special(nullptr);
  auto editors = EditorsOf(&special);
  EXPECT_EQ(GetEditClass(editors.at("Count").get()), TSecondEdit::StaticClass());
  // A named string type is not the plain string type.
  EXPECT_EQ(GetEditClass(editors.at("Label").get()), TFirstEdit::StaticClass());
  EXPECT_EQ(GetEditClass(editors.at("Caption").get()), TVxSimpleEdit::StaticClass());
  EXPECT_EQ(GetEditClass(editors.at("Color").get()), TFirstEdit::StaticClass());
  // An entry for a component class never matches a set element, which has no component.
  EXPECT_EQ(GetEditClass(editors.at("Enabled").get()), TSecondEdit::StaticClass());
  EXPECT_EQ(GetEditClass(editors.at("Sides.gsLeft").get()), TCheckEdit::StaticClass());
  // A matching entry without a class means no popup.
  EXPECT_EQ(GetPopupClass(editors.at("Shape").get()), nullptr);
  // Components of other classes keep the defaults.
  TGadget plain(nullptr);
  auto plainEditors = EditorsOf(&plain);
  EXPECT_EQ(GetEditClass(plainEditors.at("Count").get()), TVxSimpleEdit::StaticClass());
  EXPECT_EQ(GetPopupClass(plainEditors.at("Shape").get()), TPopupListBox::StaticClass());
  EXPECT_EQ(FindEditClassByName("TSecondEdit"), TSecondEdit::StaticClass());
  EXPECT_EQ(FindPopupClassByName("TSecondEdit"), nullptr);
}

TEST_F(EditRegistryTest, PropertyNamesMatchWithTheirLetterCase) {
  RegisterEditClass(nullptr, TCaseGadget::StaticClass(), "Color", TFirstEdit::StaticClass());
  TCaseGadget gadget(nullptr);
  TComponentList list;
  list.Add(&gadget);
  std::map<std::string, TClass> classes;
  GetComponentProperties(list, tkAny, &Designer, [&](std::unique_ptr<TPropertyEditor> editor) {
    classes[editor->GetName()] = GetEditClass(editor.get());
  });
  // The entry for "Color" does not match; the colour default does.
  EXPECT_EQ(classes.at("color"), TColorEdit::StaticClass());
}

TEST_F(EditRegistryTest, EditSourcesAreListedAndCheckedByName) {
  const size_t before = GetEditSources().size();
  RegisterEditSource(TTestSource::StaticClass());
  ASSERT_EQ(GetEditSources().size(), before + 1);
  EXPECT_EQ(GetEditSources().back(), TTestSource::StaticClass());
  EXPECT_EQ(FindEditSourceByName("ttestsource"), TTestSource::StaticClass());
  EXPECT_THROW(RegisterEditSource(nullptr), EInvalidOperation);
  EXPECT_THROW(RegisterEditClass(nullptr, nullptr, "", nullptr), EInvalidOperation);
  EXPECT_EQ(GetEditSources().size(), before + 1);
  // The default source keeps the text it is given.
  TDummyEditSource source(nullptr);
  source.SetSourceText("clRed");
  EXPECT_EQ(source.GetSourceText(), "clRed");
  std::vector<std::string> published;
  for (PPropInfo info : GetPropList(TDummyEditSource::StaticClass()))
    published.push_back(info->GetName());
  EXPECT_EQ(published, (std::vector<std::string>{"Name", "Tag"}));
}

TEST_F(EditRegistryTest, ButtonGlyphsAreLoadedFromThePackage) {
  // '#' black, '.' white; white is the bottom-left pixel and so the transparent colour.
  auto picture = [](TBitmap* bitmap) {
    std::vector<std::string> rows;
    for (int y = 0; y < bitmap->GetHeight(); ++y) {
      std::string row;
      for (int x = 0; x < bitmap->GetWidth(); ++x)
        row += bitmap->GetCanvas()->GetPixel(x, y) == clBlack ? '#' : '.';
      rows.push_back(row);
    }
    return rows;
  };
  ASSERT_NE(GetDropDownGlyph(), nullptr);
  EXPECT_EQ(picture(GetDropDownGlyph()),
            (std::vector<std::string>{".......", "#######", ".#####.", "..###..", "...#..."}));
  EXPECT_EQ(GetDropDownGlyph()->GetPixelFormat(), pf4bit);
  ASSERT_NE(GetDotsGlyph(), nullptr);
  EXPECT_EQ(picture(GetDotsGlyph()), (std::vector<std::string>{".##.##.##.", ".##.##.##."}));
  EXPECT_EQ(GetDotsGlyph()->GetTransparentColor(), clWhite);
  // The palette pictures of the package's components.
  for (const char* name : {"TOBJECTINSPECTOR", "TVXEDIT"}) {
    TBitmap bitmap;
    bitmap.LoadFromResourceName(*TPopupListBox::StaticClass()->GetModule(), name);
    EXPECT_EQ(bitmap.GetWidth(), 24) << name;
    EXPECT_EQ(bitmap.GetHeight(), 24) << name;
  }
}
