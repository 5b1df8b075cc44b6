#pragma once

// The reusable controls of the window and their look: field widgets that take their rules from
// the core's field catalogue (spin fields, result fields, caption panels, bar gauges),
// decorative panels, painted glyphs, the window's colours and fonts, the accessible view of
// tab bars and the index of named controls. They know the core (calc/) and Qt only: nothing
// of the window, its forms or its handlers.

#include "bar_gauge.h"
#include "caption_panel.h"
#include "clickable_label.h"
#include "decimal_spin_field.h"
#include "field_accessibility.h"
#include "field_edit.h"
#include "glyphs.h"
#include "integer_spin_field.h"
#include "look.h"
#include "menu_bar.h"
#include "panels.h"
#include "result_field.h"
#include "spin_field.h"
#include "tab_bar_accessibility.h"
#include "window_style.h"
