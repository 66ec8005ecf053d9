#include "tests/imagefile/metadata_files.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <jpeglib.h>

namespace trimlet::test {

namespace {

void put16(Bytes* b, uint32_t v) {
  b->push_back(static_cast<uint8_t>(v));
  b->push_back(static_cast<uint8_t>(v >> 8));
}
void put32(Bytes* b, uint32_t v) {
  put16(b, v & 0xFFFF);
  put16(b, v >> 16);
}
void patch32(Bytes* b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) (*b)[at + i] = static_cast<uint8_t>(v >> (8 * i));
}
void putBig32(Bytes* b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) (*b)[at + i] = static_cast<uint8_t>(v >> (24 - 8 * i));
}

constexpr uint16_t kShort = 3, kLong = 4, kAscii = 2;

struct Entry {
  uint16_t tag, type;
  uint32_t value;  // for SHORT and LONG
  Bytes data;      // for ASCII, stored after the directory
};

// Appends a directory and its data; returns where its entries' value fields
// are (in entry order) and, last, where its next-directory field is.
std::vector<size_t> appendIfd(Bytes* b, const std::vector<Entry>& entries) {
  std::vector<size_t> fields;
  size_t dataAt = b->size() + 2 + 12 * entries.size() + 4;
  Bytes data;
  put16(b, static_cast<uint32_t>(entries.size()));
  for (const Entry& e : entries) {
    put16(b, e.tag);
    put16(b, e.type);
    put32(b, e.data.empty() ? 1 : static_cast<uint32_t>(e.data.size()));
    fields.push_back(b->size());
    if (!e.data.empty()) {
      put32(b, static_cast<uint32_t>(dataAt + data.size()));
      data.insert(data.end(), e.data.begin(), e.data.end());
      if (data.size() % 2) data.push_back(0);
    } else if (e.type == kShort) {
      put16(b, e.value);
      put16(b, 0);
    } else {
      put32(b, e.value);
    }
  }
  fields.push_back(b->size());
  put32(b, 0);
  b->insert(b->end(), data.begin(), data.end());
  return fields;
}

Bytes text(const char* s) { return Bytes(s, s + std::strlen(s) + 1); }

}  // namespace

Bytes iccProfile(const char* space, size_t size, uint8_t seed) {
  Bytes p(size, 0);
  putBig32(&p, 0, static_cast<uint32_t>(size));
  putBig32(&p, 8, 0x02100000);
  std::memcpy(&p[12], "mntr", 4);
  std::memcpy(&p[16], space, 4);
  std::memcpy(&p[20], "XYZ ", 4);
  std::memcpy(&p[36], "acsp", 4);
  putBig32(&p, 68, 0x0000F6D6);  // the D50 white point
  putBig32(&p, 72, 0x00010000);
  putBig32(&p, 76, 0x0000D32D);
  // One tag: the white point, an XYZ value.
  putBig32(&p, 128, 1);
  std::memcpy(&p[132], "wtpt", 4);
  putBig32(&p, 136, 144);
  putBig32(&p, 140, 20);
  std::memcpy(&p[144], "XYZ ", 4);
  putBig32(&p, 152, 0x0000F6D6);
  putBig32(&p, 156, 0x00010000);
  putBig32(&p, 160, 0x0000D32D);
  // Bytes that do not compress after the tag (libpng reads no iCCP chunk
  // shorter than 92 bytes), ending in the seed.
  uint32_t noise = 12345u + seed;
  for (size_t i = 164; i < size; ++i)
    p[i] = static_cast<uint8_t>((noise = noise * 1103515245u + 12345u) >> 24);
  p[size - 1] = seed;
  return p;
}

Bytes exifBlock(int orientation) {
  Bytes b{'I', 'I', 42, 0};
  put32(&b, 8);
  std::vector<Entry> ifd0{{0x010F, kAscii, 0, text("Trimlet test")}};
  if (orientation) ifd0.push_back({0x0112, kShort, static_cast<uint32_t>(orientation), {}});
  ifd0.push_back({0x8769, kLong, 0, {}});
  const std::vector<size_t> zero = appendIfd(&b, ifd0);
  patch32(&b, zero[zero.size() - 2], static_cast<uint32_t>(b.size()));
  appendIfd(&b, {{0x9003, kAscii, 0, text("2024:05:06 07:08:09")},
                 {0xA002, kLong, 640, {}},
                 {0xA003, kLong, 480, {}}});
  patch32(&b, zero.back(), static_cast<uint32_t>(b.size()));
  const std::vector<size_t> one =
      appendIfd(&b, {{0x0103, kShort, 6, {}}, {0x0201, kLong, 0, {}}, {0x0202, kLong, 6, {}}});
  patch32(&b, one[1], static_cast<uint32_t>(b.size()));
  b.insert(b.end(), {0xFF, 0xD8, 0xFF, 0xD9, 0, 0});
  return b;
}

std::string xmpPacket(int orientation) {
  return "<?xpacket begin=\"\xEF\xBB\xBF\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n"
         "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\"><rdf:RDF "
         "xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\"><rdf:Description "
         "rdf:about=\"\" xmlns:tiff=\"http://ns.adobe.com/tiff/1.0/\" "
         "xmlns:exif=\"http://ns.adobe.com/exif/1.0/\" "
         "xmlns:dc=\"http://purl.org/dc/elements/1.1/\" tiff:Orientation=\"" +
         std::to_string(orientation) +
         "\" exif:PixelXDimension=\"640\"><dc:title><rdf:Alt><rdf:li "
         "xml:lang=\"x-default\">Harbour</rdf:li></rdf:Alt></dc:title></rdf:Description>"
         "</rdf:RDF></x:xmpmeta>\n<?xpacket end=\"w\"?>";
}

