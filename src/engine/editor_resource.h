// The library's one shared resource object: the context menus and their images, shared by
// every editor. The menus arrive with the mouse and menu commands; this is their owner.
#pragma once

namespace zeledit::engine {

class TEditorResource {
public:
    TEditorResource() = default;
    TEditorResource(const TEditorResource&) = delete;
    TEditorResource& operator=(const TEditorResource&) = delete;
};

// The library's instance, made when the library is loaded and freed when it is unloaded;
// null outside that time.
TEditorResource* SharedEditorResource();
void CreateSharedEditorResource();
void DestroySharedEditorResource();

} // namespace zeledit::engine
