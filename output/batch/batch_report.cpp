// The record of a batch as JSON (see batch_report.h).
#include "output/batch/batch_report.h"

#include <cmath>
#include <cstdio>

#include "imagefile/atomic_file.h"
#include "output/batch/batch_lossless.h"

namespace trimlet {

namespace {

// The length of the UTF-8 sequence starting at text[i], or 0 when it is not
// a valid one.
size_t utf8Length(const std::string& text, size_t i) {
  const unsigned char lead = static_cast<unsigned char>(text[i]);
  size_t length = 0;
  unsigned minimum = 0, code = 0;
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF)
    length = 2, code = lead & 0x1F, minimum = 0x80;
  else if (lead >= 0xE0 && lead <= 0xEF)
    length = 3, code = lead & 0x0F, minimum = 0x800;
  else if (lead >= 0xF0 && lead <= 0xF4)
    length = 4, code = lead & 0x07, minimum = 0x10000;
  else
    return 0;
  if (i + length > text.size()) return 0;
  for (size_t k = 1; k < length; ++k) {
    const unsigned char c = static_cast<unsigned char>(text[i + k]);
    if ((c & 0xC0) != 0x80) return 0;
    code = (code << 6) | (c & 0x3F);
  }
  if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return length;
}

std::string quoted(const std::string& text) {
  std::string out = "\"";
  for (size_t i = 0; i < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    const size_t length = utf8Length(text, i);
    if (length == 0) {
      out += "\xEF\xBF\xBD";  // U+FFFD
      ++i;
      continue;
    }
    if (c == '"' || c == '\\') {
      out += '\\';
      out += char(c);
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\t') {
      out += "\\t";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      out += escaped;
    } else {
      out.append(text, i, length);
    }
    i += length;
  }
  return out + "\"";
}

// A writer of nested objects and arrays, one member a line, indented.
class Json {
 public:
  void open(const char* key, char bracket) {
    member(key);
    text_ += bracket;
    first_.push_back(true);
  }
  void close(char bracket) {
    const bool empty = first_.back();
    first_.pop_back();
    if (!empty) newline();
    text_ += bracket;
  }
  void raw(const char* key, const std::string& value) {
    member(key);
    text_ += value;
  }
  void string(const char* key, const std::string& value) { raw(key, quoted(value)); }
  void number(const char* key, long long value) { raw(key, std::to_string(value)); }
  void flag(const char* key, bool value) { raw(key, value ? "true" : "false"); }
  void box(const char* key, const PixelBox& b) {
    open(key, '{');
    number("x", b.x);
    number("y", b.y);
    number("width", b.width);
    number("height", b.height);
    close('}');
  }
  void strings(const char* key, const std::vector<std::string>& values) {
    open(key, '[');
    for (const std::string& v : values) string(nullptr, v);
    close(']');
  }
  std::string take() { return text_ + "\n"; }

 private:
  void newline() { text_ += "\n" + std::string(2 * first_.size(), ' '); }
  // Starts a member: a comma after the previous one, its key in an object.
  void member(const char* key) {
    if (!first_.empty()) {
      if (!first_.back()) text_ += ',';
      first_.back() = false;
      newline();
    }
    if (key) text_ += quoted(key) + ": ";
  }

  std::string text_;
  std::vector<bool> first_;
};

const char* statusText(FileOutcome::Kind kind) {
  switch (kind) {
    case FileOutcome::Kind::kWritten: return "written";
    case FileOutcome::Kind::kSkipped: return "skipped";
    case FileOutcome::Kind::kProcessed: return "dry run";
    default: return "failed";
  }
}

void writePiece(Json& json, const BatchPieceRecord& p, int sourceHeight) {
  json.open(nullptr, '{');
  json.number("number", p.number);
  json.box("box", pictureBox(p.box, sourceHeight));
  char angle[32];
  // No "-0.00" for a turn too small to show.
  std::snprintf(angle, sizeof angle, "%.2f", std::fabs(p.degrees) < 0.005 ? 0.0 : p.degrees);
  json.raw("angle", angle);
  if (p.measured) json.string("tilt", tiltVerdictText(p.verdict));
  json.open("result", '{');
  json.number("width", p.resultWidth);
  json.number("height", p.resultHeight);
  json.close('}');
  json.string("target", p.target);
  json.string("status", statusText(p.kind));
  if (!p.reason.empty()) json.string("reason", p.reason);
  if (p.lossless) json.box("lossless", *p.lossless);
  if (!p.note.empty()) json.string("note", p.note);
  if (!p.warnings.empty()) json.strings("warnings", p.warnings);
  json.close('}');
}

void writeFile(Json& json, const BatchFileResult& f) {
  json.open(nullptr, '{');
  json.string("source", f.source);
  if (f.sourceWidth > 0) {
    json.number("width", f.sourceWidth);
    json.number("height", f.sourceHeight);
  }
  json.string("status", statusText(f.outcome.kind));
  if (!f.outcome.ok()) json.string("reason", f.outcome.reason);
  if (!f.warnings.empty()) json.strings("warnings", f.warnings);
  json.open("pieces", '[');
  for (const BatchPieceRecord& p : f.pieces) writePiece(json, p, f.sourceHeight);
  json.close(']');
  json.close('}');
}

}  // namespace

std::string batchReportJson(const BatchReportHeader& header,
                            const std::vector<BatchFileResult>& files) {
  long long written = 0, skipped = 0, failed = 0;
  for (const BatchFileResult& f : files) {
    if (!f.outcome.ok()) ++failed;
    for (const BatchPieceRecord& p : f.pieces) {
      if (p.kind == FileOutcome::Kind::kWritten) ++written;
      if (p.kind == FileOutcome::Kind::kSkipped) ++skipped;
    }
  }
  Json json;
  json.open(nullptr, '{');
  json.string("source", header.source);
  json.string("output", header.output);
  json.flag("dryRun", header.dryRun);
  json.open("counts", '{');
  json.number("files", static_cast<long long>(files.size()));
  json.number("written", written);
  json.number("skipped", skipped);
  json.number("failed", failed);
  json.close('}');
  json.open("files", '[');
  for (const BatchFileResult& f : files) writeFile(json, f);
  json.close(']');
  json.close('}');
  return json.take();
}

Status writeBatchReport(const std::string& path, const std::string& text) {
  auto file = AtomicFile::open(path);
  if (!file) return Status::failure(file.reason());
  if (std::fwrite(text.data(), 1, text.size(), file->stream()) != text.size())
    return Status::failure("The report " + path + " could not be written.");
  return file->commit();
}

}  // namespace trimlet
