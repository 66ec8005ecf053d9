#pragma once
// The libpng error return of one read or write. The error callback prints
// "libpng error: %s\n" on standard error, keeps the message and jumps back to
// the point armed in this call's state; it never returns to the library.
// The state is plain data held by the caller, one per call, so two reads or
// writes may run at once on two threads.

#include <csetjmp>

#include <png.h>

namespace trimlet {

struct PngErrorState {
  std::jmp_buf jump;
  char message[256];
};

// The error callback; the structure's error pointer must be a PngErrorState.
[[noreturn]] void pngErrorReturn(png_structp png, png_const_charp message);

}  // namespace trimlet
