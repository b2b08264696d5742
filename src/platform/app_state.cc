#include "platform/app_state.h"

namespace vellix::platform {

AppTimeStamps& TimeStamps() {
  static AppTimeStamps stamps;
  return stamps;
}

MediaSizes& LastRunMediaSizes() {
  static MediaSizes sizes;
  return sizes;
}

}  // namespace vellix::platform
