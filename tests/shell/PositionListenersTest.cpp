// Screens take the position and store messages over and give them back when they close.
#include <gtest/gtest.h>

#include "shell/frame/PositionListeners.h"
#include "tests/shell/FrameTestSupport.h"

TEST(PositionListenersTest, AClosingScreenGivesThePositionsBackToTheWindowBeforeIt) {
    const HWND view(1), survey(2), info(3), stranger(4);
    struct Step {
        const char* what;
        bool listen;
        HWND window;
        HWND expected;
    } steps[] = {
        {"the view listens", true, view, view},
        {"a measuring screen takes over", true, survey, survey},
        {"the information screen above it", true, info, info},
        {"a window that never listened stops", false, stranger, info},
        {"the information screen closes", false, info, survey},
        {"the view listens again while the measuring screen is open", true, view, view},
        {"the view stops: the measuring screen had it before", false, view, survey},
        {"the measuring screen closes: nobody is left", false, survey, nullptr},
    };
    PositionListeners listeners;
    for (const Step& s : steps) {
        if (s.listen)
            listeners.ListenForPositions(s.window);
        else
            listeners.StopListening(s.window);
        EXPECT_EQ(listeners.PositionWindow(), s.expected) << s.what;
    }
}

TEST(PositionListenersTest, TheStoreWindowIsOnWhileAnyoneListensForStores) {
    PositionListeners listeners;
    const HWND first(1), second(2);
    listeners.ListenForStores(first);
    listeners.ListenForStores(second);
    EXPECT_EQ(listeners.StoreWindow(), second);
    listeners.StopListeningForStores(second);
    EXPECT_EQ(listeners.StoreWindow(), first);
    EXPECT_EQ(listeners.StoreOn(), 1);
    listeners.StopListeningForStores(first);
    EXPECT_EQ(listeners.StoreOn(), 0);
}

TEST(PositionListenersTest, EachFixGoesToTheTopWindowsOnly) {
    CListenerWindow view, survey, store;
    PositionListeners listeners;
    listeners.ListenForPositions(view.hwnd);
    listeners.ListenForPositions(survey.hwnd);
    listeners.ListenForStores(store.hwnd);
    CGpsState state;
    listeners.Forward(state, kFixPositionLog);
    listeners.StopListening(survey.hwnd);
    listeners.StopListeningForStores(store.hwnd);
    listeners.Forward(state, kFixGga);
    EXPECT_EQ(survey.Kinds(), std::vector<LPARAM>{4});
    EXPECT_EQ(view.Kinds(), std::vector<LPARAM>{1});
    ASSERT_EQ(store.heard.size(), 1u);
    EXPECT_EQ(store.heard[0].message, WM_GPS_POSITION_STORE);
}
