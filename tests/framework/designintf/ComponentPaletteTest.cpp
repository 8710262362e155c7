#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestComponents.h"
#include "core/ClassRegistry.h"
#include "core/Exception.h"
#include "core/Module.h"
#include "designintf/ComponentList.h"
#include "designintf/ComponentPalette.h"

namespace {
class TPaletteOne : public TComponent {
  DECLARE_CLASS(TPaletteOne, TComponent);

 public:
  using TComponent::TComponent;
};
class TPaletteTwo : public TComponent {
  DECLARE_CLASS(TPaletteTwo, TComponent);

 public:
  using TComponent::TComponent;
};
class TPaletteThree : public TComponent {
  DECLARE_CLASS(TPaletteThree, TComponent);

 public:
  using TComponent::TComponent;
};

std::vector<std::string> PageNames() {
  std::vector<std::string> names;
  for (const TPalettePage& page : GetPalettePages())
    names.push_back(page.Name);
  return names;
}
}  // namespace

IMPLEMENT_CLASS(TPaletteOne) {}
IMPLEMENT_CLASS(TPaletteTwo) {}
IMPLEMENT_CLASS(TPaletteThree) {}

TEST(ComponentPaletteTest, PagesAndClassesKeepTheirRegistrationOrder) {
  const TClass one = TPaletteOne::StaticClass();
  const TClass two = TPaletteTwo::StaticClass();
  const TClass three = TPaletteThree::StaticClass();
  const size_t before = GetPalettePages().size();
  RegisterComponents("Palette Test", {two, one});
  RegisterComponents("Second Test", {three});
  RegisterComponents("palette test", {one, two});  // the same page, nothing twice
  ASSERT_EQ(GetPalettePages().size(), before + 2);
  const TPalettePage& first = GetPalettePages()[before];
  EXPECT_EQ(first.Name, "Palette Test");
  EXPECT_EQ(first.Classes, (std::vector<TClass>{two, one}));
  EXPECT_EQ(GetPalettePages()[before + 1].Classes, (std::vector<TClass>{three}));
  EXPECT_EQ(FindPalettePage(three), &GetPalettePages()[before + 1]);
  // Form files can name what is on the palette.
  EXPECT_EQ(GetClass("TPaletteTwo"), two);
  // A package that goes away takes its classes off; empty pages go with them.
  UnregisterComponents({three, one});
  EXPECT_EQ(FindPalettePage(three), nullptr);
  EXPECT_EQ(PageNames().back(), "Palette Test");
  EXPECT_EQ(GetPalettePages().back().Classes, (std::vector<TClass>{two}));
  UnregisterComponents({two});
  EXPECT_EQ(GetPalettePages().size(), before);
}

TEST(ComponentPaletteTest, BadRegistrationsChangeNothing) {
  const size_t before = GetPalettePages().size();
  EXPECT_THROW(RegisterComponents("", {TPaletteOne::StaticClass()}), EComponentError);
  EXPECT_THROW(RegisterComponents("Bad", {TPaletteOne::StaticClass(), nullptr}), EComponentError);
  try {
    RegisterComponents("Bad", {TPaletteOne::StaticClass(), TTestBorder::StaticClass()});
    FAIL() << "no error";
  } catch (const EComponentError& e) {
    EXPECT_EQ(e.GetMessage(), "TTestBorder is not a component and cannot go on palette page Bad");
  }
  EXPECT_EQ(GetPalettePages().size(), before);
  EXPECT_EQ(FindPalettePage(TPaletteOne::StaticClass()), nullptr);
}

TEST(ComponentListTest, FindsDeletesAndRemovesItems) {
  TComponent a(nullptr), b(nullptr);
  TComponentList list;
  list.Add(&a);
  list.Add(&b);
  list.Add(&a);
  EXPECT_EQ(list.IndexOf(&a), 0);
  EXPECT_EQ(list.IndexOf(nullptr), -1);
  EXPECT_EQ(list.Remove(&a), 0);  // the first occurrence only
  EXPECT_EQ(list.GetCount(), 2);
  EXPECT_EQ(list.IndexOf(&a), 1);
  EXPECT_EQ(list.Remove(&a), 1);
  EXPECT_EQ(list.Remove(&a), -1);
  try {
    list.Delete(3);
    FAIL() << "no error";
  } catch (const EListError& e) {
    EXPECT_EQ(e.GetMessage(), "List index out of bounds (3)");
  }
  list.Delete(0);
  EXPECT_EQ(list.GetCount(), 0);
}
