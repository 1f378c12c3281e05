#pragma once
// The form every tab page shares: a child of the main dialog, placed just below the row of tabs.
#include "platform/dialog_template.h"

DialogTemplate PageForm(int id, int cx, int cy);
