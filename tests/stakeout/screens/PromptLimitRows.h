#pragma once
// The prompt settings dialogs of both stake-out screens refuse the same limits: an answer a
// millimetre below 0 or below the smaller distance is refused and the dialog stays open; 0 and
// equal distances are then taken.
#include <gtest/gtest.h>

#include "platform/testing/UiDriver.h"

inline void RefuseAMillimetreBeyondThenTakeZero(CUiDriver& ui, int dialog, int minEdit, int maxEdit) {
    struct Row {
        const wchar_t* min;
        const wchar_t* max;
        const wchar_t* refusal;
    };
    static const Row refused[] = {{L"-0.001", L"0.5", L"最大值和最小值不能小于0!"},
                                  {L"0.5", L"-0.001", L"最大值和最小值不能小于0!"},
                                  {L"0.5", L"0.499", L"最大值不能小于最小值!"}};
    // The script runs when the screen opens the dialog, after this function has returned.
    ui.OnModal(dialog, [&ui, minEdit, maxEdit](CDialog& d) {
        for (const Row& r : refused) {
            ui.SetText(d, minEdit, r.min);
            ui.SetText(d, maxEdit, r.max);
            ui.ExpectMessageBox(r.refusal);
            d.SendMessage(WM_COMMAND, IDOK);
            EXPECT_FALSE(d.HasEnded());
        }
        ui.SetText(d, minEdit, L"0");
        ui.SetText(d, maxEdit, L"0");
        d.SendMessage(WM_COMMAND, IDOK);
    });
}
