#include "dialogs/printer_status.h"

namespace zeledit::dialogs {
namespace {

struct StatusText {
    DWORD code;
    const char16_t *vietnamese, *english;
};
constexpr StatusText status_texts[] = {
    {1, u"Tạm dừng", u"Paused"},
    {2, u"Bị lỗi", u"Error"},
    {4, u"Pending deletion", u"Pending deletion"},
    {8, u"Kẹt giấy", u"Paper jam"},
    {16, u"Hết giấy", u"Paper out"},
    {32, u"Manual feed", u"Manual feed"},
    {64, u"Giấy in có vấn đề", u"Paper problem"},
    {128, u"Offline", u"Offline"},
    {256, u"IO active", u"IO active"},
    {512, u"Đang bận", u"Busy"},
    {1024, u"Đang in", u"Printing"},
    {2048, u"Output bin full", u"Output bin full"},
    {4096, u"Không dùng được", u"Not available"},
    {8192, u"Đang chờ", u"Waiting"},
    {16384, u"Đang xử lý", u"Processing"},
    {32768, u"Đang khởi tạo", u"Initializing"},
    {65536, u"Đang làm nóng", u"Warming up"},
    {131072, u"Gần hết mực", u"Toner low"},
    {262144, u"Không có ống mực", u"No toner"},
    {524288, u"Trang in quá phức tạp", u"Page punt"},
    {1048576, u"Người dùng can thiệp", u"User intervention"},
    {2097152, u"Tràn bộ nhớ", u"Out of memory"},
    {4194304, u"Nắp mở", u"Door open"},
};

} // namespace

const char16_t* PrinterStatusText(DWORD status, bool english) {
    for (const StatusText& s : status_texts)
        if (s.code == status) return english ? s.english : s.vietnamese;
    return english ? u"Idle" : u"Đang rỗi";
}

} // namespace zeledit::dialogs
