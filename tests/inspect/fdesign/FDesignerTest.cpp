#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ControlTestSupport.h"
#include "InspectTestComponents.h"
#include "controls/DataModule.h"
#include "core/SysUtils.h"
#include "fdesign/FDesigner.h"

using namespace ControlTest;

namespace {
class FDesignerTest : public ::testing::Test, public TFixture {
 protected:
  // A form named name owning gadgets of the given names.
  TForm* FormWith(const std::string& name, std::initializer_list<const char*> gadgets) {
    auto* form = new TForm(Application);
    form->SetName(name);
    for (const char* gadget : gadgets)
      (new TGadget(form))->SetName(gadget);
    return form;
  }
  std::vector<std::string> Names(PTypeInfo type) {
    std::vector<std::string> names;
    Designer.GetComponentNames(type, [&](const std::string& name) { names.push_back(name); });
    return names;
  }

  TFDesigner Designer;
};
}  // namespace

TEST_F(FDesignerTest, UniqueNamesCountFromOneAmongTheRootsComponents) {
  TForm* form = FormWith("Main", {"Button1", "Button3"});
  // Without a root no name is taken.
  EXPECT_EQ(Designer.UniqueName("TButton"), "Button1");
  Designer.SetForm(form);
  EXPECT_EQ(Designer.UniqueName("TButton"), "Button2");
  EXPECT_EQ(Designer.UniqueName("TBUTTON"), "BUTTON2");  // names compare in any letter case
  EXPECT_EQ(Designer.UniqueName("TLabel"), "Label1");
  (new TGadget(form))->SetName("N1");
  EXPECT_EQ(Designer.UniqueName("X"), "1");  // a one-character base leaves an empty stem
  EXPECT_EQ(Designer.UniqueName("TN"), "N2");
  // Names in other forms do not count.
  FormWith("Other", {"Label1"});
  EXPECT_EQ(Designer.UniqueName("TLabel"), "Label1");
  EXPECT_EQ(Designer.GetRoot(), form);
}

TEST_F(FDesignerTest, ComponentNamesAreTheRootsOwnNamedComponentsOfTheClass) {
  EXPECT_TRUE(Names(TGadget::StaticClass()->GetTypeInfo()).empty());  // no root
  TForm* form = FormWith("Main", {"Gadget1", "Gadget2"});
  new TGadget(form);  // without a name
  (new TWidget(form))->SetName("Widget1");
  (new TCaseGadget(form))->SetName("Other1");
  FormWith("Second", {"Gadget9"});
  Designer.SetForm(form);
  EXPECT_EQ(Names(TGadget::StaticClass()->GetTypeInfo()),
            (std::vector<std::string>{"Gadget1", "Gadget2"}));
  EXPECT_EQ(Names(TComponent::StaticClass()->GetTypeInfo()),
            (std::vector<std::string>{"Gadget1", "Gadget2", "Widget1", "Other1"}));
  EXPECT_TRUE(Names(TypeInfo<int32_t>()).empty());
}

TEST_F(FDesignerTest, ComponentsAreFoundInTheRootThenThroughTheScreen) {
  TForm* main = FormWith("Main", {"Gadget1", "Shared"});
  TForm* first = FormWith("Twin", {"Alone"});
  // Two forms of one name cannot share an owner.
  std::unique_ptr<TForm, void (*)(TForm*)> second(new TForm(nullptr),
                                                  [](TForm* form) { form->Free(); });
  second->SetName("Twin");
  (new TGadget(second.get()))->SetName("Gadget1");
  auto* data = new TDataModule(Application);
  data->SetName("Data");
  (new TGadget(data))->SetName("Source");
  Designer.SetForm(main);
  EXPECT_EQ(Designer.GetComponent("Gadget1"), main->FindComponent("Gadget1"));
  EXPECT_EQ(Designer.GetComponent("gadget1"), main->FindComponent("Gadget1"));
  EXPECT_EQ(Designer.GetComponent("Alone"), nullptr);  // plain names only in the root
  // The first form named Twin (in screen order) lacks Gadget1; the search goes on to the second.
  auto screenIndex = [](TCustomForm* form) {
    for (int i = 0; i < Screen->GetFormCount(); ++i)
      if (Screen->GetForm(i) == form) return i;
    return -1;
  };
  ASSERT_LT(screenIndex(first), screenIndex(second.get()));
  EXPECT_EQ(Designer.GetComponent("Twin.Gadget1"), second->FindComponent("Gadget1"));
  EXPECT_EQ(Designer.GetComponent("Twin.Alone"), first->FindComponent("Alone"));
  EXPECT_EQ(Designer.GetComponent("twin.Alone"), nullptr);  // form names compare exactly
  EXPECT_EQ(Designer.GetComponent("Data.Source"), data->FindComponent("Source"));
  EXPECT_EQ(Designer.GetComponent("Main.Nothing"), nullptr);
  EXPECT_EQ(Designer.GetComponent(""), nullptr);
  // A dotted name is not searched in the root.
  EXPECT_EQ(Designer.GetComponent("Main.Shared"), main->FindComponent("Shared"));
  Designer.SetForm(nullptr);
  EXPECT_EQ(Designer.GetComponent("Gadget1"), nullptr);
  EXPECT_EQ(Designer.GetComponent("Main.Gadget1"), main->FindComponent("Gadget1"));
}

