// Sounds, captions, text boxes, drawings and host objects: their stored records read and
// written back byte for byte, copies, bad records, and how they draw.
#include "objects/caption_text_objects.h"
#include "objects/drawing_object.h"
#include "objects/external_object.h"
#include "objects/object_kinds.h"
#include "objects/objects_test.h"
#include "objects/sound_object.h"

#include <zeledit/editor_messages.h>

#include <map>

namespace zeledit::test {
namespace {

TCharFormat format_of(const char* face, std::int16_t points) {
    TCharFormat f{};
    std::strncpy(f.ftFaceName, face, sizeof f.ftFaceName - 1);
    f.ftHeight = points;
    f.ftScale = 100;
    f.ftColor = RGB(0, 0, 160);
    return f;
}

template <class T> std::span<const std::uint8_t> bytes_of(const T& record) {
    return {reinterpret_cast<const std::uint8_t*>(&record), sizeof record};
}

class OtherKinds : public ObjectTest {
protected:
    objects::TObjectItem* load(const TObjectInfo& record, std::span<const std::uint8_t> data,
                               objects::RecordFamily family = objects::RecordFamily::Current) {
        std::vector<std::uint8_t> bytes = stored_record(record, data);
        if (family == objects::RecordFamily::Family3) bytes.erase(bytes.begin() + 147, bytes.begin() + 200);
        const auto before = list->Count();
        EXPECT_EQ(list->LoadFrom(bytes, 0, 1, family), bytes.size());
        return list->Count() > before ? list->Item(list->Count() - 1) : nullptr;
    }
    static std::vector<std::uint8_t> saved(objects::TObjectItem& o) {
        std::vector<std::uint8_t> out(o.GetDataSize());
        o.WriteTo(out.data(), 0);
        return out;
    }
    // A record as the object keeps it, so that what is written back equals what was read.
    TObjectInfo record(std::uint16_t style, bool floated, std::uint16_t width, std::uint16_t height) {
        TObjectInfo r = picture_info(list->GetNewID(), style);
        r.oiFloated = floated ? 1 : 0;
        r.oiWidth = width;
        r.oiHeight = height;
        return r;
    }
};

TEST_F(OtherKinds, SoundsDrawingsAndTextBoxesWriteBackWhatTheyRead) {
    const std::vector<std::uint8_t> wave = {'R', 'I', 'F', 'F', 1, 2, 3, 4, 5, 6, 7, 8};
    const auto sound = stored_record(record(objects::osSound, false, 20, 20), wave);
    auto* s = load(record(objects::osSound, false, 20, 20), wave);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(saved(*s), stored_record(s->Info, wave));
    EXPECT_EQ(saved(*s).size(), sound.size());

    TDrawingInfo shape{2, {-40, 30}, 3, RGB(200, 0, 0), RGB(0, 200, 0), 1, 1};
    const TObjectInfo drawing_record = record(objects::osDrawing, true, 40, 30);
    auto* d = load(drawing_record, bytes_of(shape));
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(saved(*d), stored_record(d->Info, bytes_of(shape)));
    EXPECT_EQ(+d->Info.oiWidth, 40);

    // A text box of 200 characters stores L = 404 and oiSize 504.
    TTextInfo props{format_of("DejaVu Sans", 12), RGB(255, 255, 200), 1, 2, RGB(0, 0, 0), 1};
    const std::u16string text(200, u'â');
    std::vector<std::uint8_t> data(bytes_of(props).begin(), bytes_of(props).end());
    const std::uint32_t length = 404;
    data.insert(data.end(), bytes_of(length).begin(), bytes_of(length).end());
    const auto* units = reinterpret_cast<const std::uint8_t*>(text.data());
    data.insert(data.end(), units, units + 400);
    data.insert(data.end(), 4, 0);
    auto* t = load(record(objects::osText, true, 150, 60), data);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(static_cast<objects::TTextObject*>(t)->FContent, text);
    EXPECT_EQ(+t->Info.oiSize, 504u);
    EXPECT_EQ(saved(*t), stored_record(t->Info, data));
}

TEST_F(OtherKinds, CaptionsKeepTheirFormAndReadTheOlderOne) {
    TCaptionInfoW props{u'Đ', format_of("DejaVu Serif", 48), RGB(255, 240, 200), 0};
    auto* c = load(record(objects::osCaption, true, 0, 0), bytes_of(props));
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->GetDataSize(), 291u); // always
    EXPECT_EQ(saved(*c), stored_record(c->Info, bytes_of(props)));
    EXPECT_GT(+c->Info.oiWidth, 20); // measured from the glyph at 48 points
    EXPECT_GT(+c->Info.oiHeight, 20);
    EXPECT_TRUE(+c->Info.oiFloated);
    // The older 90-byte form: an 8-bit character, the rest one byte earlier.
    std::vector<std::uint8_t> older(90, 0);
    older[0] = 'A';
    const TCharFormat f = format_of("DejaVu Serif", 36);
    std::memcpy(older.data() + 1, &f, sizeof f);
    const COLORREF back = RGB(1, 2, 3);
    std::memcpy(older.data() + 85, &back, 4);
    older[89] = 1;
    auto* o = static_cast<objects::TCaptionObject*>(load(record(objects::osCaption, true, 0, 0), older));
    ASSERT_NE(o, nullptr);
    EXPECT_EQ(+o->FProps.ciText, u'A');
    EXPECT_EQ(+o->FProps.ciFormat.ftHeight, 36);
    EXPECT_EQ(+o->FProps.ciBackground, back);
    EXPECT_EQ(+o->FProps.ciTransparent, 1);
    EXPECT_EQ(saved(*o).size(), 291u); // written in the current form
}

TEST_F(OtherKinds, BadPayloadsAreSkippedNotTrusted) {
    TTextInfo props{format_of("DejaVu Sans", 12), 0, 0, 0, 0, 0};
    std::vector<std::uint8_t> data(bytes_of(props).begin(), bytes_of(props).end());
    const std::uint32_t too_long = 1000; // more than the data holds
    data.insert(data.end(), bytes_of(too_long).begin(), bytes_of(too_long).end());
    data.insert(data.end(), 8, 0);
    EXPECT_EQ(load(record(objects::osText, true, 10, 10), data), nullptr);
    const std::vector<std::uint8_t> short_drawing(20, 0);
    EXPECT_EQ(load(record(objects::osDrawing, true, 10, 10), short_drawing), nullptr);
    const std::vector<std::uint8_t> short_caption(89, 0);
    EXPECT_EQ(load(record(objects::osCaption, true, 10, 10), short_caption), nullptr);
    EXPECT_EQ(list->Count(), 0);
}

TEST_F(OtherKinds, CopiesCarryTheirData) {
    TDrawingInfo shape{1, {10, 10}, 1, 0, 0, 1, 0};
    auto* d = load(record(objects::osDrawing, true, 10, 10), bytes_of(shape));
    TTextInfo props{format_of("DejaVu Sans", 10), 0, 0, 0, 0, 0};
    auto text =
        std::make_unique<objects::TTextObject>(&info, record(objects::osText, true, 50, 20), props, u"hello");
    for (objects::TObjectItem* source : {d, static_cast<objects::TObjectItem*>(text.get())}) {
        ASSERT_NE(source, nullptr);
        const auto copy = objects::CopyObject(&info, *source, 77);
        ASSERT_NE(copy, nullptr);
        EXPECT_EQ(copy->ID(), 77);
        auto original = saved(*source), copied = saved(*copy);
        original[2] = copied[2] = 0; // the ID
        EXPECT_EQ(copied, original);
    }
}

TEST_F(OtherKinds, ADrawingDraggedUpwardRunsFromItsLowerRight) {
    TDrawingInfo settings{0, {}, 1, RGB(0, 0, 0), RGB(255, 255, 255), 1, 0};
    const auto line = objects::CreateDrawingObj(&info, 5, {300, 200, 100, 50}, settings);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(+line->Info.oiWidth, 200);
    EXPECT_EQ(+line->Info.oiHeight, 150);
    EXPECT_EQ(+line->FProps.diDirection.x, -200);
    EXPECT_EQ(+line->FProps.diDirection.y, -150);
    EXPECT_DOUBLE_EQ(+line->Info.oiMargins.omLeft, 75.0);
    EXPECT_EQ(objects::CreateDrawingObj(&info, 0, {0, 0, 5, 5}, settings), nullptr);
    // Drawn: a line from one corner to the other.
    Surface surface(260, 200);
    line->DrawObject(surface.dc(), 10, false, 0, 10);
    int ink_near_corners = 0;
    for (int i = 0; i < 6; ++i)
        ink_near_corners += (surface.at(10 + i, 10 + i * 150 / 200) == RGB(0, 0, 0)) +
                            (surface.at(209 - i, 159 - i * 150 / 200) == RGB(0, 0, 0));
    EXPECT_GT(ink_near_corners, 8);
    EXPECT_EQ(surface.at(205, 12), RGB(255, 255, 255)); // the other diagonal stays empty
}

// A host that keeps its objects' data in a map, as a host would.
struct Host {
    static inline std::map<std::uint32_t, std::vector<std::uint8_t>> objects;
    static inline std::vector<UINT> heard;
    static inline bool answers = true;
    static LRESULT CALLBACK Proc(HWND h, UINT m, WPARAM w, LPARAM l) {
        if (m < EFN_EXOBJFREE || m > EFN_EXOBJGETSIZE) return DefWindowProcW(h, m, w, l);
        heard.push_back(m);
        if (!answers) return 0;
        auto* p = reinterpret_cast<TExObjParams*>(l);
        switch (m) {
        case EFN_EXOBJGETDATA:
            p->Handle = static_cast<std::uint32_t>(objects.size() + 1);
            objects[p->Handle].assign(reinterpret_cast<const std::uint8_t*>(w),
                                      reinterpret_cast<const std::uint8_t*>(w) + p->Info.oiSize);
            return 1;
        case EFN_EXOBJGETSIZE: return static_cast<LRESULT>(objects[p->Handle].size());
        case EFN_EXOBJSETDATA:
            std::memcpy(reinterpret_cast<void*>(w), objects[p->Handle].data(), objects[p->Handle].size());
            return 1;
        case EFN_EXOBJINITFROM: {
            const auto copy = objects[p->Handle];
            p->Handle = static_cast<std::uint32_t>(objects.size() + 1);
            objects[p->Handle] = copy;
            return 1;
        }
        default: return 1;
        }
    }
};

// Found by fuzzing: a text box scaled to 16384 % asked FreeType for glyphs it cannot make,
// and the failure spoiled the surface drawn on, so every later paint came out blank.
TEST_F(OtherKinds, ATextBoxScaledBeyondUseLeavesItsTargetDrawable) {
    TObjectInfo record = picture_info(1, objects::osText);
    record.oiFloated = 1;
    record.oiWidth = 120;
    record.oiHeight = 60;
    TTextInfo props{format_of("DejaVu Sans", 12), RGB(255, 255, 255), 0, 1, 0, 0};
    props.tiFormat.ftScale = 0x4000;
    objects::TTextObject box(&info, record, props, u"Đoạn chữ");
    Surface surface(260, 200);
    box.DrawObject(surface.dc(), 10, false, 0, 10);
    const RECT probe{0, 0, 4, 4};
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    FillRect(surface.dc(), &probe, brush);
    DeleteObject(brush);
    EXPECT_EQ(surface.at(1, 1), RGB(1, 2, 3));
}

TEST_F(OtherKinds, HostObjectsGoThroughTheirHost) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = Host::Proc;
    wc.lpszClassName = u"ObjectHost";
    RegisterClassW(&wc);
    info.eiWindow =
        CreateWindowExW(0, u"ObjectHost", u"", 0, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    Host::objects.clear();
    Host::heard.clear();
    Host::answers = true;
    const std::vector<std::uint8_t> data = {9, 8, 7, 6, 5};
    auto* x = load(record(300, false, 30, 30), data);
    ASSERT_NE(x, nullptr);
    EXPECT_EQ(static_cast<objects::TExternalObj*>(x)->Handle, 1u);
    EXPECT_EQ(saved(*x), stored_record(x->Info, data)); // the host wrote its data back
    const auto copy = objects::CopyObject(&info, *x, 9);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(static_cast<objects::TExternalObj*>(copy.get())->Handle, 2u);
    Host::heard.clear();
    list->DeleteObject(x->ID());
    list->DeleteObject(copy->ID()); // not in the list: nothing happens
    EXPECT_EQ(Host::heard, std::vector<UINT>{EFN_EXOBJFREE});
    // A host that answers nothing: the object is placed with handle 0 and stores no data.
    Host::answers = false;
    auto* silent = load(record(300, false, 30, 30), data);
    ASSERT_NE(silent, nullptr);
    EXPECT_EQ(static_cast<objects::TExternalObj*>(silent)->Handle, 0u);
    EXPECT_EQ(saved(*silent).size(), sizeof(TObjectInfo));
    DestroyWindow(info.eiWindow);
    info.eiWindow = nullptr;
}

TEST_F(OtherKinds, AThirdGenerationSoundIsLinkedAndAsksTheHostByName) {
    static std::string asked;
    WNDCLASSW wc{};
    wc.lpfnWndProc = [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        if (m == EFN_QUERYDATAOBJ) asked = reinterpret_cast<const char*>(l);
        return DefWindowProcW(h, m, w, l);
    };
    wc.lpszClassName = u"SoundHost";
    RegisterClassW(&wc);
    info.eiWindow =
        CreateWindowExW(0, u"SoundHost", u"", 0, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    TObjectInfo r = record(objects::osSound, false, 20, 20);
    std::strcpy(r.oiIDText, "bell.wav");
    const std::vector<std::uint8_t> wave(16, 1);
    auto* s = load(r, wave, objects::RecordFamily::Family3);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(+s->Info.oiLink, 1);
    EXPECT_EQ(asked, "bell.wav");
    EXPECT_EQ(saved(*s).size(), sizeof(TObjectInfo)); // linked: no data of its own
    // Disabled sounds ignore clicks.
    s->SetActive(false);
    s->OnClick(info.eiWindow, 0, 0);
    EXPECT_FALSE(static_cast<objects::TSoundObject*>(s)->IsOpen);
    DestroyWindow(info.eiWindow);
    info.eiWindow = nullptr;
}

} // namespace
} // namespace zeledit::test
