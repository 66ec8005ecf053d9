#pragma once
// The two flags of the image view that survive program runs: section
// "Controls", values "KeyControll" and "WholeSelect" (integers, default 0).
// Both views of the preview read and write the same values; the source view
// is destroyed last, so its values are the ones that stay.

#include "engine/settings/profile_store.h"

namespace trimlet {

struct ViewControlFlags {
  bool keyControll = false;
  bool wholeSelect = false;
};

ViewControlFlags readViewControls(ProfileStore& store);
void writeViewControls(ProfileStore& store, const ViewControlFlags& flags);

}  // namespace trimlet
