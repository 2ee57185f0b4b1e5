#include "PlayState.h"

// The trick summary and the withheld-five note are not built yet.
void RecordTrickSummary() {}
void NoteWithheldFive(short) {}
