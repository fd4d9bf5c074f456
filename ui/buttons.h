// The two buttons' conversions, which read and write the window's field controls through the
// control layer; the codec under them touches no control.
#pragma once

// "Calculate OAM": reads the field controls and writes the entry text into the OAM value field.
void CalculateOam();

// "Get Attributes": reads the OAM value field and sets every field control from it, or shows the
// "Error" box and changes nothing when the text is not a valid entry.
void GetAttributes();
