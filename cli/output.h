// What decoding and encoding print: one line per entry, as name=value pairs or as JSON.
#pragma once

#include "codec/decoder.h"
#include "runtime/text.h"

// The fields the entry's rotation/scaling flag selects, in the layout's order.
Text FieldsText(const OamFields& fields);
Text FieldsJson(const OamFields& fields);

// The entry text as a JSON string, so that a JSON answer is JSON whichever way a job went.
Text EntryJson(TextRef entry);
