// The engine's side of its document: hyperlinks and comments follow the text, and what
// changed reaches the host as notifications.
#pragma once

#include "model/document_watcher.h"

namespace zeledit::engine {

class TFormatEditor;

class TDocumentNotifier final : public model::TDocumentWatcher {
public:
    explicit TDocumentNotifier(TFormatEditor& editor) : editor_(editor) {}

    void TextInserted(std::uint32_t index, std::uint32_t count) override;
    void TextDeleted(std::uint32_t index, std::uint32_t count) override;
    void FormatsChanged() override;
    // Only while every document the editor holds can still be saved as one data block.
    bool MayGrow(std::uint64_t units) override;

private:
    void Shifted(std::uint32_t index, std::int32_t size);

    TFormatEditor& editor_;
};

} // namespace zeledit::engine
