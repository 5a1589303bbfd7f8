// The printer a host prints on, shared with the print dialog.
#include "platform/core/text.h"

#include <zeledit/print_dialog.h>

#include <algorithm>
#include <vector>

namespace zeledit {
namespace {

std::u16string default_printer() {
    DWORD size = 0;
    GetDefaultPrinterW(nullptr, &size);
    std::u16string name(size, u'\0');
    if (size == 0 || !GetDefaultPrinterW(name.data(), &size)) return u"PDF";
    name.resize(size > 0 ? size - 1 : 0);
    return name;
}

} // namespace

std::vector<std::u16string> TPrinter::Printers() const {
    DWORD needed = 0, count = 0;
    EnumPrintersW(PRINTER_ENUM_LOCAL, nullptr, 4, nullptr, 0, &needed, &count);
    std::vector<BYTE> buffer(needed);
    if (needed == 0 || !EnumPrintersW(PRINTER_ENUM_LOCAL, nullptr, 4, buffer.data(), needed, &needed, &count))
        return {};
    std::vector<std::u16string> names;
    const auto* infos = reinterpret_cast<const PRINTER_INFO_4W*>(buffer.data());
    for (DWORD i = 0; i < count; ++i) names.emplace_back(platform::wide_view(infos[i].pPrinterName));
    return names;
}

std::u16string TPrinter::Name() const { return name_.empty() ? default_printer() : name_; }

int TPrinter::PrinterIndex() const {
    const auto names = Printers();
    const auto it = std::find(names.begin(), names.end(), Name());
    return it == names.end() ? -1 : static_cast<int>(it - names.begin());
}

bool TPrinter::SetPrinterIndex(int index) {
    const auto names = Printers();
    if (index < 0 || static_cast<std::size_t>(index) >= names.size()) return false;
    name_ = names[static_cast<std::size_t>(index)];
    mode_ = {};
    return true;
}

DEVMODEW TPrinter::DevMode() const {
    if (mode_.dmSize != 0) return mode_;
    DEVMODEW own{};
    const std::u16string name = Name();
    if (DocumentPropertiesW(nullptr, nullptr, name.c_str(), &own, nullptr, DM_OUT_BUFFER) != IDOK) own = {};
    return own;
}

void TPrinter::SetDevMode(const DEVMODEW& mode) {
    mode_ = mode;
    mode_.dmSize = sizeof mode_;
}

int TPrinter::Copies() const {
    const DEVMODEW m = DevMode();
    return (m.dmFields & DM_COPIES) != 0 && m.dmCopies > 0 ? m.dmCopies : 1;
}

void TPrinter::SetCopies(int copies) {
    DEVMODEW m = DevMode();
    m.dmFields |= DM_COPIES;
    m.dmCopies = static_cast<short>(std::clamp(copies, 1, 9999));
    SetDevMode(m);
}

bool TPrinter::Collate() const {
    const DEVMODEW m = DevMode();
    return (m.dmFields & DM_COLLATE) != 0 && m.dmCollate == DMCOLLATE_TRUE;
}

HDC TPrinter::CreateDC() const {
    const std::u16string name = Name();
    const DEVMODEW m = DevMode();
    return CreateDCW(nullptr, name.c_str(), nullptr, m.dmSize != 0 ? &m : nullptr);
}

TPrinter& Printer() {
    static TPrinter printer;
    return printer;
}

} // namespace zeledit
