// What the map keeps of its markers' names between paints: the names the last markers read, the
// widths of all names measured since the list was replaced, and nothing of another list.
#include "shell/view/MarkerNameMemory.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// What a paint found for a point: its marker's name as the memory gave it back.
struct Recalled {
    int32_t tag;
    bool nameRead;
    const wchar_t* name;
    int16_t nameWidth;
};

std::vector<MapMarker> Found(MarkerNameMemory& memory, const std::vector<int32_t>& tags) {
    std::vector<MapMarker> markers;
    for (int32_t tag : tags) {
        MapMarker& m = markers.emplace_back();
        m.tag = tag;
        memory.Recall(m);
    }
    return markers;
}

void Expect(const std::vector<MapMarker>& markers, const std::vector<Recalled>& expected, int paint) {
    ASSERT_EQ(markers.size(), expected.size()) << paint;
    for (size_t i = 0; i < markers.size(); ++i) {
        EXPECT_EQ(markers[i].nameRead, expected[i].nameRead) << paint << " " << expected[i].tag;
        EXPECT_EQ(markers[i].name, expected[i].name) << paint << " " << expected[i].tag;
        EXPECT_EQ(markers[i].nameWidth, expected[i].nameWidth) << paint << " " << expected[i].tag;
    }
}

// A paint's reads: the names found room for, and the widths they measured.
void Read(std::vector<MapMarker>& markers, int32_t tag, const wchar_t* name, int16_t width) {
    for (MapMarker& m : markers)
        if (m.tag == tag) {
            m.name = name;
            m.nameRead = true;
            m.nameWidth = width;
        }
}

}  // namespace

TEST(MarkerNameMemoryTest, NamesComeBackToTheNextMarkersAndWidthsForTheList) {
    MarkerNameMemory memory;
    std::vector<MapMarker> markers;
    memory.Keep(markers, 7, 2, 10);  // points 2 to 9 of list 7
    markers = Found(memory, {2, 5, 7, 9});
    Expect(markers, {{2, false, L"", -1}, {5, false, L"", -1}, {7, false, L"", -1}, {9, false, L"", -1}}, 1);
    Read(markers, 2, L"P2", 12);
    Read(markers, 7, L"", 0);
    Read(markers, 9, L"桩号9", 30);
    memory.Learn(markers);
    markers.push_back({L"S10", CString(), 0, 0, 10});  // stored since, drawn with its name

    // The same markers and one more: names back, an empty one read without reading.
    memory.Keep(markers, 7, 2, 11);
    markers = Found(memory, {2, 4, 7, 10});
    Expect(markers, {{2, true, L"P2", 12}, {4, false, L"", -1}, {7, true, L"", 0}, {10, true, L"S10", -1}},
           2);
    memory.Learn(markers);

    // A point whose marker was gone for a paint: its width is known, its name read again.
    memory.Keep(markers, 7, 2, 11);
    markers = Found(memory, {9, 10});
    Expect(markers, {{9, false, L"", 30}, {10, true, L"S10", -1}}, 3);
    Read(markers, 10, L"S10", 18);
    memory.Learn(markers);  // a point stored after the list was taken keeps its name, no width
    memory.Keep(markers, 7, 2, 11);
    markers = Found(memory, {2, 10});
    Expect(markers, {{2, false, L"", 12}, {10, true, L"S10", -1}}, 4);

    // Another list: nothing is known.
    memory.Keep(markers, 8, 0, 11);
    markers = Found(memory, {2, 9, 10});
    Expect(markers, {{2, false, L"", -1}, {9, false, L"", -1}, {10, false, L"", -1}}, 5);
}
