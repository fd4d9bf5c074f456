// AnnounceStatus: Windows gives a dialog's plain controls no announcement of their own, and the
// program keeps the platform's behaviour: a screen reader speaks the control that has the focus,
// and the person reads the changed fields by moving to them.
#include "runtime/controls.h"

void AnnounceStatus(TextRef) {}
