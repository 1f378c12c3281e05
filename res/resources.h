#pragma once
// The program's resources: dialog templates, strings and menus.
#include "platform/dialog_template.h"

const ResourceTable& BrewdialResources();

// One function per dialog template.
DialogTemplate MainDialogTemplate();
DialogTemplate TimerPageTemplate();
DialogTemplate OptionsPageTemplate();
DialogTemplate StartPageTemplate();
DialogTemplate MenuPageTemplate();
DialogTemplate Disk3DPageTemplate();
DialogTemplate ColorsDialogTemplate();
DialogTemplate AboutDialogTemplate();
DialogTemplate AlarmDialogTemplate();
DialogTemplate LedTimerTemplate();
DialogTemplate CountupTemplate();
