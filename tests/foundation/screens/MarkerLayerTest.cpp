#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "foundation/screens/MarkerLayer.h"
#include "foundation/screens/PointLabels.h"

namespace {

// The plot of the main view: 240 x 250 pixels, 20 down the screen, with a status line over its
// bottom left kept free of names.
const CRect kPlotOnScreen(0, 20, 240, 270);
const PixelRect kPlot{0, 0, 240, 250};

// `count` markers in increasing order, spread over the plot and its edges by a fixed sequence,
// named "P0" ... with every seventh name long and every eleventh empty.
std::vector<MapMarker> Markers(int count) {
    std::vector<MapMarker> markers(static_cast<size_t>(count));
    uint32_t seed = 12345;
    const auto next = [&seed](uint32_t range) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int32_t>((seed >> 8) % range);
    };
    for (int i = 0; i < count; ++i) {
        MapMarker& m = markers[static_cast<size_t>(i)];
        m.x = next(240);
        m.y = next(250);
        m.tag = i;
        if (i % 11 != 0) m.name.Format(i % 7 == 0 ? L"桩号%d-延长线" : L"P%d", i);
    }
    return markers;
}

// A screen with something under the plot already: a grey band and a name, which markers and their
// names cover in places.
struct PlotScreen {
    PlotScreen() : dc(fb, kPlotOnScreen) {
        dc.FillSolidRect(0, 100, 240, 40, RGB(200, 200, 200));
        dc.TextOut(60, 30, L"背景");
    }
    Framebuffer fb{240, 320};
    CDC dc;
};

LabelLayout StartedLabels() {
    LabelLayout labels;
    labels.Reset(kPlot);
    labels.Reserve({0, 230, 120, 250});
    return labels;
}

}  // namespace

// However many markers crowd the plot, the layer draws the pixels they draw one by one, and leaves
// their names' places taken alike; drawn again, it draws them once more.
TEST(MarkerLayerTest, DrawsWhatTheMarkersDrawOneByOne) {
    const struct Case {
        int markers;
        int bkMode;
        COLORREF pen;
    } cases[] = {
        {1, OPAQUE, RGB(0, 0, 0)},
        {40, OPAQUE, RGB(0, 0, 0)},
        {40, TRANSPARENT, RGB(255, 0, 0)},
        {3000, OPAQUE, RGB(0, 0, 255)},
        {3000, TRANSPARENT, RGB(0, 0, 0)},
        {60000, OPAQUE, RGB(0, 0, 0)},
        {60000, TRANSPARENT, RGB(0, 128, 0)},
    };
    for (const Case& c : cases) {
        std::vector<MapMarker> markers = Markers(c.markers);
        CPen pen(PS_SOLID, 1, c.pen);
        const auto prepare = [&](PlotScreen& screen) {
            screen.dc.SelectObject(&pen);
            screen.dc.SetBkMode(c.bkMode);
            screen.dc.SetTextColor(RGB(40, 40, 40));
        };
        PlotScreen oneByOne, layered, again;
        prepare(oneByOne);
        prepare(layered);
        prepare(again);

        LabelLayout plainLabels = StartedLabels();
        DrawPointLabels(oneByOne.dc, markers, plainLabels);
        MarkerLayer layer;
        LabelLayout labels = StartedLabels();
        layer.Draw(layered.dc, markers, labels, kPlot);
        EXPECT_TRUE(layered.fb == oneByOne.fb) << c.markers << " " << c.bkMode;
        EXPECT_TRUE(labels == plainLabels) << c.markers;

        LabelLayout labelsAgain = StartedLabels();
        ASSERT_TRUE(layer.DrawAgain(again.dc, labelsAgain)) << c.markers;
        EXPECT_TRUE(again.fb == oneByOne.fb) << c.markers << " " << c.bkMode;
        EXPECT_TRUE(labelsAgain == plainLabels) << c.markers;
    }
}

