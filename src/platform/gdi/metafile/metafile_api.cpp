// Metafile handles: the bytes of a metafile, kept for playback.
#include "platform/core/byte_reader.h"
#include "platform/core/handle_table.h"
#include "platform/gdi/metafile/metafile.h"

#include <algorithm>
#include <cstring>

namespace zeledit::platform {
namespace {

struct MetafileBits {
    std::vector<std::uint8_t> bytes;
};

HandleTable<MetafileBits>& metafiles() {
    static HandleTable<MetafileBits> table(7);
    return table;
}

template <class H> H keep(UINT size, const BYTE* data, bool (*valid)(std::span<const std::uint8_t>)) {
    if (data == nullptr || size == 0 || !valid({data, size})) return nullptr;
    return metafiles().add<H>(std::make_shared<MetafileBits>(MetafileBits{{data, data + size}}));
}

} // namespace
} // namespace zeledit::platform

using namespace zeledit::platform;

HENHMETAFILE SetEnhMetaFileBits(UINT size, const BYTE* data) {
    return keep<HENHMETAFILE>(size, data, is_emf);
}
HMETAFILE SetMetaFileBitsEx(UINT size, const BYTE* data) { return keep<HMETAFILE>(size, data, is_wmf); }
BOOL DeleteEnhMetaFile(HENHMETAFILE mf) { return metafiles().remove(mf) ? TRUE : FALSE; }
BOOL DeleteMetaFile(HMETAFILE mf) { return metafiles().remove(mf) ? TRUE : FALSE; }

UINT GetEnhMetaFileHeader(HENHMETAFILE mf, UINT size, ENHMETAHEADER* header) {
    const MetafileBits* m = metafiles().find(mf);
    if (m == nullptr || !is_emf(m->bytes)) return 0;
    if (header == nullptr) return sizeof(ENHMETAHEADER);
    const UINT n =
        std::min<UINT>({size, static_cast<UINT>(sizeof(ENHMETAHEADER)), static_cast<UINT>(m->bytes.size())});
    std::memcpy(header, m->bytes.data(), n);
    return n;
}

BOOL PlayEnhMetaFile(HDC dc, HENHMETAFILE mf, const RECT* rect) {
    const MetafileBits* m = metafiles().find(mf);
    if (m == nullptr || rect == nullptr) return FALSE;
    const auto keep_alive = metafiles().share(mf);
    return play_emf(dc, keep_alive->bytes, *rect) ? TRUE : FALSE;
}

BOOL PlayMetaFile(HDC dc, HMETAFILE mf) {
    const auto m = metafiles().share(mf);
    return m && play_wmf(dc, m->bytes) ? TRUE : FALSE;
}
