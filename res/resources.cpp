#include "res/resources.h"

#include "res/resource.h"

namespace {

ResourceTable BuildResources() {
    ResourceTable table;
    for (DialogTemplate t :
         {MainDialogTemplate(), TimerPageTemplate(), OptionsPageTemplate(), StartPageTemplate(),
          MenuPageTemplate(), Disk3DPageTemplate(), ColorsDialogTemplate(), AboutDialogTemplate(),
          AlarmDialogTemplate(), LedTimerTemplate(), CountupTemplate()}) {
        table.dialogs[t.id] = std::move(t);
    }
    table.strings = {
        {IDS_ABOUTBOX, "Inf&o über Brewdial..."},
        {IDS_INACTIVE, "Timer inactive!"},
        {IDS_ACTIVE, "Timer active!"},
        {IDS_START, "Start Timer"},
        {IDS_STOP, "Stop Timer"},
    };
    table.menus[IDR_TRAYMENU] = {
        {{ID_QUICKTIMER1, "1 Minute"},
         {ID_QUICKTIMER2, "3 Minuten"},
         {ID_QUICKTIMER3, "5 Minuten"},
         {0, ""},
         {ID_MENU_STOP, "Timer stoppen"},
         {ID_MENU_MAXIMIZE, "Maximieren"},
         {0, ""},
         {ID_MENU_EXIT, "Beenden"}},
        {{ID_QUICKTIMER1, "1 Minute"},
         {ID_QUICKTIMER2, "3 Minutes"},
         {ID_QUICKTIMER3, "5 Minutes"},
         {0, ""},
         {ID_MENU_STOP, "Stop Timer"},
         {ID_MENU_PAUSE, "Pause"},
         {ID_MENU_COUNTUP, "Countup"},
         {0, ""},
         {ID_MENU_MAXIMIZE, "Maximize"},
         {ID_MENU_EXIT, "Exit"}},
    };
    return table;
}

} // namespace

const ResourceTable& BrewdialResources() {
    static const ResourceTable table = BuildResources();
    return table;
}