// The layer draws again only into the names' places it was drawn into, with a pen whose squares it
// keeps; otherwise it draws nothing and says so. A pen it cannot keep draws the markers one by one.
TEST(MarkerLayerTest, DrawsAgainOnlyOverTheSameLayoutAndPen) {
    std::vector<MapMarker> markers = Markers(500);
    MarkerLayer layer;
    {
        PlotScreen screen;
        LabelLayout labels = StartedLabels();
        layer.Draw(screen.dc, markers, labels, kPlot);
    }
    PlotScreen untouched;
    {
        PlotScreen screen;
        LabelLayout labels = StartedLabels();
        labels.Reserve({200, 0, 240, 20});
        EXPECT_FALSE(layer.DrawAgain(screen.dc, labels));
        EXPECT_TRUE(screen.fb == untouched.fb);
    }
    CPen dashed(PS_DASH, 1, RGB(0, 0, 0));
    CPen thick(PS_SOLID, 2, RGB(0, 0, 0));
    for (int way = 0; way < 3; ++way) {
        PlotScreen screen, oneByOne;
        for (PlotScreen* s : {&screen, &oneByOne}) {
            if (way == 0) s->dc.SelectObject(&dashed);
            if (way == 1) s->dc.SelectObject(&thick);
            if (way == 2) s->dc.SetROP2(R2_XORPEN);
        }
        LabelLayout labels = StartedLabels();
        EXPECT_FALSE(layer.DrawAgain(screen.dc, labels)) << way;
        EXPECT_TRUE(screen.fb == untouched.fb) << way;
        EXPECT_TRUE(labels == StartedLabels()) << way;

        MarkerLayer other;
        other.Draw(screen.dc, markers, labels, kPlot);
        LabelLayout plainLabels = StartedLabels();
        DrawPointLabels(oneByOne.dc, markers, plainLabels);
        EXPECT_TRUE(screen.fb == oneByOne.fb) << way;
        EXPECT_FALSE(other.DrawAgain(screen.dc, plainLabels)) << way;
    }
    layer.Forget();
    PlotScreen screen;
    LabelLayout labels = StartedLabels();
    EXPECT_FALSE(layer.DrawAgain(screen.dc, labels));
}

// Names not read yet are read only where the layout has room for a name as wide as each is known
// to be: the plot shows what it shows with every name read, with a pen the layer keeps or one it
// draws marker by marker. A crowded plot reads some of its names; painted again knowing the widths
// the first paint measured (an empty name as read), it reads only the names it shows.
TEST(MarkerLayerTest, ReadsOnlyTheNamesThatFindRoom) {
    const struct Case {
        int markers;
        bool dashed;
        int mostReads;
    } cases[] = {{40, false, 40}, {3000, false, 1500}, {60000, false, 22000}, {3000, true, 1500}};
    for (const Case& c : cases) {
        const std::vector<MapMarker> named = Markers(c.markers);
        CPen pen(c.dashed ? PS_DASH : PS_SOLID, 1, RGB(0, 0, 0));
        PlotScreen oneByOne;
        oneByOne.dc.SelectObject(&pen);
        LabelLayout plainLabels = StartedLabels();
        DrawPointLabels(oneByOne.dc, named, plainLabels);
        int shown = 0;
        {
            LabelLayout replayed = StartedLabels();
            const PointLabelFont font(oneByOne.dc);
            for (const MapMarker& m : named)
                shown +=
                    PlaceMarkerName(m, MarkerNameWidth(oneByOne.dc, m.name), replayed) && !m.name.IsEmpty();
        }

        std::vector<MapMarker> markers = named;
        for (MapMarker& m : markers) {
            m.name = CString();
            m.nameRead = false;
        }
        for (int paint = 0; paint < 2; ++paint) {
            PlotScreen layered;
            layered.dc.SelectObject(&pen);
            int reads = 0;
            MarkerLayer layer;
            LabelLayout labels = StartedLabels();
            layer.Draw(layered.dc, markers, labels, kPlot, [&](MapMarker& m) {
                m.name = named[static_cast<size_t>(m.tag)].name;
                m.nameRead = true;
                ++reads;
            });
            EXPECT_TRUE(layered.fb == oneByOne.fb) << c.markers << " " << c.dashed << " " << paint;
            EXPECT_TRUE(labels == plainLabels) << c.markers << " " << paint;
            if (paint == 0) {
                EXPECT_LE(reads, c.mostReads) << c.markers;
            } else {
                EXPECT_EQ(reads, shown) << c.markers;
            }
            for (MapMarker& m : markers) {
                if (m.nameRead) {
                    EXPECT_EQ(m.name, named[static_cast<size_t>(m.tag)].name);
                }
                m.name = CString();
                m.nameRead = m.nameWidth == 0;
            }
        }
    }
}

