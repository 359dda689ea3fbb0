// The toolkit layer: the only way feature code reaches the screen.
#pragma once
#include "xc_controls.h"
#include "xc_element.h"
#include "xc_events.h"
#include "xc_graphics.h"
#include "xc_life.h"
#include "xc_list.h"
#include "xc_types.h"
