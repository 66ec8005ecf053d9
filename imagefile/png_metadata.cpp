// Reading and writing a PNG file's metadata chunks. See png_metadata.h.
#include "imagefile/png_metadata.h"

#include <cstring>
#include <string>

namespace trimlet::png_detail {

namespace {

// The library's first warning about `chunk`, or "" when it gave none.
std::string chunkWarning(const PngErrorState& error, const char* chunk) {
  for (int i = 0; i < error.chunkWarningCount; ++i)
    if (std::strncmp(error.chunkWarnings[i], chunk, 4) == 0) return error.chunkWarnings[i];
  return std::string();
}

}  // namespace

void gatherPngMetadata(png_structp png, png_infop info, const PngErrorState& error,
                       ImageMetadata* metadata) {
  png_charp name = nullptr;
  int compression = 0;
  png_bytep profile = nullptr;
  png_uint_32 profileLength = 0;
  if (png_get_iCCP(png, info, &name, &compression, &profile, &profileLength) && profile) {
    metadata->iccProfile.assign(profile, profile + profileLength);
  } else {
    const std::string warning = chunkWarning(error, "iCCP");
    if (!warning.empty())
      metadata->warnings.push_back("The colour profile could not be read and is left out (" +
                                   warning + ").");
  }

  png_bytep exif = nullptr;
  png_uint_32 exifLength = 0;
  if (png_get_eXIf_1(png, info, &exifLength, &exif) && exif) {
    metadata->exif.assign(exif, exif + exifLength);
  } else {
    const std::string warning = chunkWarning(error, "eXIf");
    if (!warning.empty())
      metadata->warnings.push_back("The camera data (EXIF) could not be read and are left out (" +
                                   warning + ").");
  }

  png_textp text = nullptr;
  int count = 0;
  png_get_text(png, info, &text, &count);
  for (int i = 0; i < count; ++i) {
    if (!text[i].key || std::strcmp(text[i].key, kXmpKeyword) != 0 || !text[i].text) continue;
    const size_t length = text[i].compression >= PNG_ITXT_COMPRESSION_NONE ? text[i].itxt_length
                                                                           : text[i].text_length;
    metadata->xmp.assign(text[i].text, length);
    break;
  }
}

void setPngMetadata(png_structp png, png_infop info, const ImageMetadata& metadata) {
  if (!metadata.iccProfile.empty()) {
    // A profile the library refuses is a warning here, not the end of the write.
    png_set_benign_errors(png, 1);
    png_set_iCCP(png, info, "ICC profile", PNG_COMPRESSION_TYPE_BASE, metadata.iccProfile.data(),
                 static_cast<png_uint_32>(metadata.iccProfile.size()));
  }
  if (!metadata.exif.empty())
    png_set_eXIf_1(png, info, static_cast<png_uint_32>(metadata.exif.size()),
                   const_cast<png_bytep>(metadata.exif.data()));
  if (!metadata.xmp.empty()) {
    png_text xmp;
    std::memset(&xmp, 0, sizeof xmp);
    xmp.compression = PNG_ITXT_COMPRESSION_NONE;
    xmp.key = const_cast<png_charp>(kXmpKeyword);
    xmp.text = const_cast<png_charp>(metadata.xmp.data());
    xmp.itxt_length = metadata.xmp.size();
    xmp.lang = const_cast<png_charp>("");
    xmp.lang_key = const_cast<png_charp>("");
    png_set_text(png, info, &xmp, 1);
  }
}

}  // namespace trimlet::png_detail
