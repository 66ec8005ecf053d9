#pragma once
// The libjpeg error manager of one read or write: a fatal error formats the
// library's message and jumps back to the point the caller armed, instead of
// ending the process as the standard manager does. Warnings go to standard
// error through the standard manager. While prematureEndIsFatal is set,
// picture data that run out before the picture is complete fail the read at
// once, where the library would invent a grey rest of the picture (libjpeg
// allows any warning to be turned into an error this way): "Premature end
// of JPEG file" when the file ended, else the library's "Corrupt JPEG data:
// premature end of data segment". The end of the file alone (a file that
// lacks only its end marker, a progressive file cut between two scans)
// still gives a whole picture and stays a warning.
//
// Only plain data lives here (it sits beside the codec structure in the
// caller's state), so a jump never skips a destructor.

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace trimlet {

struct JpegErrorManager {
  jpeg_error_mgr pub;  // first, so the library's pointer is also ours
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];  // the fatal error
  bool prematureEndIsFatal;
  bool fileEnded;  // the source has hit the end of the file
  void (*standardEmit)(j_common_ptr, int);
};

// Fills `manager` with the standard manager and the handlers above and
// returns the pointer to put into the codec structure's `err`.
jpeg_error_mgr* installJpegErrorManager(JpegErrorManager* manager);

// Fails the running read or write with a message of our own: it takes the
// same road back as a fatal library error.
[[noreturn]] void failJpeg(j_common_ptr cinfo, const char* message);

}  // namespace trimlet
