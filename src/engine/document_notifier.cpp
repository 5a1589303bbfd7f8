#include "engine/document_notifier.h"

#include "engine/format_editor.h"
#include "engine/notifications.h"

namespace zeledit::engine {

void TDocumentNotifier::Shifted(std::uint32_t index, std::int32_t size) {
    if (editor_.FLinks != nullptr) editor_.FLinks->UpdateAt(static_cast<std::int32_t>(index), size);
    Notify(editor_.HWindow, EFN_BUFFERCHANGED, index, size);
}

void TDocumentNotifier::TextInserted(std::uint32_t index, std::uint32_t count) {
    Shifted(index, static_cast<std::int32_t>(count));
}

void TDocumentNotifier::TextDeleted(std::uint32_t index, std::uint32_t count) {
    Shifted(index, -static_cast<std::int32_t>(count));
}

void TDocumentNotifier::FormatsChanged() { Notify(editor_.HWindow, EFN_FORMATCHANGED); }

bool TDocumentNotifier::MayGrow(std::uint64_t units) { return editor_.StaysSaveable(units); }

} // namespace zeledit::engine
