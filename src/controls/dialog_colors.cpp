#include "controls/dialog_colors.h"

#include <zeledit/windows.h>

#include <algorithm>
#include <optional>

namespace zeledit::controls {
namespace {

std::optional<DialogColors>& stored() {
    static std::optional<DialogColors> colors;
    return colors;
}

std::vector<COLORREF>& recent() {
    static std::vector<COLORREF> colors;
    return colors;
}

} // namespace

DialogColors CurrentDialogColors() {
    if (stored()) return *stored();
    return {GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW)};
}

void SetDialogColors(const DialogColors& colors) { stored() = colors; }

const std::vector<COLORREF>& RecentColors() { return recent(); }

void AddRecentColor(COLORREF color) {
    auto& list = recent();
    if (std::find(list.begin(), list.end(), color) != list.end()) return;
    if (list.size() == MaxRecentColors) list.erase(list.begin());
    list.push_back(color);
}

void ClearRecentColors() { recent().clear(); }

} // namespace zeledit::controls
