// What only the screen needs: the background picture around the board and
// the frame colour of move guidance.
#pragma once

#include "core/constants.h"
#include "settings/settings_file.h"

namespace kumora {

struct Appearance {
  // Tatami until the settings file names a background.
  int background = BACKGROUND_TATAMI;
  bool guidance_on = false;
  int guide_colour = PLAIN_CELL_COLOUR;
};

}  // namespace kumora
