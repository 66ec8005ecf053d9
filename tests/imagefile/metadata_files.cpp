// Test files with metadata. Exiv2 and libjpeg come with the image-file
// library this test program links.
#include "tests/imagefile/metadata_files.h"

#include <jpeglib.h>
#include <exiv2/exif.hpp>

#include <cstdlib>
#include <cstring>

namespace trimlet::test {

namespace {

void putBig32(Bytes* b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) (*b)[at + i] = static_cast<uint8_t>(v >> (24 - 8 * i));
}

JpegMarker marker(int code, const std::string& head, const Bytes& data) {
  Bytes bytes(head.begin(), head.end());
  bytes.insert(bytes.end(), data.begin(), data.end());
  return {code, bytes};
}

}  // namespace

Bytes iccProfile(const char* space, size_t size, uint8_t seed) {
  Bytes p(size, 0);
  const std::pair<size_t, uint32_t> fields[] = {
      {0, uint32_t(size)}, {8, 0x02100000}, {68, 0xF6D6},  // D50 white
      {72, 0x10000},       {76, 0xD32D},    {128, 1},       {136, 144},
      {140, 20},           {152, 0xF6D6},   {156, 0x10000}, {160, 0xD32D}};
  for (const auto& [at, value] : fields) putBig32(&p, at, value);
  std::memcpy(&p[12], "mntr", 4);
  std::memcpy(&p[16], space, 4);
  std::memcpy(&p[20], "XYZ ", 4);
  std::memcpy(&p[36], "acsp", 4);
  std::memcpy(&p[132], "wtpt", 4);
  std::memcpy(&p[144], "XYZ ", 4);
  uint32_t noise = 12345u + seed;
  for (size_t i = 164; i < size; ++i) p[i] = (noise = noise * 1103515245u + 12345u) >> 24;
  p[size - 1] = seed;
  return p;
}

Bytes exifBlock(int orientation) {
  Exiv2::ExifData data;
  data["Exif.Image.Make"] = "Trimlet test";
  if (orientation) data["Exif.Image.Orientation"] = static_cast<uint16_t>(orientation);
  data["Exif.Photo.DateTimeOriginal"] = "2024:05:06 07:08:09";
  data["Exif.Photo.PixelXDimension"] = static_cast<uint32_t>(640);
  data["Exif.Photo.PixelYDimension"] = static_cast<uint32_t>(480);
  const Exiv2::byte thumbnail[] = {0xFF, 0xD8, 0xFF, 0xD9};
  Exiv2::ExifThumb(data).setJpegThumbnail(thumbnail, sizeof thumbnail);
  Exiv2::Blob blob;
  Exiv2::ExifParser::encode(blob, Exiv2::littleEndian, data);
  return Bytes(blob.begin(), blob.end());
}

std::optional<long> exifTag(const Bytes& tiff, const char* key) {
  Exiv2::ExifData data;
  Exiv2::ExifParser::decode(data, tiff.data(), static_cast<uint32_t>(tiff.size()));
  const auto found = data.findKey(Exiv2::ExifKey(key));
  if (found == data.end()) return std::nullopt;
  return found->toLong();
}

bool hasThumbnail(const Bytes& tiff) {
  return exifTag(tiff, "Exif.Thumbnail.JPEGInterchangeFormat").has_value();
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

JpegMarker exifMarker(const Bytes& tiff) { return marker(0xE1, std::string("Exif\0\0", 6), tiff); }

JpegMarker xmpMarker(const std::string& packet) {
  return marker(0xE1, std::string("http://ns.adobe.com/xap/1.0/") + '\0',
                Bytes(packet.begin(), packet.end()));
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
  const int components = h == 0 ? 1 : 3;
  cinfo.image_width = image.width();
  cinfo.image_height = image.height();
  cinfo.input_components = components;
  cinfo.in_color_space = components == 1 ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 100, TRUE);
  if (components == 3) {
    cinfo.comp_info[0].h_samp_factor = h;
    cinfo.comp_info[0].v_samp_factor = v;
  }
  if (progressive) jpeg_simple_progression(&cinfo);
  jpeg_start_compress(&cinfo, TRUE);
  for (const JpegMarker& m : markers)
    jpeg_write_marker(&cinfo, m.code, m.data.data(), static_cast<unsigned>(m.data.size()));
  if (!profile.empty())
    jpeg_write_icc_profile(&cinfo, profile.data(), static_cast<unsigned>(profile.size()));
  Bytes line(static_cast<size_t>(image.width()) * components);
  JSAMPROW rows[1] = {line.data()};
  while (cinfo.next_scanline < cinfo.image_height) {
    const uint8_t* in = image.row(image.height() - 1 - static_cast<int>(cinfo.next_scanline));
    for (size_t i = 0; i < line.size(); ++i)
      line[i] = in[i / components * image.channels() + i % components];
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
    JSAMPROW rows[1] = {image->row(int(cinfo.output_height - 1 - cinfo.output_scanline))};
    jpeg_read_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  return image.take();
}

ImageBuffer cutOut(const ImageBuffer& image, int x, int y, int width, int height) {
  auto out = ImageBuffer::create(width, height, image.channels());
  for (int j = 0; j < height; ++j)
    std::memcpy(out->row(height - 1 - j), image.at(x, image.height() - 1 - (y + j)),
                static_cast<size_t>(width) * image.channels());
  return out.take();
}

}  // namespace trimlet::test