namespace {

// `count` markers of one random layout: spread over the plot or crowded round a few spots, named
// from a mix of empty, one-character, short and long names in ASCII and Chinese, in random order.
std::vector<MapMarker> RandomMarkers(std::mt19937& random, int count) {
    static const wchar_t* const kNames[] = {
        L"", L"7", L"点", L"P%d", L"桩%d", L"A%d", L"K%d+250.5", L"桩号%d-延长线", L"STATION-%d"};
    const int spots = static_cast<int>(random() % 4);  // none: spread over the plot
    const auto coordinate = [&](int32_t range, int32_t spot) {
        return spots == 0 ? static_cast<int32_t>(random() % range)
                          : std::clamp(spot + static_cast<int32_t>(random() % 41) - 20, 0, range - 1);
    };
    std::vector<MapMarker> markers(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        MapMarker& m = markers[static_cast<size_t>(i)];
        const int32_t spot = static_cast<int32_t>(i % std::max(spots, 1)) * 70 + 40;
        m.x = coordinate(240, spot);
        m.y = coordinate(250, spot);
        m.tag = i;
        m.name.Format(kNames[random() % std::size(kNames)], static_cast<int>(random() % 2000));
    }
    return markers;
}

// The plot the markers draw with every name read, and what the layer draws reading names as it
// goes; names it was told the width of (as an earlier paint measured them) are known to it only so.
void ExpectSameAsEveryNameRead(const std::vector<MapMarker>& named, const std::vector<bool>& widthKnown,
                               bool dashed, const std::string& what) {
    CPen pen(dashed ? PS_DASH : PS_SOLID, 1, RGB(0, 0, 0));
    PlotScreen oneByOne, layered;
    oneByOne.dc.SelectObject(&pen);
    layered.dc.SelectObject(&pen);
    LabelLayout plainLabels = StartedLabels();
    DrawPointLabels(oneByOne.dc, named, plainLabels);

    std::vector<MapMarker> unread = named;
    {
        const PointLabelFont font(layered.dc);
        for (MapMarker& m : unread) {
            if (widthKnown[static_cast<size_t>(m.tag)])
                m.nameWidth = static_cast<int16_t>(MarkerNameWidth(layered.dc, m.name));
            m.name = CString();
            m.nameRead = false;
        }
    }
    MarkerLayer layer;
    LabelLayout labels = StartedLabels();
    layer.Draw(layered.dc, unread, labels, kPlot, [&](MapMarker& m) {
        m.name = named[static_cast<size_t>(m.tag)].name;
        m.nameRead = true;
    });
    EXPECT_TRUE(layered.fb == oneByOne.fb) << what;
    EXPECT_TRUE(labels == plainLabels) << what;
}

}  // namespace

// Over random layouts, sparse and crowded, with names of mixed widths in any order (a short name
// after long ones), reading names only where they can find room draws what reading every name
// draws, whether the names' widths are known from an earlier paint or not.
TEST(MarkerLayerTest, RandomLayoutsDrawWhatEveryNameReadDraws) {
    std::mt19937 random(20261208);
    const int counts[] = {1, 3, 12, 40, 150, 600, 2500, 9000};
    for (int layout = 0; layout < 48; ++layout) {
        const int count = counts[layout % std::size(counts)];
        const std::vector<MapMarker> named = RandomMarkers(random, count);
        std::vector<bool> widthKnown(named.size());
        const int knownEvery = layout % 3;  // none, all, or every other name
        for (size_t i = 0; i < named.size(); ++i)
            widthKnown[i] = knownEvery == 1 || (knownEvery == 2 && i % 2 == 0);
        ExpectSameAsEveryNameRead(named, widthKnown, layout % 4 == 3,
                                  "layout " + std::to_string(layout) + " of " + std::to_string(count));
    }
}

// A short name between two long ones, at every place round them: the short one shows wherever it
// finds room, also where a name as long as those read before it would find none.
TEST(MarkerLayerTest, AShortNameAfterLongOnesShowsWhereItFits) {
    for (int32_t x = 60; x < 150; x += 3) {
        for (int32_t y = 100; y < 140; y += 3) {
            std::vector<MapMarker> named(3);
            named[0] = {L"桩号1-延长线", CString(), 40, 120, 0};
            named[1] = {L"桩号2-延长线", CString(), 130, 120, 1};
            named[2] = {L"A", CString(), x, y, 2};
            ExpectSameAsEveryNameRead(named, std::vector<bool>(3, false), false,
                                      std::to_string(x) + "," + std::to_string(y));
        }
    }
}
