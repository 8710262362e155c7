#include <gtest/gtest.h>

#include "core/Exception.h"
#include "core/Method.h"
#include "graphics/Color.h"
#include "graphics/Cursor.h"
#include "rtti/TypeInfo.h"

// Type information is published in the namespace of its type.
namespace {
enum TFruit : uint8_t { frApple, frPear, frPlum };
PUBLISHED_ENUM(TFruit, frApple, frPear, frPlum)
using TFruits = TSet<TFruit>;
PUBLISHED_SET(TFruits, TFruit)
DECLARE_STRING_TYPE(TLabelText)
}  // namespace

TEST(TypeInfoTest, KindsKeepThePlatformsOrdinalsAndFilterValues) {
  EXPECT_EQ(static_cast<int>(tkUnknown), 0);
  EXPECT_EQ(static_cast<int>(tkMethod), 8);
  EXPECT_EQ(static_cast<int>(tkInterface), 15);
  EXPECT_EQ(tkProperties.Bits(), 65279u);
  EXPECT_EQ((tkProperties - TTypeKinds{tkInterface}).Bits(), 0x7EFFu);
  EXPECT_EQ(tkMethods.Bits(), 0x0100u);
}

TEST(TypeInfoTest, FundamentalTypesHaveKindsNamesAndRanges) {
  EXPECT_EQ(TypeInfo<int32_t>()->Kind, tkInteger);
  EXPECT_EQ(TypeInfo<int32_t>()->Name, "Integer");
  EXPECT_EQ(TypeInfo<int32_t>()->MinValue, INT32_MIN);
  EXPECT_EQ(TypeInfo<uint8_t>()->MaxValue, 255);
  EXPECT_EQ(TypeInfo<int16_t>()->OrdType, otSWord);
  EXPECT_EQ(TypeInfo<char>()->Kind, tkChar);
  EXPECT_EQ(TypeInfo<double>()->Kind, tkFloat);
  EXPECT_EQ(TypeInfo<std::string>()->Kind, tkLString);

  PTypeInfo boolean = TypeInfo<bool>();
  EXPECT_EQ(boolean->Kind, tkEnumeration);
  EXPECT_EQ(boolean->Name, "Boolean");
  EXPECT_EQ(GetEnumName(boolean, 0), "False");
  EXPECT_EQ(GetEnumName(boolean, 1), "True");
}

TEST(TypeInfoTest, DistinctNamedTypesHaveTheirOwnTypeInformation) {
  EXPECT_NE(TypeInfo<TColor>(), TypeInfo<int32_t>());
  EXPECT_EQ(TypeInfo<TColor>()->Kind, tkInteger);
  EXPECT_EQ(TypeInfo<TColor>()->Name, "TColor");
  EXPECT_NE(TypeInfo<TCursor>(), TypeInfo<int16_t>());
  EXPECT_EQ(TypeInfo<TCursor>()->MinValue, INT16_MIN);
  EXPECT_NE(TypeInfo<TLabelText>(), TypeInfo<std::string>());
  EXPECT_EQ(TypeInfo<TLabelText>()->Kind, tkLString);
  EXPECT_EQ(TypeInfo<TLabelText>()->Name, "TLabelText");
  // The same type always answers with the same information.
  EXPECT_EQ(TypeInfo<TColor>(), TypeInfo<TColor>());
}

TEST(TypeInfoTest, EnumerationNamesAndValues) {
  PTypeInfo fruit = TypeInfo<TFruit>();
  EXPECT_EQ(fruit->Kind, tkEnumeration);
  EXPECT_EQ(fruit->MaxValue, 2);
  EXPECT_EQ(GetEnumName(fruit, 1), "frPear");
  EXPECT_EQ(GetEnumName(fruit, 3), "");
  EXPECT_EQ(GetEnumValue(fruit, "frplum"), 2);
  EXPECT_EQ(GetEnumValue(fruit, "frBanana"), -1);
  EXPECT_EQ(GetEnumName(TypeInfo<int32_t>(), -7), "-7");
}

TEST(TypeInfoTest, SetsConvertToTextAndBack) {
  PTypeInfo fruits = TypeInfo<TFruits>();
  EXPECT_EQ(fruits->Kind, tkSet);
  EXPECT_EQ(fruits->CompType, TypeInfo<TFruit>());
  const TFruits some{frApple, frPlum};
  EXPECT_EQ(SetToString(fruits, some.Bits()), "frApple,frPlum");
  EXPECT_EQ(SetToString(fruits, some.Bits(), true), "[frApple,frPlum]");
  EXPECT_EQ(SetToString(fruits, 0, true), "[]");
  EXPECT_EQ(StringToSet(fruits, "[frPlum, frapple]"), some.Bits());
  EXPECT_EQ(StringToSet(fruits, "frPear"), TFruits{frPear}.Bits());
  EXPECT_EQ(StringToSet(fruits, "[]"), 0u);
  EXPECT_THROW(StringToSet(fruits, "[frApple,frKiwi]"), EPropertyError);
  EXPECT_THROW(StringToSet(fruits, "[frApple"), EPropertyError);
}

TEST(TypeInfoTest, SetOperationsFollowTheBitLayout) {
  TFruits a{frApple};
  a.Include(frPear);
  EXPECT_EQ(a.Bits(), 0b011u);
  EXPECT_TRUE(a.Contains(frPear));
  EXPECT_FALSE(a.Contains(frPlum));
  EXPECT_EQ((a - TFruits{frApple}).Bits(), 0b010u);
  EXPECT_EQ((a * TFruits{frPear, frPlum}), TFruits{frPear});
  EXPECT_TRUE(TFruits{frPear}.IsSubsetOf(a));
  EXPECT_FALSE(TFruits{frPlum}.IsSubsetOf(a));
}

TEST(TypeInfoTest, MethodTypesDescribeTheirParameters) {
  PTypeInfo notify = TypeInfo<TNotifyEvent>();
  EXPECT_EQ(notify->Kind, tkMethod);
  EXPECT_EQ(notify->MethodKind, mkProcedure);
  ASSERT_EQ(notify->ParamList.size(), 1u);
  EXPECT_EQ(notify->ParamList[0].Name, "Sender");
  EXPECT_EQ(notify->ParamList[0].TypeName, "TObject");
}

namespace {
DECLARE_EVENT(TShowEvent, bool(TObject* Sender, const std::string& PropName, bool& A, bool& B),
              "Sender: TObject; const PropName: String; var A, B: Boolean");
}

TEST(TypeInfoTest, MethodTypesKeepModifiersAndResult) {
  PTypeInfo show = TypeInfo<TShowEvent>();
  EXPECT_EQ(show->MethodKind, mkFunction);
  EXPECT_EQ(show->ResultType, "Boolean");
  ASSERT_EQ(show->ParamList.size(), 4u);
  EXPECT_TRUE(show->ParamList[1].Flags.Contains(pfConst));
  EXPECT_EQ(show->ParamList[1].TypeName, "String");
  EXPECT_TRUE(show->ParamList[2].Flags.Contains(pfVar));
  EXPECT_EQ(show->ParamList[3].Name, "B");
  EXPECT_EQ(show->ParamList[3].TypeName, "Boolean");
  EXPECT_NE(show, TypeInfo<TNotifyEvent>());
}