TEST_F(FDesignerTest, ComponentNamesAreQualifiedOutsideTheRootAndFoundAgain) {
  TForm* main = FormWith("Main", {"Gadget1"});
  TForm* other = FormWith("Other", {"Gadget2"});
  Designer.SetForm(main);
  EXPECT_EQ(Designer.GetComponentName(main->FindComponent("Gadget1")), "Gadget1");
  TComponent* outside = other->FindComponent("Gadget2");
  EXPECT_EQ(Designer.GetComponentName(outside), "Other.Gadget2");
  EXPECT_EQ(Designer.GetComponent(Designer.GetComponentName(outside)), outside);
  EXPECT_EQ(Designer.GetComponentName(nullptr), "");
  EXPECT_EQ(Designer.GetComponentName(new TGadget(main)), "");  // unnamed
  // Without a (named) owner there is nothing to qualify the name with.
  TGadget loose(nullptr);
  loose.SetName("Loose");
  EXPECT_EQ(Designer.GetComponentName(&loose), "Loose");
  EXPECT_EQ(Designer.GetObjectName(&loose), "Loose");
  EXPECT_EQ(Designer.GetObjectName(loose.GetFrame()), loose.GetFrame()->GetNamePath());
}

TEST_F(FDesignerTest, HandlersAreNamedButNeverMadeAndEverythingElseIsDeclined) {
  TForm* form = FormWith("Main", {});
  TMethod made = Designer.CreateMethod("GadgetChange", TypeInfo<TNotifyEvent>());
  EXPECT_FALSE(made);
  EXPECT_EQ(made.Data, nullptr);
  EXPECT_EQ(Designer.GetMethodName(made), "");
  // A published handler is named by its object's class; unpublished code has no name.
  TGadgetRoot root(nullptr);
  TMethod click = TNotifyEvent(MakeMethod<&TGadgetRoot::GadgetChange>(&root)).GetMethod();
  EXPECT_EQ(Designer.GetMethodName(click), "GadgetChange");
  EXPECT_EQ(Designer.GetMethodName(TMethod{click.Code, nullptr}), "");
  EXPECT_EQ(Designer.GetMethodName(TNotifyEvent(MakeMethod<&TEventLog::Click>(Log)).GetMethod()),
            "");
  EXPECT_FALSE(Designer.MethodExists("GadgetChange"));
  EXPECT_FALSE(Designer.MethodFromAncestor(click));
  EXPECT_EQ(Designer.CreateComponent(TGadget::StaticClass(), form, 0, 0, 10, 10), nullptr);
  EXPECT_EQ(form->GetComponentCount(), 0);
  EXPECT_FALSE(Designer.IsComponentLinkable(form));
  EXPECT_FALSE(Designer.GetIsDormant());
  EXPECT_FALSE(Designer.HasInterface());
  EXPECT_FALSE(Designer.HasInterfaceMember("Foo"));
  EXPECT_EQ(Designer.GetObject("Main"), nullptr);
  TMessage message = MakeMessage(WM_LBUTTONDOWN);
  EXPECT_FALSE(Designer.IsDesignMsg(form, message));
  std::vector<std::string> offered;
  Designer.GetMethods(TypeInfo<TNotifyEvent>(),
                      [&](const std::string& s) { offered.push_back(s); });
  Designer.GetObjectNames(TGadget::StaticClass()->GetTypeInfo(),
                          [&](const std::string& s) { offered.push_back(s); });
  EXPECT_TRUE(offered.empty());
  const std::string directory = Designer.GetPrivateDirectory();
  ASSERT_FALSE(directory.empty());
  EXPECT_EQ(directory.back(), '/');
  EXPECT_EQ(directory, ExtractFilePath(ParamStr(0)));
}
