// The page's side of the web layer (page.js), the only code that touches the browser. The page
// knows each control by a serial number it gives at creation and never gives again; the control
// table keeps that number as the control's handle. A serial of 0 means the page made nothing.
#pragma once

// What a person did, as the page notes it; the layer turns each into the event the Windows
// control of the kind would give. page.js uses the same numbers.
enum PageHappening : int {
    NothingHappened = 0,
    TextChanged = 1,
    ItemPicked = 2,
    Clicked = 3,
    FocusGained = 4,
    FocusLost = 5,
    SteppedUp = 6,
    SteppedDown = 7,
    PageClosed = 8,
};

extern "C" {
int oam_page_open_window(int x, int y, int width, int height, int centred, const char* title);
void oam_page_close_window();

int oam_page_label(int x, int y, int width, int height);
// A label's words, which name its control, and what follows them on screen only (its colon).
void oam_page_show_label(int serial, const char* words, const char* shownOnly);
// The control a label names to a screen reader; 0 for none.
void oam_page_name_by(int label, int control);
int oam_page_field(int x, int y, int width, int height, const char* text, int upperCase);
int oam_page_button(int x, int y, int width, int height, const char* text);
int oam_page_frame(int x, int y, int width, int height, const char* caption);
int oam_page_spin(int x, int y, int width, int height, int minimum, int maximum);
int oam_page_list(int x, int y, int width, int height);
void oam_page_remove(int serial);

// A spin field's number or a list's selected index.
int oam_page_state(int serial);
void oam_page_set_state(int serial, int value);
void oam_page_set_bound(int serial, int maximum, int value);
// A new C string that the caller frees.
char* oam_page_text(int serial);
void oam_page_set_text(int serial, const char* text);
void oam_page_disable(int serial, int disabled);
void oam_page_add_item(int serial, int position, const char* text);
void oam_page_fit_label(int serial, int width, int height, int room);

// The next thing a person did and the serial of its control, or NothingHappened.
int oam_page_next_happening(int* serial);
// Both suspend the program (Asyncify) until the person acts or answers.
void oam_page_wait();
void oam_page_message(const char* title, const char* text);
// Puts the text into the page's polite live region, made the first time.
void oam_page_announce(const char* text);
}
