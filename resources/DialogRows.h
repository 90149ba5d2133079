#pragma once
// Builds a dialog template's controls row by row where its rows share a shape: a label beside its
// edit, placed by columns the dialog names once. A template built so keeps its controls and its
// registration together for as long as the program runs.
#include <vector>

#include "platform/ui/DialogTemplate.h"

// Where a labelled field's two controls stand, in dialog units.
struct FieldColumns {
    short labelX, labelWidth, editX, editWidth;
};

class DialogRows {
public:
    // The label two units below the edit's top, so that its text sits on the edit's line.
    DialogRows& Field(const FieldColumns& columns, UINT id, short y, const wchar_t* label);
    DialogRows& Control(const DialogControlTemplate& control);
    // The usual "确定" and "取消" pair at `y`; `okGroup` ends a group of radios above it.
    DialogRows& OkCancel(short y, bool okGroup = false);
    std::vector<DialogControlTemplate> Controls() const { return controls_; }

private:
    std::vector<DialogControlTemplate> controls_;
};

struct BuiltDialogTemplate {
    BuiltDialogTemplate(UINT id, short cx, short cy, const wchar_t* caption, DWORD style,
                        std::vector<DialogControlTemplate> built);
    BuiltDialogTemplate(const BuiltDialogTemplate&) = delete;
    BuiltDialogTemplate& operator=(const BuiltDialogTemplate&) = delete;

    const std::vector<DialogControlTemplate> controls;
    const DialogTemplate dialogTemplate;
    const DialogTemplateRegistration registration;
};
