#include "model/tab_stops.h"

#include "model/device_metrics.h"
#include "model/format_conversion.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace zeledit::model {
namespace {

constexpr double Step = 0.5;    // inches between default stops
constexpr double Widest = 22.0; // inches: the widest page a document can have

double ThreeDecimals(double v) {
    char text[64];
    std::snprintf(text, sizeof text, "%.3f", v);
    return std::strtod(text, nullptr);
}

// The next default stop after a stop at `position`.
double DefaultAfter(double position) { return (RoundNearest(position / Step) + 1) * Step; }

int LastUserStop(const TTabArray& tabs) {
    int last = -1;
    for (int i = 0; i < TabCount; ++i)
        if (tabs.tabs[i].tbDefault == 0) last = i;
    return last;
}

// Default stops every half inch from after the last user stop to the end.
void RenumberDefaults(TTabArray& tabs) {
    const int last = LastUserStop(tabs);
    if (last < 0) return DefaultTabs(tabs);
    double at = DefaultAfter(tabs.tabs[last].tbPosition);
    for (int i = last + 1; i < TabCount; ++i, at += Step) tabs.tabs[i] = TTab{at, 0, 0, 1};
}

} // namespace

bool SameTabPosition(double a, double b) { return ThreeDecimals(a) == ThreeDecimals(b); }

bool SetTabStop(TTabArray& tabs, double position, std::uint8_t align, std::uint8_t leader) {
    if (!(position > 0 && position <= Widest)) return false;
    for (TTab& t : tabs.tabs)
        if (t.tbDefault == 0 && SameTabPosition(t.tbPosition, position)) {
            t.tbAlign = align;
            t.tbLeader = leader;
            return true;
        }
    int at = 0;
    while (at < TabCount - 1 && tabs.tabs[at].tbDefault == 0 && tabs.tabs[at].tbPosition < position) ++at;
    for (int i = TabCount - 1; i > at; --i) tabs.tabs[i] = tabs.tabs[i - 1];
    tabs.tabs[at] = TTab{position, align, leader, 0};
    RenumberDefaults(tabs);
    return true;
}

bool ClearTabStop(TTabArray& tabs, double position) {
    int at = 0;
    while (at < TabCount &&
           !(tabs.tabs[at].tbDefault == 0 && SameTabPosition(tabs.tabs[at].tbPosition, position)))
        ++at;
    if (at == TabCount) return false;
    for (int i = at; i < TabCount - 1; ++i) tabs.tabs[i] = tabs.tabs[i + 1];
    tabs.tabs[TabCount - 1] = TTab{DefaultAfter(tabs.tabs[TabCount - 2].tbPosition), 0, 0, 1};
    if (LastUserStop(tabs) < 0) DefaultTabs(tabs);
    return true;
}

} // namespace zeledit::model
