#include "platform/ui/StringTable.h"

#include <gtest/gtest.h>

// The resources library registers its tables without being referenced.
TEST(StringTable, ResourcesRegisterTheProgramsTexts) {
    EXPECT_EQ(LoadStringResource(61297), L"信息提示");
    EXPECT_EQ(LoadStringResource(61582), L"\n按'A'键存储点\n按'B'键两次查看存储的坐标");
    CString text = L"x";
    EXPECT_FALSE(LoadString(text, 1));
    EXPECT_TRUE(text.IsEmpty());
}
