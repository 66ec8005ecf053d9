#pragma once
// Texts of the batch.
//
//   statusText: "%s    %d/%d" (four blanks) of the path, the number of the
//     image being worked on and the total; a path longer than 33 characters
//     is shown as its first 15 characters + "..." + its last 15.
//   overwriteShownName: the name the overwrite warning shows: the path itself
//     up to 35 characters, else its first 15 + "......" + its last 15.
// The end-of-batch messages are the constants below.

#include <string>

namespace trimlet {

extern const char* const kBatchCompletedMessage;  // "Cropping completed."
extern const char* const kBatchCancelledMessage;  // "Batch process cancelled."
extern const char* const kNoImageFileMessage;     // "No image file or invalid directory."

std::string shortenedStatusPath(const std::string& path);
std::string statusText(const std::string& path, int number, int total);
std::string overwriteShownName(const std::string& path);

}  // namespace trimlet
