// Persistence of the image view's KeyControll and WholeSelect flags.
#include "preview/model/view_controls_store.h"

namespace trimlet {
namespace {

const char kSection[] = "Controls";
const char kKeyControll[] = "KeyControll";
const char kWholeSelect[] = "WholeSelect";

}  // namespace

ViewControlFlags readViewControls(ProfileStore& store) {
  ViewControlFlags flags;
  flags.keyControll = store.readInt(kSection, kKeyControll, 0) != 0;
  flags.wholeSelect = store.readInt(kSection, kWholeSelect, 0) != 0;
  return flags;
}

void writeViewControls(ProfileStore& store, const ViewControlFlags& flags) {
  store.writeInt(kSection, kKeyControll, flags.keyControll ? 1 : 0);
  store.writeInt(kSection, kWholeSelect, flags.wholeSelect ? 1 : 0);
}

}  // namespace trimlet
