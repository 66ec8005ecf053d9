#pragma once
// A batch over a list of files instead of a folder walk, so that a large
// archive can be shared out among processes or machines.
//
//   readFileList   the names of a list, one a line: a trailing carriage
//                  return is dropped, empty lines are skipped, nothing else
//                  is changed (names may hold spaces). Fails with a reason
//                  when the list cannot be read.
//   listedFiles    one entry per name, numbered 1..N in list order. A name is
//                  relative to the source folder (an absolute one must lie
//                  inside it, and is taken relative to it); the file's
//                  result goes to the same relative place below the output
//                  folder, as a folder walk would put it. An entry that
//                  cannot be processed carries a problem instead, in words:
//                  a name outside the source folder (an absolute path
//                  elsewhere, or one that climbs out with ".."), a name
//                  without an image ending, or a file that is not there.
// Names are judged as written (no symbolic link is followed to decide where
// a name lies), which is what a folder walk sees too. Folders are neither
// created nor read here beyond checking that each file exists.

#include <cstdio>
#include <string>
#include <vector>

#include "engine/result.h"
#include "output/batch/batch_walk.h"

namespace trimlet {

struct ListedFile {
  BatchItem item;       // folder, name, output folder and number
  std::string entry;    // the name as the list gave it
  std::string problem;  // empty when the file can be processed
};

Result<std::vector<std::string>> readFileList(FILE* list);

// sourceFolder and outputFolder end with "/".
std::vector<ListedFile> listedFiles(const std::string& sourceFolder,
                                    const std::string& outputFolder,
                                    const std::vector<std::string>& names);

}  // namespace trimlet
