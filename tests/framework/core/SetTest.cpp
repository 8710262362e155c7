#include <gtest/gtest.h>

#include "rtti/TypeInfo.h"

TEST(SetTest, KindsHaveThePlatformValues) {
  EXPECT_EQ(tkProperties.Bits(), 65279u);
  TTypeKinds withoutInterface = tkProperties - TTypeKinds{tkInterface};
  EXPECT_EQ(withoutInterface.Bits(), 0x7EFFu);
}
