#pragma once
// libjpeg ends the process on an error unless its error handler jumps back out: the handler every
// use of libjpeg here installs. Include after <jpeglib.h>.

#include <csetjmp>

namespace qx {

struct JpegErrorJump {
    jpeg_error_mgr manager;
    std::jmp_buf back;
    char message[JMSG_LENGTH_MAX];
};

// Installs the handler into `err`; a libjpeg error then longjmps to `err.back` with its text in
// `err.message`. Warnings (a damaged but readable file) are ignored.
inline jpeg_error_mgr* installJpegErrorJump(JpegErrorJump& err)
{
    jpeg_std_error(&err.manager);
    err.manager.error_exit = [](j_common_ptr info) {
        auto* e = reinterpret_cast<JpegErrorJump*>(info->err);
        (*info->err->format_message)(info, e->message);
        std::longjmp(e->back, 1);
    };
    err.manager.emit_message = [](j_common_ptr, int) {};
    return &err.manager;
}

}  // namespace qx
