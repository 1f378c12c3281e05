#pragma once
// The socket a running instance listens on for later starts: where it lies, and the POSIX calls
// that reach it.
#include <QString>

#include <sys/un.h>

// The socket's address; false when the path does not fit one.
bool Address(const QString& path, sockaddr_un& address);
// A non-blocking local stream socket, closed on exec; -1 on failure.
int NewSocket();
// Waits until fd is ready for events, up to ms; false on time out or error.
bool Await(int fd, short events, int ms);
// Connects to the listening instance within ms; -1 when nobody listens there.
int ConnectTo(const QString& path, int ms);

// <runtimeDir>/brewdial-<uid>-<display>: display is the X display (":0" and ":0.0" are one) or
// the Wayland display; characters a file name should not hold become '_'. With no runtimeDir, a
// private folder <temp>/brewdial-<uid> stands in; empty when even that cannot be had.
QString InstanceSocketPath(const QString& runtimeDir, unsigned uid, const QString& display);
// This user's socket for the display the program's windows go to.
QString OwnInstanceSocketPath();
