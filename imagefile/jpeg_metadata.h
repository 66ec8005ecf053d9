#pragma once
// A JPEG file's metadata markers through libjpeg, internal to imagefile/:
// APP1 (EXIF "Exif\0\0", XMP "http://ns.adobe.com/xap/1.0/\0") and APP2
// (the "ICC_PROFILE" chunks) kept whole while the header is read, gathered
// into an ImageMetadata afterwards, and written after the start of
// compression (APP1 EXIF, APP1 XMP, then the profile's APP2 chunks, all
// after the JFIF marker).
//
// The functions marked "inside a jump point" call the library, which may
// fail through the caller's armed error return; they allocate nothing of
// ours. The others build C++ objects and call nothing that can jump.

#include <cstdio>

#include <jpeglib.h>

#include "imagefile/image_metadata.h"

namespace trimlet::jpeg_detail {

// Before jpeg_read_header: APP1 and APP2 markers are kept whole.
void keepMetadataMarkers(j_decompress_ptr cinfo);

// The profile jpeg_read_icc_profile put together (malloc'ed; the owner
// frees it with std::free).
struct JpegIccProfile {
  JOCTET* data = nullptr;
  unsigned int length = 0;
};
// After jpeg_read_header, inside a jump point.
void readIccProfile(j_decompress_ptr cinfo, JpegIccProfile* profile);

// After the header, outside any jump point: the kept markers and the profile
// as raw blocks in *metadata (inspectMetadata checks them). An ICC marker
// whose chunks do not make a profile, and extended XMP (spread over several
// markers), are left out with a warning.
void gatherJpegMetadata(j_decompress_ptr cinfo, const JpegIccProfile& profile,
                        ImageMetadata* metadata);

// After jpeg_start_compress and before the first scan line, inside a jump
// point: the blocks of `metadata` as markers. Blocks larger than one marker
// holds (kJpegExifLimit, kJpegXmpLimit, kJpegIccLimit) are skipped; metadataForResult has
// already left them out with a warning.
void writeJpegMetadata(j_compress_ptr cinfo, const ImageMetadata& metadata);

}  // namespace trimlet::jpeg_detail
