#pragma once
// The application's event loop, which delivers every window's events.
#include "platform/app.h"

class QtMessageLoop : public MessageLoop {
public:
    int Run() override;
    void Quit(int exitCode) override;
};
