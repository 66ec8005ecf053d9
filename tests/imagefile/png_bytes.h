#pragma once
// PNG files built byte by byte for the tests (stored, uncompressed deflate
// blocks), so every colour type, depth and chunk combination has a known
// answer without another encoder; and a chunk lister to inspect written files.

#include <cstdint>
#include <string>
#include <vector>

namespace trimlet::test {

struct PngChunk {
  std::string type;
  std::vector<uint8_t> data;
};

// A complete file: signature, IHDR, the `extra` chunks (PLTE, tRNS, bKGD,
// gAMA ... in the given order), one IDAT holding the rows (top row first,
// packed samples, each row given without its filter byte), IEND.
std::vector<uint8_t> pngFile(uint32_t width, uint32_t height, int bitDepth, int colourType,
                             const std::vector<std::vector<uint8_t>>& rows,
                             const std::vector<PngChunk>& extra = {});

// The chunks of a file after its signature (empty when it has none).
std::vector<PngChunk> pngChunks(const std::vector<uint8_t>& file);
bool hasChunk(const std::vector<uint8_t>& file, const std::string& type);

// Big-endian helpers for chunk contents.
std::vector<uint8_t> be16(uint32_t value);
std::vector<uint8_t> be32(uint32_t value);

}  // namespace trimlet::test
