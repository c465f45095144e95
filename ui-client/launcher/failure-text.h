// What the user is told when the private copy could not be prepared: the
// string table's sentence with the client's name, followed by the reason in
// words where the service knows one (the folder and the figures when space
// ran out). Figures are written in the default locale, which start-up sets
// to the language of the texts on screen.
#pragma once

#include <QMetaType>
#include <QString>

#include "cloud-service.h"

// Carried from the worker thread to the UI thread in a queued signal.
Q_DECLARE_METATYPE(Service::Failure)

QString FailureText(const Service::Failure& failure);
