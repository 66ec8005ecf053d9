#include "tests/imagefile/png_bytes.h"

#include <algorithm>

namespace trimlet::test {

namespace {

uint32_t crc32(const uint8_t* data, size_t size, uint32_t crc = 0xFFFFFFFFu) {
  for (size_t i = 0; i < size; ++i) {
    crc ^= data[i];
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return crc;
}

uint32_t adler32(const std::vector<uint8_t>& data) {
  uint32_t a = 1, b = 0;
  for (uint8_t byte : data) {
    a = (a + byte) % 65521u;
    b = (b + a) % 65521u;
  }
  return (b << 16) | a;
}

void append(std::vector<uint8_t>* out, const std::vector<uint8_t>& bytes) {
  out->insert(out->end(), bytes.begin(), bytes.end());
}

void appendChunk(std::vector<uint8_t>* out, const std::string& type,
                 const std::vector<uint8_t>& data) {
  append(out, be32(static_cast<uint32_t>(data.size())));
  std::vector<uint8_t> body(type.begin(), type.end());
  append(&body, data);
  append(out, body);
  append(out, be32(crc32(body.data(), body.size()) ^ 0xFFFFFFFFu));
}

// A zlib stream of stored blocks.
std::vector<uint8_t> zlibStored(const std::vector<uint8_t>& data) {
  std::vector<uint8_t> out{0x78, 0x01};
  size_t at = 0;
  do {
    const size_t n = std::min<size_t>(65535, data.size() - at);
    const bool last = at + n == data.size();
    out.push_back(last ? 1 : 0);
    out.push_back(static_cast<uint8_t>(n));
    out.push_back(static_cast<uint8_t>(n >> 8));
    out.push_back(static_cast<uint8_t>(~n));
    out.push_back(static_cast<uint8_t>(~n >> 8));
    out.insert(out.end(), data.begin() + at, data.begin() + at + n);
    at += n;
  } while (at < data.size());
  append(&out, be32(adler32(data)));
  return out;
}

}  // namespace

std::vector<uint8_t> be16(uint32_t value) {
  return {static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value)};
}

std::vector<uint8_t> be32(uint32_t value) {
  return {static_cast<uint8_t>(value >> 24), static_cast<uint8_t>(value >> 16),
          static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value)};
}

std::vector<uint8_t> pngFile(uint32_t width, uint32_t height, int bitDepth, int colourType,
                             const std::vector<std::vector<uint8_t>>& rows,
                             const std::vector<PngChunk>& extra) {
  std::vector<uint8_t> file{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  std::vector<uint8_t> header = be32(width);
  append(&header, be32(height));
  append(&header, {static_cast<uint8_t>(bitDepth), static_cast<uint8_t>(colourType), 0, 0, 0});
  appendChunk(&file, "IHDR", header);
  for (const auto& chunk : extra) appendChunk(&file, chunk.type, chunk.data);
  std::vector<uint8_t> raw;
  for (const auto& row : rows) {
    raw.push_back(0);  // filter type None
    append(&raw, row);
  }
  appendChunk(&file, "IDAT", zlibStored(raw));
  appendChunk(&file, "IEND", {});
  return file;
}

std::vector<PngChunk> pngChunks(const std::vector<uint8_t>& file) {
  std::vector<PngChunk> chunks;
  size_t at = 8;
  while (at + 12 <= file.size()) {
    const uint32_t length = (uint32_t(file[at]) << 24) | (uint32_t(file[at + 1]) << 16) |
                            (uint32_t(file[at + 2]) << 8) | file[at + 3];
    if (length > file.size() - at - 12) break;
    PngChunk chunk;
    chunk.type.assign(file.begin() + at + 4, file.begin() + at + 8);
    chunk.data.assign(file.begin() + at + 8, file.begin() + at + 8 + length);
    chunks.push_back(chunk);
    at += 12 + length;
  }
  return chunks;
}

bool hasChunk(const std::vector<uint8_t>& file, const std::string& type) {
  for (const auto& chunk : pngChunks(file))
    if (chunk.type == type) return true;
  return false;
}

}  // namespace trimlet::test
