#include "res/page_form.h"

#include "platform/messages.h"

DialogTemplate PageForm(int id, int cx, int cy) {
    DialogTemplate t;
    t.id = id;
    t.x = 5;
    t.y = 19;
    t.cx = cx;
    t.cy = cy;
    t.style = WS_CHILD | WS_VISIBLE | DS_CONTROL;
    return t;
}