JpegMarker exifMarker(const Bytes& tiff) {
  Bytes data{'E', 'x', 'i', 'f', 0, 0};
  data.insert(data.end(), tiff.begin(), tiff.end());
  return {JPEG_APP0 + 1, data};
}

JpegMarker xmpMarker(const std::string& packet) {
  const std::string header("http://ns.adobe.com/xap/1.0/");
  Bytes data(header.begin(), header.end());
  data.push_back(0);
  data.insert(data.end(), packet.begin(), packet.end());
  return {JPEG_APP0 + 1, data};
}

Bytes jpegFile(const ImageBuffer& image, int h, int v, const std::vector<JpegMarker>& markers,
               const Bytes& profile, bool progressive) {
  jpeg_compress_struct cinfo;
  jpeg_error_mgr error;
  cinfo.err = jpeg_std_error(&error);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  const bool grey = h == 0;
  cinfo.image_width = image.width();
  cinfo.image_height = image.height();
  cinfo.input_components = grey ? 1 : 3;
  cinfo.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 100, TRUE);
  if (!grey) {
    cinfo.comp_info[0].h_samp_factor = h;
    cinfo.comp_info[0].v_samp_factor = v;
  }
  if (progressive) jpeg_simple_progression(&cinfo);
  jpeg_start_compress(&cinfo, TRUE);
  for (const JpegMarker& m : markers)
    jpeg_write_marker(&cinfo, m.code, m.data.data(), static_cast<unsigned>(m.data.size()));
  if (!profile.empty())
    jpeg_write_icc_profile(&cinfo, profile.data(), static_cast<unsigned>(profile.size()));
  Bytes line(static_cast<size_t>(image.width()) * 3);
  while (cinfo.next_scanline < cinfo.image_height) {
    const uint8_t* row = image.row(image.height() - 1 - static_cast<int>(cinfo.next_scanline));
    for (int x = 0; x < image.width(); ++x)
      for (int c = 0; c < (grey ? 1 : 3); ++c)
        line[x * (grey ? 1 : 3) + c] = row[x * image.channels() + c];
    JSAMPROW rows[1] = {line.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  Bytes file(buffer, buffer + size);
  std::free(buffer);
  return file;
}

ImageBuffer decodeBlockwise(const Bytes& file) {
  jpeg_decompress_struct cinfo;
  jpeg_error_mgr error;
  cinfo.err = jpeg_std_error(&error);
  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, file.data(), static_cast<unsigned long>(file.size()));
  jpeg_read_header(&cinfo, TRUE);
  cinfo.out_color_space = JCS_RGB;
  cinfo.do_fancy_upsampling = FALSE;
  jpeg_start_decompress(&cinfo);
  auto image = ImageBuffer::create(cinfo.output_width, cinfo.output_height, 3);
  while (cinfo.output_scanline < cinfo.output_height) {
    JSAMPROW rows[1] = {
        image->row(static_cast<int>(cinfo.output_height - 1 - cinfo.output_scanline))};
    jpeg_read_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  return image.take();
}

namespace {

struct TiffReader {
  const Bytes& b;
  bool little;
  uint32_t get(size_t at, int size) const {
    if (at + size > b.size()) return 0;
    uint32_t v = 0;
    for (int i = 0; i < size; ++i) v |= uint32_t(b[at + i]) << (8 * (little ? i : size - 1 - i));
    return v;
  }
  // The directory at `offset`: a tag's value, or where the next one starts.
  std::optional<uint32_t> find(uint32_t offset, uint16_t tag) const {
    const uint32_t count = get(offset, 2);
    for (uint32_t i = 0; i < count; ++i) {
      const size_t entry = offset + 2 + 12 * i;
      if (get(entry, 2) != tag) continue;
      return get(entry + 8, get(entry + 2, 2) == kShort ? 2 : 4);
    }
    return std::nullopt;
  }
  uint32_t next(uint32_t offset) const { return get(offset + 2 + 12 * get(offset, 2), 4); }
};

}  // namespace

std::optional<uint32_t> exifTag(const Bytes& tiff, int ifd, uint16_t tag) {
  if (tiff.size() < 8) return std::nullopt;
  const TiffReader r{tiff, tiff[0] == 'I'};
  const uint32_t zero = r.get(4, 4);
  if (ifd == 0) return r.find(zero, tag);
  if (ifd == 2) return r.next(zero) ? r.find(r.next(zero), tag) : std::nullopt;
  const auto exif = r.find(zero, 0x8769);
  return exif ? r.find(*exif, tag) : std::nullopt;
}

bool hasThumbnailDirectory(const Bytes& tiff) {
  if (tiff.size() < 8) return false;
  const TiffReader r{tiff, tiff[0] == 'I'};
  return r.next(r.get(4, 4)) != 0;
}

ImageBuffer cutOut(const ImageBuffer& image, int x, int y, int width, int height) {
  auto out = ImageBuffer::create(width, height, image.channels());
  for (int j = 0; j < height; ++j)
    std::memcpy(out->row(height - 1 - j), image.at(x, image.height() - 1 - (y + j)),
                static_cast<size_t>(width) * image.channels());
  return out.take();
}

}  // namespace trimlet::test
