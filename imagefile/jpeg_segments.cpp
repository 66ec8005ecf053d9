// Metadata markers as bytes. See jpeg_segments.h.
#include "imagefile/jpeg_segments.h"

#include <algorithm>
#include <cstring>

#include "imagefile/result_metadata.h"

namespace trimlet {

namespace {

constexpr size_t kIccChunkLimit = 65519;  // 65533 less the 14-byte chunk header

// One marker: FF, code, the length (itself included) and the parts.
void appendSegment(std::vector<uint8_t>* out, uint8_t code, const void* head, size_t headSize,
                   const uint8_t* data, size_t size) {
  const size_t length = 2 + headSize + size;
  out->insert(out->end(),
              {0xFF, code, static_cast<uint8_t>(length >> 8), static_cast<uint8_t>(length & 0xFF)});
  const auto* h = static_cast<const uint8_t*>(head);
  out->insert(out->end(), h, h + headSize);
  out->insert(out->end(), data, data + size);
}

}  // namespace

std::vector<uint8_t> jpegMetadataSegments(const ImageMetadata& metadata) {
  std::vector<uint8_t> out;
  if (!metadata.exif.empty() && metadata.exif.size() <= kJpegExifLimit)
    appendSegment(&out, 0xE1, "Exif\0", 6, metadata.exif.data(), metadata.exif.size());
  if (!metadata.xmp.empty() && metadata.xmp.size() <= kJpegXmpLimit)
    appendSegment(&out, 0xE1, "http://ns.adobe.com/xap/1.0/", 29,
                  reinterpret_cast<const uint8_t*>(metadata.xmp.data()), metadata.xmp.size());
  const std::vector<uint8_t>& icc = metadata.iccProfile;
  if (!icc.empty() && icc.size() <= kJpegIccLimit) {
    const size_t count = (icc.size() + kIccChunkLimit - 1) / kIccChunkLimit;
    for (size_t i = 0; i < count; ++i) {
      uint8_t head[14] = "ICC_PROFILE";
      head[12] = static_cast<uint8_t>(i + 1);
      head[13] = static_cast<uint8_t>(count);
      const size_t start = i * kIccChunkLimit;
      appendSegment(&out, 0xE2, head, sizeof head, icc.data() + start,
                    std::min(kIccChunkLimit, icc.size() - start));
    }
  }
  return out;
}

size_t jpegMetadataInsertionPoint(const uint8_t* jpeg, size_t size) {
  if (size < 4 || jpeg[0] != 0xFF || jpeg[1] != 0xD8) return 0;
  size_t at = 2;
  while (at + 4 <= size && jpeg[at] == 0xFF && jpeg[at + 1] == 0xE0) {
    const size_t length = size_t(jpeg[at + 2]) << 8 | jpeg[at + 3];
    if (length < 2 || at + 2 + length > size) return 0;
    at += 2 + length;
  }
  return at;
}

}  // namespace trimlet
