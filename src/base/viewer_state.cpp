#include "base/viewer_state.h"

ViewerState viewer;
