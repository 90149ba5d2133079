#include "platform/ui/DialogTemplate.h"

#include <unordered_map>

namespace {
std::unordered_map<UINT, const DialogTemplate*>& Templates() {
    static std::unordered_map<UINT, const DialogTemplate*> templates;
    return templates;
}
}  // namespace

void RegisterDialogTemplate(const DialogTemplate& dialogTemplate) {
    Templates()[dialogTemplate.id] = &dialogTemplate;
}

const DialogTemplate* FindDialogTemplate(UINT id) {
    auto it = Templates().find(id);
    return it == Templates().end() ? nullptr : it->second;
}
