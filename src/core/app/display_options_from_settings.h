#pragma once

// The engine's display options as the settings file says.

#include "core/app/view_settings.h"
#include "core/engine/display_options.h"

namespace notavi {

DisplayOptions displayOptionsFrom(const ViewSettings& view);

} // namespace notavi
