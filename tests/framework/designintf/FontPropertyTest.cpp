#include <algorithm>
#include <memory>

#include "DesignFixture.h"
#include "core/Module.h"
#include "core/SysUtils.h"
#include "graphics/Font.h"

namespace {
class TLabelled : public TComponent {
  DECLARE_CLASS(TLabelled, TComponent);

 public:
  explicit TLabelled(TComponent* owner) : TComponent(owner) {}
  TFont* GetFont() const { return FFont.get(); }
  void SetFont(TFont* value) { FFont->Assign(value); }

 private:
  std::unique_ptr<TFont> FFont = std::make_unique<TFont>();
};

class FontPropertyTest : public DesignFixture {
 protected:
  static std::unique_ptr<TPropertyEditor> SubProperty(TPropertyEditor& editor,
                                                      const std::string& name) {
    for (auto& sub : SubProperties(editor))
      if (sub->GetName() == name) return std::move(sub);
    return nullptr;
  }

  TLabelled* First = new TLabelled(Form);
  TLabelled* Second = new TLabelled(Form);
};
}  // namespace

IMPLEMENT_CLASS(TLabelled) {
  PROPERTY(Font, GetFont, SetFont);
}

TEST_F(FontPropertyTest, FontsExpandIntoTheirPropertiesAndOfferADialog) {
  auto font = Editor("Font", {First, Second});
  EXPECT_EQ(font->ClassName(), "TFontProperty");
  EXPECT_EQ(font->GetValue(), "(TFont)");
  const TPropertyAttributes attributes = font->GetAttributes();
  EXPECT_TRUE(attributes.Contains(paSubProperties));
  EXPECT_TRUE(attributes.Contains(paDialog));
  EXPECT_TRUE(attributes.Contains(paMultiSelect));

  auto style = SubProperty(*font, "Style");
  ASSERT_NE(style, nullptr);
  EXPECT_EQ(style->GetValue(), "[]");
  style->SetValue("[fsBold,fsItalic]");
  EXPECT_EQ(First->GetFont()->GetStyle(), (TFontStyles{fsBold, fsItalic}));
  EXPECT_EQ(Second->GetFont()->GetStyle(), (TFontStyles{fsBold, fsItalic}));

  auto height = SubProperty(*font, "Height");
  ASSERT_NE(height, nullptr);
  EXPECT_THROW(height->SetValue("tall"), EConvertError);
  height->SetValue("-16");
  EXPECT_EQ(Second->GetFont()->GetHeight(), -16);
}

TEST_F(FontPropertyTest, FontNamesListTheInstalledFamiliesSorted) {
  auto font = Editor("Font", {First});
  auto name = SubProperty(*font, "Name");
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->ClassName(), "TFontNameProperty");
  EXPECT_TRUE(name->GetAttributes().Contains(paValueList));
  EXPECT_TRUE(name->GetAttributes().Contains(paSortList));
  const std::vector<std::string> families = Values(*name);
  // The built-in font is there on every machine.
  EXPECT_NE(std::find(families.begin(), families.end(), "System"), families.end());
  EXPECT_TRUE(std::is_sorted(families.begin(), families.end(),
                             [](const auto& a, const auto& b) { return CompareText(a, b) < 0; }));
  name->SetValue("Liberation Serif");
  EXPECT_EQ(First->GetFont()->GetName(), "Liberation Serif");
  EXPECT_EQ(name->GetValue(), "Liberation Serif");
}
