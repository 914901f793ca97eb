// The single instance of the formats catalogue. Destroy is the clean-up that runs when exchcore is
// unloaded; tests call it to build the catalogue afresh.
#pragma once

#include "IEFormatsData.h"

class CIEFormatsDataInstance {
 public:
  // The instance, created with settingsPath when there is none yet.
  static const CIEFormatsData& Get(const CQelString& settingsPath);
  // Destroys the instance; the next Get creates a new one.
  static void Destroy();
};
