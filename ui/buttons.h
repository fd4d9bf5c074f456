// The two buttons' conversions, which read and write the window's field controls through the
// control layer; the codec under them touches no control.
#pragma once

// What a screen reader is told after each conversion, with the entry after the words: the focus
// stays on the button, and the fields that changed are elsewhere.
constexpr const char* EntryWords = "OAM value ";
constexpr const char* FieldsSetWords = "Fields set from OAM value ";

// "Calculate OAM": reads the field controls, writes the entry text into the OAM value field and
// announces it.
void CalculateOam();

// "Get Attributes": reads the OAM value field, sets every field control from it and announces
// that, or shows the "Error" box and changes nothing when the text is not a valid entry.
void GetAttributes();
