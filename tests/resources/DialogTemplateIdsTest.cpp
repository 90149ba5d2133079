// Every registered dialog template names each of its controls once, by an id a template can hold
// (16 bits): a style constant taken for an id by mistake lies far above that, and its command
// never reaches the dialog.
#include <gtest/gtest.h>

#include <set>

#include "platform/ui/DialogTemplate.h"

TEST(DialogTemplates, EveryControlIdFitsSixteenBitsAndIsUniqueInItsTemplate) {
    int templates = 0;
    for (UINT id = 0; id <= 0xFFFF; ++id) {
        const DialogTemplate* dialog = FindDialogTemplate(id);
        if (!dialog) continue;
        ++templates;
        std::set<UINT> seen;
        for (const DialogControlTemplate& control : dialog->controls) {
            if (control.id == IDC_STATIC) continue;
            EXPECT_LE(control.id, 0xFFFFu) << "template " << id;
            EXPECT_TRUE(seen.insert(control.id).second) << "template " << id << " repeats " << control.id;
        }
    }
    EXPECT_GT(templates, 100);
}
