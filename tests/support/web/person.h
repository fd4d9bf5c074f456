// The person's side of the page (person.js), for user.cpp and the web fixture. Texts come back
// as new C strings, which Taken frees.
#pragma once

#include "runtime/text.h"

#include <cstdlib>

extern "C" {
void oam_person_pick(int serial, int index);
void oam_person_type(int serial, const char* text);
void oam_person_click_arrow(int serial, int up);
void oam_person_press(int serial);
void oam_person_focus(int serial);
void oam_person_tab(int backwards);
void oam_person_close_tab();
void oam_person_close_tab_once_waiting();
int oam_person_focused();
int oam_person_enabled(int serial);
int oam_person_item_count(int serial);
char* oam_person_item_text(int serial, int index);
char* oam_person_title();
void oam_person_watch_boxes(int behindSerial);
int oam_person_boxes_seen();
char* oam_person_box_part(int box, int part);
}

inline Text Taken(char* chars) {
    Text text = chars;
    std::free(chars);
    return text;
}
