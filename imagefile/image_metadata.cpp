// Checking a source's EXIF and XMP blocks through Exiv2 and taking the
// orientation from the EXIF. See image_metadata.h for the contract.
#include "imagefile/image_metadata.h"

#include <exiv2/exif.hpp>
#include <exiv2/xmp_exiv2.hpp>

#include <cstdint>
#include <limits>

#include "imagefile/exiv2_session.h"

namespace trimlet {

namespace {

using exiv2_detail::runExiv2;
using exiv2_detail::runExiv2Xmp;

// "first; second" of Exiv2's messages, for a warning sentence.
std::string joined(const std::vector<std::string>& messages) {
  std::string text;
  for (const std::string& m : messages) text += (text.empty() ? "" : "; ") + m;
  return text;
}

void inspectExif(ImageMetadata* metadata) {
  std::vector<std::string> messages;
  std::string failure;
  bool readable = false;
  long orientation = kOrientationNormal;
  bool hasOrientation = false;
  const std::vector<uint8_t>& exif = metadata->exif;
  const bool ran = exif.size() <= std::numeric_limits<uint32_t>::max() &&
                   runExiv2(
                       [&] {
                         Exiv2::ExifData data;
                         const Exiv2::ByteOrder order = Exiv2::ExifParser::decode(
                             data, exif.data(), static_cast<uint32_t>(exif.size()));
                         if (order == Exiv2::invalidByteOrder || data.empty()) return;
                         readable = true;
                         const auto tag = data.findKey(Exiv2::ExifKey("Exif.Image.Orientation"));
                         if (tag != data.end() && tag->count() > 0) {
                           hasOrientation = true;
                           orientation = tag->toLong();
                         }
                       },
                       &messages, &failure);
  if (!ran || !readable) {
    metadata->exif.clear();
    const std::string why = !failure.empty()    ? failure
                            : !messages.empty() ? joined(messages)
                                                : "it holds no readable entry";
    metadata->warnings.push_back("The camera data (EXIF) could not be read and are left out (" +
                                 why + ").");
    return;
  }
  if (!messages.empty())
    metadata->warnings.push_back("Part of the camera data (EXIF) could not be read (" +
                                 joined(messages) + ").");
  if (hasOrientation && (orientation < 1 || orientation > 8)) {
    metadata->warnings.push_back("The EXIF orientation " + std::to_string(orientation) +
                                 " is not one of 1 to 8; the picture is taken as stored.");
    orientation = kOrientationNormal;
  }
  metadata->orientation = static_cast<int>(orientation);
}

void inspectXmp(ImageMetadata* metadata) {
  std::vector<std::string> messages;
  std::string failure;
  int code = 0;
  const bool ran = runExiv2Xmp(
      [&] {
        Exiv2::XmpData data;
        code = Exiv2::XmpParser::decode(data, metadata->xmp);
      },
      &messages, &failure);
  if (ran && code == 0) return;
  metadata->xmp.clear();
  const std::string why = !failure.empty()    ? failure
                          : !messages.empty() ? joined(messages)
                                              : "error " + std::to_string(code);
  metadata->warnings.push_back("The XMP data could not be read and are left out (" + why + ").");
}

}  // namespace

void inspectMetadata(ImageMetadata* metadata) {
  metadata->orientation = kOrientationNormal;
  if (!metadata->exif.empty()) inspectExif(metadata);
  if (!metadata->xmp.empty()) inspectXmp(metadata);
}

}  // namespace trimlet
