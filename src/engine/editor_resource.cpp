#include "engine/editor_resource.h"

#include <memory>

namespace zeledit::engine {
namespace {
std::unique_ptr<TEditorResource>& shared() {
    static std::unique_ptr<TEditorResource>& resource = *new std::unique_ptr<TEditorResource>;
    return resource;
}
} // namespace

TEditorResource* SharedEditorResource() { return shared().get(); }
void CreateSharedEditorResource() {
    if (!shared()) shared() = std::make_unique<TEditorResource>();
}
void DestroySharedEditorResource() { shared().reset(); }

} // namespace zeledit::engine
