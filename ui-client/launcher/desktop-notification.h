// A desktop notification through the session bus's notification service
// (org.freedesktop.Notifications). It never starts a bus: without a session
// bus address (or the runtime folder's "bus" socket) it does nothing.
#pragma once

#include <QString>

// True when a session bus is there to be asked; does not connect.
bool SessionBusAvailable();

// Sends the notification and waits briefly for the answer; false when no
// bus or no notification service took it.
bool SendDesktopNotification(const QString& appName, const QString& summary, const QString& body, const QString& iconPath);
