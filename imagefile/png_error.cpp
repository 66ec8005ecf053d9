#include "imagefile/png_error.h"

#include <cstdio>
#include <cstring>

namespace trimlet {

void pngErrorReturn(png_structp png, png_const_charp message) {
  auto* state = static_cast<PngErrorState*>(png_get_error_ptr(png));
  const char* text = message ? message : "unknown error";
  std::fprintf(stderr, "libpng error: %s\n", text);
  std::snprintf(state->message, sizeof state->message, "%s", text);
  std::longjmp(state->jump, 1);
}

void pngWarning(png_structp png, png_const_charp message) {
  auto* state = static_cast<PngErrorState*>(png_get_error_ptr(png));
  const char* text = message ? message : "unknown warning";
  std::fprintf(stderr, "libpng warning: %s\n", text);
  // The library names the chunk first ("iCCP: ...") in chunk warnings.
  const bool metadataChunk =
      std::strncmp(text, "iCCP", 4) == 0 || std::strncmp(text, "eXIf", 4) == 0;
  if (metadataChunk && state->chunkWarningCount < kPngKeptWarnings) {
    std::snprintf(state->chunkWarnings[state->chunkWarningCount], sizeof state->chunkWarnings[0],
                  "%s", text);
    ++state->chunkWarningCount;
  }
}

}  // namespace trimlet
