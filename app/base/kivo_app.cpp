#include "app/base/kivo_app.h"

namespace trimlet {

CKivoApp& theApp() {
  static CKivoApp app;
  return app;
}

}  // namespace trimlet
