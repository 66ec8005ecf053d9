#pragma once
// The files the manual cropping window steps through, and the stepping.
//
//   manualCropFiles(folder)  the names in the folder that end in ".bmp",
//                            ".jpg", ".tga" or ".png" (any letter case),
//                            folders left out, sorted byte-wise (capitals
//                            before small letters): b.jpg, A.png, c.tga give
//                            A.png, b.jpg, c.tga.
//   startPosition            the first entry equal to the current name, else 0.
//   stepNext / stepPrevious  the next position, or nothing at the end, where
//                            the window asks whether to jump to the first
//                            (the last) file.

#include <optional>
#include <string>
#include <vector>

namespace trimlet {

extern const char* const
    kNoNextFile;  // "NEXT: No more image files in directory.\nJump to the first file?"
extern const char* const
    kNoPreviousFile;  // "PREV: No more image files in directory.\nJump to the last file?"

std::vector<std::string> manualCropFiles(const std::string& folder);
void sortByteWise(std::vector<std::string>& names);
int startPosition(const std::vector<std::string>& names, const std::string& current);
std::optional<int> stepNext(int position, int count);
std::optional<int> stepPrevious(int position, int count);

}  // namespace trimlet
