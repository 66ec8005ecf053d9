#include "output/batch/overwrite_check.h"

#include <filesystem>

#include "output/batch/batch_text.h"

namespace trimlet {

bool OverwriteCheck::CheckOverwrite(std::string& path) {
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return false;
  if (decision_ == OverwriteChoice::kOverwriteAll) return false;
  if (decision_ == OverwriteChoice::kSkipAll) return true;

  decision_ = prompt_.askOverwrite(overwriteShownName(path), path);
  switch (decision_) {
    case OverwriteChoice::kOverwrite:
    case OverwriteChoice::kOverwriteAll: return false;
    case OverwriteChoice::kRename: {
      std::string renamed = path;
      if (!prompt_.askNewName(renamed)) return true;
      path = renamed;
      return CheckOverwrite(path);
    }
    default: return true;
  }
}

}  // namespace trimlet
