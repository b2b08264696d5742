#include "platform/app_state.h"

namespace vellix::platform {

AppTimeStamps& TimeStamps() {
  static AppTimeStamps stamps;
  return stamps;
}

}  // namespace vellix::platform
