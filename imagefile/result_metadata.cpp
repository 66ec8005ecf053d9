// A source's metadata made ready for its result. See result_metadata.h.
#include "imagefile/result_metadata.h"

#include <exiv2/exif.hpp>
#include <exiv2/xmp_exiv2.hpp>

#include <limits>

#include "imagefile/exiv2_session.h"

namespace trimlet {

namespace {

using exiv2_detail::runExiv2;
using exiv2_detail::runExiv2Xmp;

std::string because(const std::string& failure, const std::vector<std::string>& messages,
                    const std::string& otherwise) {
  if (!failure.empty()) return " (" + failure + ")";
  if (!messages.empty()) return " (" + messages.front() + ")";
  return otherwise.empty() ? std::string() : " (" + otherwise + ")";
}

uint32_t bigEndian32(const uint8_t* p) {
  return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}

// The profile header: its declared size, the "acsp" signature and the
// colour space of the data it describes.
void carryProfile(const std::vector<uint8_t>& profile, MetadataTarget target, ImageMetadata* out) {
  if (profile.empty()) return;
  const bool sound = profile.size() >= 132 && bigEndian32(profile.data()) == profile.size() &&
                     std::equal(profile.begin() + 36, profile.begin() + 40, "acsp");
  if (!sound) {
    out->warnings.push_back("The colour profile is damaged and is left out.");
    return;
  }
  const std::string space(profile.begin() + 16, profile.begin() + 20);
  if (target != MetadataTarget::kLosslessJpeg && space != "RGB ") {
    out->warnings.push_back("The colour profile is for \"" + space +
                            "\" data, not for the red, green and blue of the result; it is left "
                            "out.");
    return;
  }
  if (target != MetadataTarget::kPng && profile.size() > kJpegIccLimit) {
    out->warnings.push_back("The colour profile is too large for a JPEG file and is left out.");
    return;
  }
  out->iccProfile = profile;
}

void carryExif(const std::vector<uint8_t>& exif, int32_t width, int32_t height,
               MetadataTarget target, ImageMetadata* out) {
  if (exif.empty()) return;
  std::vector<std::string> messages;
  std::string failure;
  std::vector<uint8_t> encoded;
  const bool ran = exif.size() <= std::numeric_limits<uint32_t>::max() &&
                   runExiv2(
                       [&] {
                         Exiv2::ExifData data;
                         // Non-intrusive encoding updates its input in place: work on a copy.
                         std::vector<uint8_t> bytes(exif);
                         const auto size = static_cast<uint32_t>(bytes.size());
                         const Exiv2::ByteOrder order =
                             Exiv2::ExifParser::decode(data, bytes.data(), size);
                         if (order == Exiv2::invalidByteOrder || data.empty()) return;
                         Exiv2::ExifThumb(data).erase();
                         data["Exif.Image.Orientation"] = static_cast<uint16_t>(kOrientationNormal);
                         data["Exif.Photo.PixelXDimension"] = static_cast<uint32_t>(width);
                         data["Exif.Photo.PixelYDimension"] = static_cast<uint32_t>(height);
                         Exiv2::Blob blob;
                         if (Exiv2::ExifParser::encode(blob, bytes.data(), size, order, data) ==
                             Exiv2::wmNonIntrusive)
                           encoded = std::move(bytes);
                         else
                           encoded.assign(blob.begin(), blob.end());
                       },
                       &messages, &failure);
  if (!ran || encoded.empty()) {
    out->warnings.push_back("The camera data (EXIF) could not be carried into the result" +
                            because(failure, messages, "") + ".");
    return;
  }
  if (target != MetadataTarget::kPng && encoded.size() > kJpegExifLimit) {
    out->warnings.push_back("The camera data (EXIF) are too large for a JPEG file (" +
                            std::to_string(encoded.size()) + " bytes) and are left out.");
    return;
  }
  out->exif = std::move(encoded);
}

void carryXmp(const std::string& xmp, int32_t width, int32_t height, MetadataTarget target,
              ImageMetadata* out) {
  if (xmp.empty()) return;
  std::vector<std::string> messages;
  std::string failure;
  int code = 0;
  std::string encoded;
  const bool ran = runExiv2Xmp(
      [&] {
        Exiv2::XmpData data;
        code = Exiv2::XmpParser::decode(data, xmp);
        if (code != 0) return;
        bool changed = false;
        const auto setIfPresent = [&](const char* key, const std::string& value) {
          const auto found = data.findKey(Exiv2::XmpKey(key));
          if (found == data.end() || found->toString() == value) return;
          found->setValue(value);
          changed = true;
        };
        setIfPresent("Xmp.tiff.Orientation", std::to_string(kOrientationNormal));
        setIfPresent("Xmp.tiff.ImageWidth", std::to_string(width));
        setIfPresent("Xmp.tiff.ImageLength", std::to_string(height));
        setIfPresent("Xmp.exif.PixelXDimension", std::to_string(width));
        setIfPresent("Xmp.exif.PixelYDimension", std::to_string(height));
        if (!changed) {
          encoded = xmp;
          return;
        }
        code = Exiv2::XmpParser::encode(encoded, data);
      },
      &messages, &failure);
  if (!ran || code != 0 || encoded.empty()) {
    out->warnings.push_back(
        "The XMP data could not be carried into the result" +
        because(failure, messages, code ? "error " + std::to_string(code) : "") + ".");
    return;
  }
  if (target != MetadataTarget::kPng && encoded.size() > kJpegXmpLimit) {
    out->warnings.push_back("The XMP data are too large for a JPEG file (" +
                            std::to_string(encoded.size()) + " bytes) and are left out.");
    return;
  }
  out->xmp = std::move(encoded);
}

}  // namespace

ImageMetadata metadataForResult(const ImageMetadata& source, int32_t width, int32_t height,
                                MetadataTarget target) {
  ImageMetadata out;
  carryProfile(source.iccProfile, target, &out);
  carryExif(source.exif, width, height, target, &out);
  carryXmp(source.xmp, width, height, target, &out);
  return out;
}

}  // namespace trimlet
