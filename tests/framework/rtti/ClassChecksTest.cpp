#include <gtest/gtest.h>

#include <string>

#include "core/Method.h"
#include "rtti/ParamText.h"
#include "rtti/TypeInfo.h"

namespace {
enum TFixed : uint8_t { fxA, fxB, fxC };
enum class TScoped { One, Two };
enum TLoose { lsA, lsB, lsC, lsD, lsE };
enum TGapped : int16_t { gpA, gpB, gpFar = 200 };

DECLARE_EVENT(TDerivedEvent,
              bool(TObject* Sender, const std::string& Name, int& Count, TObject*& Target));
}  // namespace

TEST(ClassChecksTest, EnumerationValuesAreKnownToHaveNamesOrNot) {
  EXPECT_TRUE(Detail::IsNamedEnumValue<fxC>());
  EXPECT_FALSE(Detail::IsNamedEnumValue<static_cast<TFixed>(3)>());
  EXPECT_TRUE(Detail::IsNamedEnumValue<TScoped::Two>());
  EXPECT_FALSE(Detail::IsNamedEnumValue<static_cast<TScoped>(2)>());
  // Many values are checked at once: any name among casts is found, negative casts are none.
  EXPECT_FALSE((Detail::NoValueNamed<static_cast<TFixed>(7), fxA, static_cast<TFixed>(9)>()));
  EXPECT_TRUE((Detail::NoValueNamed<static_cast<TScoped>(5), static_cast<TScoped>(-1)>()));
  // A list of three names covers TFixed; a shorter one does not.
  EXPECT_TRUE((Detail::NoValueNamedFrom<TFixed, 3>()));
  EXPECT_FALSE((Detail::NoValueNamedFrom<TFixed, 2>()));
  EXPECT_FALSE((Detail::NoValueNamedFrom<TLoose, 3>()));
  EXPECT_TRUE((Detail::NoValueNamedFrom<TLoose, 5>()));
  // A named value well beyond the listed ones (up to 255 further) is found too.
  EXPECT_FALSE((Detail::NoValueNamedFrom<TGapped, 2>()));
}

TEST(ClassChecksTest, ParameterTextsAgreeWithSignatures) {
  using Detail::EventParamsAgree;
  EXPECT_TRUE(
      EventParamsAgree("void(TObject* Sender, int& Count)", "Sender: TObject; var Count: Integer"));
  EXPECT_TRUE(EventParamsAgree("void(TObject* Sender, bool& A, bool& B)",
                               "Sender: TObject; var A, B: Boolean"));
  EXPECT_TRUE(EventParamsAgree("void(TObject* sender, const std::string& name)",
                               "Sender: TObject; const Name: string"));
  EXPECT_TRUE(
      EventParamsAgree("void(TObject* Sender, int& Count)", "Sender: TObject; out Count: Integer"));
  EXPECT_TRUE(EventParamsAgree("void()", ""));
  // A value passed by value or const reference may be a plain or const parameter.
  EXPECT_TRUE(EventParamsAgree("void(const std::string& Text)", "Text: String"));
  // Templates and other namespaces have no name to check; the rest still is.
  EXPECT_TRUE(EventParamsAgree("void(TSet<TAlign> Sides)", "Sides: TAligns"));
  EXPECT_FALSE(EventParamsAgree("void(TSet<TAlign> Sides)", "Edges: TAligns"));

  EXPECT_FALSE(EventParamsAgree("void(TObject* Sender, int& Count)", "Sender: TObject"));
  EXPECT_FALSE(
      EventParamsAgree("void(TObject* Sender, int& Count)", "Sender: TObject; Count: Integer"));
  EXPECT_FALSE(
      EventParamsAgree("void(TObject* Sender, int Count)", "Sender: TObject; var Count: Integer"));
  EXPECT_FALSE(
      EventParamsAgree("void(TObject* Sender, int& Count)", "Sender: TObject; var Count: Boolean"));
  EXPECT_FALSE(
      EventParamsAgree("void(TObject* Sender, int& Count)", "Sender: TObject; var Total: Integer"));
  EXPECT_FALSE(EventParamsAgree("void(TComponent* Sender)", "Sender: TObject"));
  // Without a text, every parameter needs a name and a known type.
  EXPECT_TRUE(EventParamsAgree("void(TObject* Sender, char& Key)"));
  EXPECT_FALSE(EventParamsAgree("void(TObject*, char& Key)"));
  EXPECT_FALSE(EventParamsAgree("void(TObject* Sender, std::vector<int> Items)"));
}

TEST(ClassChecksTest, TheParameterTextIsDerivedFromTheSignature) {
  EXPECT_EQ(Detail::EventParamText("void(TObject* Sender, int& Count)"),
            "Sender: TObject; var Count: Integer");
  PTypeInfo info = TypeInfo<TDerivedEvent>();
  EXPECT_EQ(info->MethodKind, mkFunction);
  EXPECT_EQ(info->ResultType, "Boolean");
  ASSERT_EQ(info->ParamList.size(), 4u);
  EXPECT_EQ(info->ParamList[0].Name, "Sender");
  EXPECT_EQ(info->ParamList[0].TypeName, "TObject");
  EXPECT_TRUE(info->ParamList[1].Flags.Contains(pfConst));
  EXPECT_EQ(info->ParamList[1].TypeName, "String");
  EXPECT_TRUE(info->ParamList[2].Flags.Contains(pfVar));
  EXPECT_EQ(info->ParamList[2].TypeName, "Integer");
  EXPECT_TRUE(info->ParamList[3].Flags.Contains(pfVar));
  EXPECT_EQ(info->ParamList[3].TypeName, "TObject");
  EXPECT_EQ(TypeInfo<TNotifyEvent>()->ParamList[0].TypeName, "TObject");
}
