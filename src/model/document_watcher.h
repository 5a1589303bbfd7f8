// What a document tells the one who shows it. The model never notifies a host itself: the
// engine watches its document and turns these calls into notifications.
#pragma once

#include <cstdint>

namespace zeledit::model {

class TDocumentWatcher {
public:
    // Units were inserted at `index` (the gap opened) or deleted there (it closed).
    virtual void TextInserted(std::uint32_t index, std::uint32_t count) = 0;
    virtual void TextDeleted(std::uint32_t index, std::uint32_t count) = 0;
    // A format table gained or changed an entry, or paragraphs of a format went.
    virtual void FormatsChanged() = 0;
    // Asked before the text grows by `units`; false refuses the insertion as the maximum
    // size does.
    virtual bool MayGrow(std::uint64_t units) = 0;

protected:
    ~TDocumentWatcher() = default;
};

} // namespace zeledit::model
