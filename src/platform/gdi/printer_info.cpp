// A printer opened by name: its description and its device mode.
#include "platform/core/text.h"
#include "platform/gdi/cups_printers.h"
#include "platform/gdi/printer.h"
#include "platform/gdi/printer_settings.h"

#include <zeledit/win_user.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace zeledit::platform {
namespace {

std::map<HANDLE, std::u16string>& open_printers() {
    static std::map<HANDLE, std::u16string> printers;
    return printers;
}

PrinterSettingsDialog& settings_dialog() {
    static PrinterSettingsDialog dialog = nullptr;
    return dialog;
}

const std::u16string* name_of(HANDLE printer) {
    const auto it = open_printers().find(printer);
    return it == open_printers().end() ? nullptr : &it->second;
}

// A status word from what the server says: the first condition it names, or printing,
// paused, idle.
DWORD status_of(const CupsPrinterInfo& info) {
    static const std::pair<const char*, DWORD> reasons[] = {
        {"media-jam", PRINTER_STATUS_PAPER_JAM},    {"media-empty", PRINTER_STATUS_PAPER_OUT},
        {"media-needed", PRINTER_STATUS_PAPER_OUT}, {"toner-empty", PRINTER_STATUS_NO_TONER},
        {"toner-low", PRINTER_STATUS_TONER_LOW},    {"door-open", PRINTER_STATUS_DOOR_OPEN},
        {"cover-open", PRINTER_STATUS_DOOR_OPEN},   {"offline", PRINTER_STATUS_OFFLINE},
    };
    for (const auto& [reason, status] : reasons)
        if (info.reasons.find(reason) != std::string::npos) return status;
    return info.state == 4 ? PRINTER_STATUS_PRINTING : info.state == 5 ? PRINTER_STATUS_PAUSED : 0;
}

// Fields the caller set, over the printer's own.
void merge(DEVMODEW& mode, const DEVMODEW& in) {
    const DWORD f = in.dmFields;
    if (f & DM_ORIENTATION) mode.dmOrientation = in.dmOrientation;
    if (f & DM_PAPERSIZE) {
        mode.dmPaperSize = in.dmPaperSize;
        mode.dmFields = (mode.dmFields & ~(DM_PAPERWIDTH | DM_PAPERLENGTH)) | DM_PAPERSIZE;
    }
    if ((f & DM_PAPERWIDTH) && (f & DM_PAPERLENGTH)) {
        mode.dmPaperWidth = in.dmPaperWidth;
        mode.dmPaperLength = in.dmPaperLength;
        mode.dmFields = (mode.dmFields & ~DM_PAPERSIZE) | DM_PAPERWIDTH | DM_PAPERLENGTH;
    }
    if ((f & DM_COPIES) && in.dmCopies > 0) mode.dmCopies = in.dmCopies;
    if (f & DM_COLLATE) mode.dmCollate = in.dmCollate == DMCOLLATE_TRUE ? DMCOLLATE_TRUE : DMCOLLATE_FALSE;
    if ((f & DM_PRINTQUALITY) && in.dmPrintQuality > 0) mode.dmPrintQuality = in.dmPrintQuality;
    if ((f & DM_YRESOLUTION) && in.dmYResolution > 0) mode.dmYResolution = in.dmYResolution;
}

// The strings of a PRINTER_INFO_2W, packed after it with its device mode.
struct InfoStrings {
    std::u16string name, port, driver, comment, location;
};

DWORD pack_info(const InfoStrings& s, const DEVMODEW& mode, DWORD status, LPBYTE buffer, DWORD size) {
    const std::u16string* texts[] = {&s.name, &s.port, &s.driver, &s.comment, &s.location};
    DWORD needed = sizeof(PRINTER_INFO_2W) + sizeof(DEVMODEW);
    for (const auto* t : texts) needed += static_cast<DWORD>((t->size() + 1) * sizeof(char16_t));
    if (buffer == nullptr || size < needed) return needed;
    auto* info = reinterpret_cast<PRINTER_INFO_2W*>(buffer);
    *info = {};
    auto* packed_mode = reinterpret_cast<DEVMODEW*>(buffer + sizeof(PRINTER_INFO_2W));
    *packed_mode = mode;
    auto* text = reinterpret_cast<char16_t*>(buffer + sizeof(PRINTER_INFO_2W) + sizeof(DEVMODEW));
    LPWSTR* fields[] = {&info->pPrinterName, &info->pPortName, &info->pDriverName, &info->pComment,
                        &info->pLocation};
    for (std::size_t i = 0; i < std::size(texts); ++i) {
        std::memcpy(text, texts[i]->c_str(), (texts[i]->size() + 1) * sizeof(char16_t));
        *fields[i] = text;
        text += texts[i]->size() + 1;
    }
    info->pDevMode = packed_mode;
    info->Attributes = PRINTER_ATTRIBUTE_LOCAL;
    info->Status = status;
    return needed;
}

} // namespace

