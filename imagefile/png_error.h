#pragma once
// The libpng error return of one read or write. The error callback prints
// "libpng error: %s\n" on standard error, keeps the message and jumps back to
// the point armed in this call's state; it never returns to the library.
// The warning callback prints "libpng warning: %s\n" (as the library's own
// does) and keeps the first few warnings about metadata chunks (iCCP, eXIf),
// which the reader turns into metadata warnings.
// The state is plain data held by the caller, one per call, so two reads or
// writes may run at once on two threads.

#include <csetjmp>

#include <png.h>

namespace trimlet {

constexpr int kPngKeptWarnings = 4;

struct PngErrorState {
  std::jmp_buf jump;
  char message[256];
  char chunkWarnings[kPngKeptWarnings][160] = {};
  int chunkWarningCount = 0;
};

// The error callback; the structure's error pointer must be a PngErrorState.
[[noreturn]] void pngErrorReturn(png_structp png, png_const_charp message);
// The warning callback, for the same structure.
void pngWarning(png_structp png, png_const_charp message);

}  // namespace trimlet
