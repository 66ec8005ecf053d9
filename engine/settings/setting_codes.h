#pragma once
// The modes and codes of the crop settings. Their numbers are the ones the
// profile store holds; a number read from a damaged profile is kept as it is
// (each enum holds any int) until a gather or a check brings it into range.

namespace trimlet {

enum class CroppingMode { kAuto = 0, kManual = 1 };
enum class EdgeType { kAll = 0, kLeft = 1, kRight = 2, kTop = 3, kBottom = 4 };
enum class CutType { kPercent = 0, kPixels = 1 };
enum class CutDirection { kOutward = 0, kInward = 1 };
enum class SizeMode { kWidthHeight = 0, kOneSide = 1 };
enum class SelSide { kLong = 0, kShort = 1 };
// The format of the files a batch writes: JPEG, Targa, bitmap, the source's
// own format (the path unchanged), PNG.
enum class OutputFormat { kJpeg = 0, kTarga = 1, kBitmap = 2, kSame = 3, kPng = 4 };

// The stored number of a mode or code.
template <typename Enum>
constexpr int toInt(Enum value) {
  return static_cast<int>(value);
}

}  // namespace trimlet
