// The launcher's sentences that name the client ("%1 is ready."). A
// translation may write the name in its own grammatical form (French "du
// client Tarnwell", Russian "клиента Tarnwell") instead of the %1 marker;
// such a text is used as it stands.
#pragma once

#include <QString>

// id: a string-table entry whose English text holds %1 for the client's name.
QString TextWithClientName(int id);
