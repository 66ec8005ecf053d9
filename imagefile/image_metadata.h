#pragma once
// ImageMetadata: what a JPEG or PNG file carries besides its pixels and
// what Trimlet keeps from a source for its result.
//
// Layout
//   - iccProfile: the whole ICC colour profile (a JPEG's APP2 chunks put back
//     together, a PNG's iCCP inflated), empty when there is none;
//   - exif: the camera data as one TIFF structure, starting "II*\0" or
//     "MM\0*" (a JPEG's APP1 without its "Exif\0\0" header, a PNG's eXIf);
//   - xmp: the XMP packet as UTF-8 text (APP1 "http://ns.adobe.com/xap/1.0/",
//     or a PNG text chunk with the keyword "XML:com.adobe.xmp");
//   - orientation: the EXIF orientation of the pixels as stored, 1-8
//     (1 when there is no EXIF or no usable tag);
//   - warnings: one English sentence for each block that was dropped or only
//     partly read.
// Failure: a block that cannot be read is dropped with a warning; it never
// fails the picture. inspectMetadata (Exiv2) decides what is readable.
// Limits: a JPEG marker holds at most 65533 bytes; a profile spread over
// APP2 chunks is at most 255 of them.

#include <cstdint>
#include <string>
#include <vector>

namespace trimlet {

constexpr int kOrientationNormal = 1;

struct ImageMetadata {
  std::vector<uint8_t> iccProfile;
  std::vector<uint8_t> exif;
  std::string xmp;
  int orientation = kOrientationNormal;
  std::vector<std::string> warnings;

  bool hasBlocks() const { return !iccProfile.empty() || !exif.empty() || !xmp.empty(); }
};

// Checks the EXIF and XMP blocks through Exiv2: a block Exiv2 cannot decode
// is dropped with a warning; the orientation is taken from the EXIF tag
// Orientation (a value outside 1-8 counts as 1, with a warning). Warnings
// Exiv2 gives while decoding a block it could read are kept as warnings.
void inspectMetadata(ImageMetadata* metadata);

}  // namespace trimlet
