// AnnounceStatus: the program keeps the behaviour of a dialog's plain controls, which announce
// nothing; a screen reader speaks the control that has the focus, and the person hears the changed
// fields by moving to them.
#include "runtime/controls.h"

void AnnounceStatus(TextRef) {}
