#pragma once
// A PNG file's metadata chunks through libpng, internal to imagefile/:
// iCCP (the ICC profile, inflated by the library), eXIf (the camera data)
// and the text chunk with the keyword "XML:com.adobe.xmp" (iTXt, or zTXt /
// tEXt as some writers use) holding the XMP packet. Chunks after the
// picture data count too: the reader passes its info structure to
// png_read_end.

#include <png.h>

#include "imagefile/image_metadata.h"
#include "imagefile/png_error.h"

namespace trimlet::png_detail {

// The keyword of the text chunk that holds XMP.
constexpr char kXmpKeyword[] = "XML:com.adobe.xmp";

// After png_read_end, outside any jump point: the chunks as raw blocks in
// *metadata (inspectMetadata checks them). A profile or camera-data chunk
// the library refused (its warnings kept in `error`) becomes a warning.
void gatherPngMetadata(png_structp png, png_infop info, const PngErrorState& error,
                       ImageMetadata* metadata);

// Before png_write_info, inside the writer's jump point: the blocks of
// `metadata` as iCCP, eXIf and an uncompressed iTXt chunk (the library
// copies them). A profile the library finds unfit for the picture is left
// out with a warning on standard error, never failing the write.
void setPngMetadata(png_structp png, png_infop info, const ImageMetadata& metadata);

}  // namespace trimlet::png_detail
