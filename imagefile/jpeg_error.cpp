#include "imagefile/jpeg_error.h"

#include <jerror.h>

#include <cstring>

namespace trimlet {

namespace {

JpegErrorManager* managerOf(j_common_ptr cinfo) {
  return reinterpret_cast<JpegErrorManager*>(cinfo->err);
}

[[noreturn]] void jumpBack(j_common_ptr cinfo) {
  JpegErrorManager* manager = managerOf(cinfo);
  (*cinfo->err->format_message)(cinfo, manager->message);
  std::longjmp(manager->jump, 1);
}

void emitMessage(j_common_ptr cinfo, int level) {
  JpegErrorManager* manager = managerOf(cinfo);
  if (level < 0 && manager->prematureEndIsFatal) {
    if (cinfo->err->msg_code == JWRN_JPEG_EOF) manager->fileEnded = true;
    if (cinfo->err->msg_code == JWRN_HIT_MARKER) {
      if (manager->fileEnded) cinfo->err->msg_code = JWRN_JPEG_EOF;
      jumpBack(cinfo);
    }
  }
  manager->standardEmit(cinfo, level);
}

}  // namespace

void failJpeg(j_common_ptr cinfo, const char* message) {
  JpegErrorManager* manager = managerOf(cinfo);
  std::snprintf(manager->message, sizeof manager->message, "%s", message);
  std::longjmp(manager->jump, 1);
}

jpeg_error_mgr* installJpegErrorManager(JpegErrorManager* manager) {
  std::memset(manager->message, 0, sizeof manager->message);
  manager->prematureEndIsFatal = false;
  manager->fileEnded = false;
  jpeg_error_mgr* standard = jpeg_std_error(&manager->pub);
  manager->standardEmit = standard->emit_message;
  standard->error_exit = jumpBack;
  standard->emit_message = emitMessage;
  return standard;
}

}  // namespace trimlet
