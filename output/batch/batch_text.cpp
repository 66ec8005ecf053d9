#include "output/batch/batch_text.h"

#include <cstdio>

namespace trimlet {

const char* const kBatchCompletedMessage = "Cropping completed.";
const char* const kBatchCancelledMessage = "Batch process cancelled.";
const char* const kNoImageFileMessage = "No image file or invalid directory.";

namespace {
std::string shorten(const std::string& path, size_t limit, const char* dots) {
  if (path.size() <= limit) return path;
  return path.substr(0, 15) + dots + path.substr(path.size() - 15);
}
}  // namespace

std::string shortenedStatusPath(const std::string& path) { return shorten(path, 33, "..."); }

std::string statusText(const std::string& path, int number, int total) {
  return shortenedStatusPath(path) + "    " + std::to_string(number) + "/" + std::to_string(total);
}

std::string overwriteShownName(const std::string& path) { return shorten(path, 35, "......"); }

}  // namespace trimlet
