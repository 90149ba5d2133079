#pragma once
// The coordinate tools' dialogs on a job "road" whose coordinate library holds two points; the
// device root's files are compared before and after, since no tool may change one.
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "foundation/screens/CCoordLibDlg.h"
#include "platform/text/CodePage.h"
#include "resources/CogoDlgs.h"
#include "tests/foundation/screens/CoordLibraryHostDouble.h"

using Field = std::pair<UINT, const wchar_t*>;

// The texts of a point row: north, east and (when given) height.
inline std::vector<Field> Row(UINT row, const wchar_t* x, const wchar_t* y, const wchar_t* h = nullptr) {
    std::vector<Field> fields{{row + cogo::kNorth, x}, {row + cogo::kEast, y}};
    if (h) fields.push_back({row + cogo::kHeight, h});
    return fields;
}

inline std::vector<Field> Fields(std::initializer_list<std::vector<Field>> groups) {
    std::vector<Field> all;
    for (const auto& g : groups) all.insert(all.end(), g.begin(), g.end());
    return all;
}

class CogoScreenTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        WriteHostFile(
            "Jobs/road/road.lib",
            ToGbk(CString(
                L"1,控制1,3000000.000,500000.000,10.000,\r\n1,控制2,3000400.000,500300.000,22.000,\r\n")));
        before_ = Files();
    }
    void TearDown() override {
        EXPECT_EQ(Files(), before_) << "a tool changed a file";
        ScreenTest::TearDown();
    }
    // Scripts the coordinate library to choose library row `row`.
    void ExpectPick(int row) {
        ui.OnModal(coordlib::IDD, [this, row](CDialog& d) {
            auto& lib = static_cast<CCoordLibDlg&>(d);
            for (int i = 0; i < 100 && lib.IsLoading(); ++i) ui.Pump();
            CRect r;
            ASSERT_TRUE(lib.List().GetItemRect(row, &r, LVIR_BOUNDS));
            ui.Tap(lib.List(), CPoint(r.left + 30, r.CenterPoint().y));
            ui.Click(d, IDOK);
        });
    }
    void Type(CDialog& d, const std::vector<Field>& fields) {
        for (const Field& f : fields) ui.SetText(d, static_cast<int>(f.first), f.second);
    }
    static std::string Shot(const char* name) { return std::string(QZ_BINARY_DIR "/cogo-") + name + ".png"; }

private:
    std::map<std::string, std::string> Files() const {
        std::map<std::string, std::string> files;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root_))
            if (entry.is_regular_file())
                files[entry.path().lexically_relative(root_).string()] =
                    ReadHostFile(entry.path().lexically_relative(root_));
        return files;
    }
    std::map<std::string, std::string> before_;
};