void set_printer_settings_dialog(PrinterSettingsDialog dialog) { settings_dialog() = dialog; }

} // namespace zeledit::platform

using namespace zeledit::platform;

BOOL OpenPrinterW(LPCWSTR name, HANDLE* printer, const void*) {
    if (name == nullptr || printer == nullptr || !printer_defaults(wide_view(name))) {
        SetLastError(ERROR_INVALID_PRINTER_NAME);
        return FALSE;
    }
    static std::uintptr_t next = 0x7000;
    *printer = reinterpret_cast<HANDLE>(++next);
    open_printers()[*printer] = std::u16string(wide_view(name));
    return TRUE;
}

BOOL ClosePrinter(HANDLE printer) { return open_printers().erase(printer) > 0 ? TRUE : FALSE; }

BOOL GetPrinterW(HANDLE printer, DWORD level, LPBYTE buffer, DWORD size, LPDWORD needed) {
    const std::u16string* name = name_of(printer);
    if (name == nullptr || level != 2 || needed == nullptr) {
        SetLastError(name == nullptr ? ERROR_INVALID_HANDLE : ERROR_INVALID_LEVEL);
        return FALSE;
    }
    const auto mode = printer_defaults(*name);
    if (!mode) {
        SetLastError(ERROR_INVALID_PRINTER_NAME);
        return FALSE;
    }
    InfoStrings strings{*name, u"FILE:", u"zeledit PDF writer", u"Writes the pages to a PDF file", u""};
    DWORD status = 0;
    if (*name != u"PDF") {
        const auto info = cups_printer_info(to_utf8(*name));
        if (info)
            strings = {*name, from_utf8(info->device_uri), from_utf8(info->make_and_model),
                       from_utf8(info->info), from_utf8(info->location)};
        status = info ? status_of(*info) : 0;
    }
    *needed = pack_info(strings, *mode, status, buffer, size);
    if (buffer == nullptr || size < *needed) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    return TRUE;
}

LONG DocumentPropertiesW(HWND owner, HANDLE printer, LPCWSTR device, DEVMODEW* out, const DEVMODEW* in,
                         DWORD mode) {
    const std::u16string* opened = name_of(printer);
    const std::u16string name = opened != nullptr   ? *opened
                                : device != nullptr ? std::u16string(wide_view(device))
                                                    : std::u16string();
    auto result = printer_defaults(name);
    if (!result) return -1;
    if (mode == 0) return sizeof(DEVMODEW);
    if ((mode & DM_IN_BUFFER) && in != nullptr) merge(*result, *in);
    if (mode & DM_IN_PROMPT) {
        if (settings_dialog() == nullptr || !settings_dialog()(owner, name, *result)) return IDCANCEL;
    }
    if ((mode & DM_OUT_BUFFER) && out != nullptr) *out = *result;
    return IDOK;
}
