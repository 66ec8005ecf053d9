// Reading and writing a JPEG file's metadata markers. See jpeg_metadata.h.
#include "imagefile/jpeg_metadata.h"

#include <cstring>

#include "imagefile/result_metadata.h"

namespace trimlet::jpeg_detail {

namespace {

constexpr int kApp1 = JPEG_APP0 + 1;
constexpr int kApp2 = JPEG_APP0 + 2;
constexpr char kExifHeader[] = "Exif\0";  // with the string's own zero: 6 bytes
constexpr size_t kExifHeaderSize = 6;
constexpr char kXmpHeader[] = "http://ns.adobe.com/xap/1.0/";  // and its zero: 29 bytes
constexpr size_t kXmpHeaderSize = sizeof kXmpHeader;
constexpr char kExtendedXmpHeader[] = "http://ns.adobe.com/xmp/extension/";
constexpr char kIccHeader[] = "ICC_PROFILE";  // and its zero: 12 bytes

bool startsWith(const jpeg_marker_struct* marker, const char* header, size_t size) {
  return marker->data_length >= size && std::memcmp(marker->data, header, size) == 0;
}

// One marker's header and `size` bytes of data, a byte at a time: the data
// need no buffer of their own behind the header.
void writeMarker(j_compress_ptr cinfo, int code, const char* header, size_t headerSize,
                 const uint8_t* data, size_t size) {
  jpeg_write_m_header(cinfo, code, static_cast<unsigned int>(headerSize + size));
  for (size_t i = 0; i < headerSize; ++i) jpeg_write_m_byte(cinfo, header[i]);
  for (size_t i = 0; i < size; ++i) jpeg_write_m_byte(cinfo, data[i]);
}

}  // namespace

void keepMetadataMarkers(j_decompress_ptr cinfo) {
  jpeg_save_markers(cinfo, kApp1, 0xFFFF);
  jpeg_save_markers(cinfo, kApp2, 0xFFFF);
}

void readIccProfile(j_decompress_ptr cinfo, JpegIccProfile* profile) {
  if (!jpeg_read_icc_profile(cinfo, &profile->data, &profile->length)) {
    profile->data = nullptr;
    profile->length = 0;
  }
}

void gatherJpegMetadata(j_decompress_ptr cinfo, const JpegIccProfile& profile,
                        ImageMetadata* metadata) {
  bool iccMarkers = false, extendedXmp = false;
  for (const jpeg_marker_struct* m = cinfo->marker_list; m; m = m->next) {
    if (m->marker == kApp2) {
      iccMarkers = iccMarkers || startsWith(m, kIccHeader, sizeof kIccHeader);
    } else if (m->marker != kApp1) {
      continue;
    } else if (startsWith(m, kExifHeader, kExifHeaderSize)) {
      // The first EXIF marker is the camera's; a later one is not read.
      if (metadata->exif.empty())
        metadata->exif.assign(m->data + kExifHeaderSize, m->data + m->data_length);
    } else if (startsWith(m, kXmpHeader, kXmpHeaderSize)) {
      if (metadata->xmp.empty())
        metadata->xmp.assign(reinterpret_cast<const char*>(m->data) + kXmpHeaderSize,
                             m->data_length - kXmpHeaderSize);
    } else if (startsWith(m, kExtendedXmpHeader, sizeof kExtendedXmpHeader)) {
      extendedXmp = true;
    }
  }
  // A packet may end in zero padding, which is not part of the XML.
  while (!metadata->xmp.empty() && metadata->xmp.back() == '\0') metadata->xmp.pop_back();
  if (profile.data) {
    metadata->iccProfile.assign(profile.data, profile.data + profile.length);
  } else if (iccMarkers) {
    metadata->warnings.push_back(
        "The colour profile could not be put together from its parts and is left out.");
  }
  if (extendedXmp) metadata->warnings.push_back("The extended part of the XMP data is left out.");
}

void writeJpegMetadata(j_compress_ptr cinfo, const ImageMetadata& metadata) {
  if (!metadata.exif.empty() && metadata.exif.size() <= kJpegExifLimit)
    writeMarker(cinfo, kApp1, kExifHeader, kExifHeaderSize, metadata.exif.data(),
                metadata.exif.size());
  if (!metadata.xmp.empty() && metadata.xmp.size() <= kJpegXmpLimit)
    writeMarker(cinfo, kApp1, kXmpHeader, kXmpHeaderSize,
                reinterpret_cast<const uint8_t*>(metadata.xmp.data()), metadata.xmp.size());
  if (!metadata.iccProfile.empty() && metadata.iccProfile.size() <= kJpegIccLimit)
    jpeg_write_icc_profile(cinfo, metadata.iccProfile.data(),
                           static_cast<unsigned int>(metadata.iccProfile.size()));
}

}  // namespace trimlet::jpeg_detail
