// `Tavrin --follow-system`: the training window follows the system's app
// mode (Night Ink while apps are dark, its stored skin while they are light)
// and turns its skin's accent to the system's accent colour, at start and at
// every announcement of a change. Without the option it keeps its stored skin.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "skin/WinSkinData/SkinData.h"
#include "skin/system/SystemWatch.h"

class TTrainingFollow {
 public:
  explicit TTrainingFollow(skin::TSkinData& data);
  void Follow();

 private:
  skin::TSkinData& data_;
  std::vector<std::uint8_t> stored_;  // the form's own skin, for light apps
  bool dark_ = false;
  std::unique_ptr<skin::TSystemWatch> watch_;
};
