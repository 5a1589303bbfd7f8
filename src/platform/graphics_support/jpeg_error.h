// libjpeg's errors as a jump back to the caller instead of an exit, and no messages.
#pragma once

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h> // needs FILE declared first

namespace zeledit::platform {

struct JpegError {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

// Sets up `error` for a codec object whose err field points at error.base; the caller
// calls setjmp(error.jump) before anything that can fail.
inline jpeg_error_mgr* InstallJpegError(JpegError& error) {
    jpeg_std_error(&error.base);
    error.base.error_exit = [](j_common_ptr c) { std::longjmp(reinterpret_cast<JpegError*>(c->err)->jump, 1); };
    error.base.output_message = [](j_common_ptr) {};
    return &error.base;
}

} // namespace zeledit::platform
