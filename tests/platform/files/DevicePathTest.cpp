#include "platform/files/DevicePath.h"

#include "tests/platform/files/DeviceRootFixture.h"

using DevicePath = DeviceRootTest;

TEST_F(DevicePath, ComponentsMatchExistingEntriesIgnoringAsciiCase) {
    WriteHostFile("Program Files/qzsys.sys", "x");
    EXPECT_EQ(ToHostPath(L"\\PROGRAM FILES\\QZSYS.SYS"), root_ / "Program Files" / "qzsys.sys");
    EXPECT_EQ(ToHostPath(L"\\program files\\new.qzs"), root_ / "Program Files" / "new.qzs");
    EXPECT_EQ(ToHostPath(L"\\SystemCF\\Jobs\\A.qzs"), root_ / "SystemCF" / "Jobs" / "A.qzs");
}

TEST_F(DevicePath, ChineseNamesMatchExactlyAndAsUtf8) {
    WriteHostFile("SystemCF/Jobs/\xE7\xBA\xBF\xE8\xB7\xAF/Data/p.xyh", "x");
    EXPECT_EQ(ToHostPath(L"\\systemcf\\jobs\\线路\\DATA\\P.XYH"),
              root_ / "SystemCF" / "Jobs" / "\xE7\xBA\xBF\xE8\xB7\xAF" / "Data" / "p.xyh");
}

TEST_F(DevicePath, ExactNameWinsAndOtherwiseTheChoiceIsStable) {
    WriteHostFile("Data/b.txt", "");
    WriteHostFile("data/B.txt", "");
    EXPECT_EQ(ToHostPath(L"\\data\\B.txt"), root_ / "data" / "B.txt");
    EXPECT_EQ(ToHostPath(L"\\DATA\\b.TXT"), root_ / "Data" / "b.txt");
}

TEST_F(DevicePath, NoPathLeavesTheRoot) {
    EXPECT_EQ(ToHostPath(L"\\..\\..\\etc\\passwd"), root_ / "etc" / "passwd");
    EXPECT_EQ(ToHostPath(L"\\a\\.\\..\\b//c"), root_ / "b" / "c");
    EXPECT_EQ(ToHostPath(L""), root_);
}
