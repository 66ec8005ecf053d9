#include "imagefile/png_error.h"

#include <cstdio>

namespace trimlet {

void pngErrorReturn(png_structp png, png_const_charp message) {
  auto* state = static_cast<PngErrorState*>(png_get_error_ptr(png));
  const char* text = message ? message : "unknown error";
  std::fprintf(stderr, "libpng error: %s\n", text);
  std::snprintf(state->message, sizeof state->message, "%s", text);
  std::longjmp(state->jump, 1);
}

}  // namespace trimlet
