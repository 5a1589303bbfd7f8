// The format messages of the protocol: the host reads the formats at the selection, applies
// formats and changes the tables.
#include "engine/format_editor.h"
#include "model/editor_fonts.h"
#include "platform/core/code_page.h"

#include <cstring>

namespace zeledit::engine {
namespace {

std::int32_t low32(std::uint64_t v) { return static_cast<std::int32_t>(static_cast<std::uint32_t>(v)); }

template <class Record> const Record* RecordAt(LPARAM l) { return reinterpret_cast<const Record*>(l); }

// A zero-terminated UTF-16 name from the host, as the 8-bit face name of a format.
std::string FaceNameAt(LPARAM l) {
    const auto* name = reinterpret_cast<const char16_t*>(l);
    if (name == nullptr) return {};
    std::size_t n = 0;
    while (n < sizeof TCharFormat::ftFaceName - 1 && name[n] != 0) ++n;
    return platform::from_unicode(std::u16string_view(name, n));
}

} // namespace

bool TFormatEditor::EFMFormatMessage(TMessage& msg) {
    const std::int32_t w = low32(msg.WParam), l = low32(msg.LParam);
    const bool own = reinterpret_cast<HWND>(msg.WParam) == HWindow;
    const auto valid_font = [&](std::int32_t id) { return id >= 0 && id < FFonts->Count(); };
    const auto valid_para = [&](std::int32_t id) { return id >= 0 && id < FParas->Count(); };
    switch (msg.Msg) {
    case EFM_GETSELFORMATID: msg.Result = GetSelFormatID(); return true;
    case EFM_GETSELFONTNAME:
        if (own && msg.LParam != 0) {
            const TCharFormat f = GetSelFormat();
            std::memcpy(reinterpret_cast<char*>(msg.LParam), f.ftFaceName, strnlen(f.ftFaceName, 50) + 1);
        }
        return true;
    case EFM_GETSELSTYLE: msg.Result = StyleState(GetSelFormat(), LOBYTE(msg.WParam)); return true;
    case EFM_FORMATSTYLE: FormatStyle(LOBYTE(msg.WParam), l != 0); return true;
    case EFM_GETSELFORMAT:
        FSelFormatCopy = GetSelFormat();
        msg.Result = reinterpret_cast<LRESULT>(&FSelFormatCopy);
        return true;
    case EFM_SETCHARFORMAT:
        if (const auto* f = RecordAt<TCharFormat>(msg.LParam)) {
            if (!edInfo.eiSelecting)
                SetPendingFont(*f);
            else if (const std::uint8_t base = FormatIDAt(edInfo.eiSelStart); valid_font(base))
                ApplyFont(base, *f);
        }
        return true;
    case EFM_GETSELPARAFORMATID: msg.Result = GetSelParaFormatID(); return true;
    case EFM_GETSELPARAFORMAT:
        FSelParaCopy = GetSelParaFormat();
        msg.Result = reinterpret_cast<LRESULT>(&FSelParaCopy);
        return true;
    case EFM_SETPARAFORMAT:
        if (const auto* p = RecordAt<TParaFormat>(msg.LParam)) ApplyPara(GetSelParaFormatID(), *p, true);
        return true;
    case EFM_APPLYFONT:
        if (w == 1 && msg.LParam != 0)
            ApplyFontFace(FaceNameAt(msg.LParam));
        else if (w == 2)
            ApplyFontColor(static_cast<COLORREF>(l));
        else if (w == 3)
            ApplyFontSize(l);
        return true;
    case EFM_APPLYPARA:
        if (w == 1) {
            if (const auto* v = RecordAt<std::uint32_t>(msg.LParam)) ModifyBorder(v[0], v[1], v[2]);
        } else if (w == 2) {
            ApplyBulletFast(l != 0);
        } else if (w == 3) {
            if (const auto* i = RecordAt<TIndent>(msg.LParam)) ApplyIndent(*i);
        } else if (w == 4) {
            if (const auto* t = RecordAt<TTabArray>(msg.LParam)) ApplyTab(*t);
        } else if (w == 5) {
            ApplyShading(static_cast<COLORREF>(l));
        }
        return true;
    case EFM_APPLYFONTFAST: ApplyFontFast(LOBYTE(msg.WParam)); return true;
    case EFM_APPLYPARAFAST: ApplyParaFast(LOBYTE(msg.WParam)); return true;
    case EFM_GETFONTTOREC:
        if (auto* f = reinterpret_cast<TCharFormat*>(msg.LParam); f != nullptr && valid_font(w))
            FFonts->GetFormatItem(w)->GetAttr(*f);
        return true;
    case EFM_GETPARATOREC:
        if (auto* p = reinterpret_cast<TParaFormat*>(msg.LParam); p != nullptr && valid_para(w))
            *p = FParas->GetFormatItem(w)->FAttributes;
        return true;
    case EFM_GETFONTITEM:
        msg.Result = valid_font(w) ? reinterpret_cast<LRESULT>(FFonts->GetFormatItem(w)) : 0;
        return true;
    case EFM_GETPARAITEM:
        msg.Result = valid_para(w) ? reinterpret_cast<LRESULT>(FParas->GetFormatItem(w)) : 0;
        return true;
    case EFM_ADDFONTFORMAT:
        if (own) msg.Result = FFonts->AddFontFormat(RecordAt<TCharFormat>(msg.LParam));
        return true;
    case EFM_ADDPARAFORMAT:
        if (own)
            if (const auto* p = RecordAt<TParaFormat>(msg.LParam)) msg.Result = FParas->AddParaFormat(*p);
        return true;
    case EFM_SETFONTCOLOR: FFonts->SetFontColor(w, static_cast<COLORREF>(l)); return true;
    case EFM_GETFONTCOLOR: msg.Result = FFonts->GetFontColor(w); return true;
    case EFM_SETPARACOLOR: FParas->SetParaColor(valid_para(w) ? w : 0, static_cast<COLORREF>(l)); return true;
    case EFM_GETPARACOLOR: msg.Result = FParas->GetParaColor(valid_para(w) ? w : 0); return true;
    case EFM_GETFONTCOUNT: msg.Result = FFonts->Count(); return true;
    case EFM_GETPARACOUNT: msg.Result = FParas->Count(); return true;
    case EFM_CHANGEFONTSIZE:
        FFonts->ChangeFontSize(static_cast<std::int16_t>(LOWORD(msg.LParam)),
                               static_cast<std::int16_t>(HIWORD(msg.LParam)));
        if (w != 0) Refresh();
        return true;
    case EFM_CHANGEFONTNAME:
        if (const auto* rec = RecordAt<TChangeFont>(msg.LParam)) {
            FFonts->ChangeFontName(*rec);
            if (rec->Redraw) Refresh();
        }
        return true;
    case EFM_SETMONOCHROME: SetMonochrome(); return true;
    case EFM_ENLARGEREDUCEFONT: EnlargeReduceFont(l); return true;
    case EFM_DELETEPARAS: DeleteParas(LOBYTE(msg.WParam)); return true;
    case EFM_DELETEDOUBLESPACEPARAS: DeleteDoubleSpaceParas(); return true;
    case EFM_CLEARFORMATS: ClearFormats(); return true;
    case EFM_COMPACT: Compact(); return true;
    case EFM_MODIFYFORMATFONT: ModifyFormatFont(LOBYTE(msg.WParam)); return true;
    case EFM_MODIFYFORMATPARA: ModifyFormatPara(LOBYTE(msg.WParam)); return true;
    case EFM_GETDEFAULTFONT:
        msg.Result = reinterpret_cast<LRESULT>(&FSettings.FDefaultCharFormat);
        return true;
    case EFM_SETDEFAULTFONT:
        if (const auto* f = RecordAt<TCharFormat>(msg.LParam)) {
            FSettings.FDefaultCharFormat = *f;
            model::CopyFaceName(FSettings.FDefaultCharFormat.ftFaceName,
                                sizeof FSettings.FDefaultCharFormat.ftFaceName, f->ftFaceName,
                                sizeof f->ftFaceName);
            FFonts->GetFormatItem(0)->ResetFont(FSettings.FDefaultCharFormat);
            Refresh(); // line heights follow the font
        }
        return true;
    default: return false;
    }
}

} // namespace zeledit::engine
