// The page: the only code that touches the browser. The web layer (runtime/web/*.cpp) calls these
// functions by the names runtime/web/page.h declares. Each control is a real form element inside
// the window's element, in the order the controls were made, known by a serial number that names
// no other element ever. What a person does is noted here and taken by PollEvent; the program's
// own changes set properties, which the browser never reports.
mergeInto(LibraryManager.library, {
    $OamPage: {
        // What a person did, as [happening, serial] pairs; the numbers are page.h's PageHappening.
        textChanged: 1, itemPicked: 2, clicked: 3, focusGained: 4, focusLost: 5,
        steppedUp: 6, steppedDown: 7, pageClosed: 8,

        window: null,
        dialog: null,
        noted: [],
        wake: null,
        made: 0,

        note: function(what, serial) {
            OamPage.noted.push(what, serial);
            const wake = OamPage.wake;
            if (wake) {
                // The program resumes as soon as this listener returns, before the page is drawn.
                OamPage.wake = null;
                queueMicrotask(wake);
            }
        },

        element: function(serial) {
            return document.getElementById('oam' + serial);
        },

        // A control's outermost element: a spin field's box holds its number and arrows.
        outer: function(element) {
            return element.spinBox || element;
        },

        // A new control at its box. Which control a label names the layer says (oam_page_name_by).
        add: function(element, outer, x, y, width, height) {
            if (!OamPage.window) {
                return 0;
            }
            const serial = ++OamPage.made;
            element.id = 'oam' + serial;
            element.oamSerial = serial;
            outer.style.cssText =
                'left:' + x + 'px;top:' + y + 'px;width:' + width + 'px;height:' + height + 'px';
            OamPage.window.appendChild(outer);
            return serial;
        },

        // What the Windows arrows take from their field: a whole decimal number within the range,
        // the empty text as 0; anything else leaves the number it held.
        position: function(input) {
            const text = input.value;
            const typed = text == '' ? 0 : /^[+-]?[0-9]+$/.test(text) ? parseInt(text, 10) : NaN;
            if (typed >= input.lowest && typed <= input.highest) {
                input.number = typed;
            }
            return Math.min(input.highest, Math.max(input.lowest, input.number));
        },

        showNumber: function(input, number) {
            input.number = number;
            input.value = String(number);
            input.setAttribute('aria-valuenow', number);
        },

        step: function(input, by) {
            const from = OamPage.position(input);
            const to = Math.min(input.highest, Math.max(input.lowest, from + by));
            const shown = input.value;
            OamPage.showNumber(input, to);
            if (input.value != shown) {
                OamPage.note(OamPage.textChanged, input.oamSerial);
            }
            OamPage.note(by > 0 ? OamPage.steppedUp : OamPage.steppedDown, input.oamSerial);
        },

        // Keys for the whole page. Tab and Shift+Tab go round the stops (tabStops), wrapping at the
        // ends, and never leave the page for the browser's own bar.
        keys: function(event) {
            // Enter answers the box wherever the focus went meanwhile, as on Windows, where a
            // click on the window behind the box leaves the focus in the box.
            if (OamPage.dialog && OamPage.dialog.open) {
                if (event.key == 'Enter') {
                    event.preventDefault();
                    OamPage.dialog.close();
                }
                return;
            }
            if (event.key != 'Tab' || event.altKey || event.ctrlKey || event.metaKey ||
                !OamPage.window) {
                return;
            }
            event.preventDefault();
            const stops = OamPage.tabStops();
            if (stops.length == 0) {
                return;
            }
            const at = stops.indexOf(document.activeElement);
            const back = event.shiftKey;
            const next = at < 0 ? (back ? stops.length - 1 : 0)
                                : (at + (back ? stops.length - 1 : 1)) % stops.length;
            stops[next].focus();
        },

        // The window's enabled controls in the order they were made, then whatever the page holds
        // outside the window for the keys to reach, in its own order.
        tabStops: function() {
            const own = Array.prototype.filter.call(
                OamPage.window.querySelectorAll('input, select, button:not(.arrow)'),
                function(control) { return !control.disabled; });
            return own.concat(OamPage.outsideStops());
        },

        outsideStops: function() {
            return [];
        },

        listen: function(window) {
            window.addEventListener('input', function(event) {
                const input = event.target;
                if (input.tagName != 'INPUT') {
                    return;
                }
                if (input.upperCase) {
                    const from = input.selectionStart, to = input.selectionEnd;
                    input.value = input.value.toUpperCase();
                    input.setSelectionRange(from, to);
                }
                if (input.spinBox) {
                    input.setAttribute('aria-valuenow', OamPage.position(input));
                }
                OamPage.note(OamPage.textChanged, input.oamSerial);
            });
            window.addEventListener('change', function(event) {
                if (event.target.tagName == 'SELECT') {
                    OamPage.note(OamPage.itemPicked, event.target.oamSerial);
                }
            });
            window.addEventListener('click', function(event) {
                const button = event.target.closest('button');
                if (!button || button.disabled) {
                    return;
                }
                if (button.spinInput) {
                    OamPage.step(button.spinInput, button.stepBy);
                } else {
                    OamPage.note(OamPage.clicked, button.oamSerial);
                }
            });
            // The arrows step the number without taking the focus from where it is.
            window.addEventListener('mousedown', function(event) {
                if (event.target.closest('.arrow')) {
                    event.preventDefault();
                }
            });
            window.addEventListener('keydown', function(event) {
                const input = event.target;
                if (input.spinBox && (event.key == 'ArrowUp' || event.key == 'ArrowDown')) {
                    event.preventDefault();
                    OamPage.step(input, event.key == 'ArrowUp' ? 1 : -1);
                }
            });
            window.addEventListener('focusin', function(event) {
                if (event.target.oamSerial) {
                    OamPage.note(OamPage.focusGained, event.target.oamSerial);
                }
            });
            // A spin field shows the number it holds once the person has left it.
            window.addEventListener('focusout', function(event) {
                const control = event.target;
                if (control.oamSerial) {
                    OamPage.note(OamPage.focusLost, control.oamSerial);
                }
                if (control.spinBox) {
                    OamPage.showNumber(control, OamPage.position(control));
                }
            });
        },
    },

    oam_page_open_window__deps: ['$OamPage'],
    oam_page_open_window: function(x, y, width, height, centred, title) {
        if (!OamPage.listening) {
            OamPage.listening = true;
            document.addEventListener('keydown', OamPage.keys);
            // A tab has no close box of its own: closing the tab is closing the window. A page kept
            // to come back to (the browser's back button) is not closed.
            window.addEventListener('pagehide', function(event) {
                if (!event.persisted) {
                    OamPage.note(OamPage.pageClosed, 0);
                }
            });
        }
        if (OamPage.window) {
            OamPage.window.remove();
        }
        const frame = document.createElement('div');
        frame.className = 'window';
        frame.style.width = width + 'px';
        frame.style.height = height + 'px';
        // The page centres the window; one that asks for no centring stands where it asked.
        if (!centred) {
            frame.style.position = 'absolute';
            frame.style.left = x + 'px';
            frame.style.top = y + 'px';
        }
        OamPage.listen(frame);
        document.body.appendChild(frame);
        document.title = UTF8ToString(title);
        OamPage.window = frame;
        return 1;
    },

    oam_page_close_window__deps: ['$OamPage'],
    oam_page_close_window: function() {
        if (OamPage.window) {
            OamPage.window.remove();
            OamPage.window = null;
        }
        OamPage.noted = [];
    },

    oam_page_label__deps: ['$OamPage'],
    oam_page_label: function(x, y, width, height) {
        const label = document.createElement('label');
        return OamPage.add(label, label, x, y, width, height);
    },

    // The name a screen reader gives is the label's words; what follows them (its colon) is only
    // drawn.
    oam_page_show_label__deps: ['$OamPage'],
    oam_page_show_label: function(serial, words, shownOnly) {
        const label = OamPage.element(serial);
        label.textContent = UTF8ToString(words);
        const rest = UTF8ToString(shownOnly);
        if (rest) {
            const colon = document.createElement('span');
            colon.textContent = rest;
            colon.setAttribute('aria-hidden', 'true');
            label.appendChild(colon);
        }
    },

    oam_page_name_by__deps: ['$OamPage'],
    oam_page_name_by: function(label, control) {
        const element = OamPage.element(label);
        if (control) {
            element.htmlFor = 'oam' + control;
        } else {
            element.removeAttribute('for');
        }
    },

    oam_page_field__deps: ['$OamPage'],
    oam_page_field: function(x, y, width, height, text, upperCase) {
        const field = document.createElement('input');
        field.type = 'text';
        field.autocomplete = 'off';
        field.spellcheck = false;
        field.upperCase = upperCase != 0;
        field.value = UTF8ToString(text);
        if (field.upperCase) {
            field.value = field.value.toUpperCase();
        }
        return OamPage.add(field, field, x, y, width, height);
    },

    oam_page_button__deps: ['$OamPage'],
    oam_page_button: function(x, y, width, height, text) {
        const button = document.createElement('button');
        button.type = 'button';
        button.textContent = UTF8ToString(text);
        return OamPage.add(button, button, x, y, width, height);
    },

    oam_page_frame__deps: ['$OamPage'],
    oam_page_frame: function(x, y, width, height, caption) {
        const frame = document.createElement('fieldset');
        frame.appendChild(document.createElement('legend')).textContent = UTF8ToString(caption);
        return OamPage.add(frame, frame, x, y, width, height);
    },

    // A number field with its up and down arrows beside it, in one box.
    oam_page_spin__deps: ['$OamPage'],
    oam_page_spin: function(x, y, width, height, minimum, maximum) {
        const box = document.createElement('span');
        box.className = 'spin';
        const input = box.appendChild(document.createElement('input'));
        input.type = 'text';
        input.autocomplete = 'off';
        input.inputMode = 'numeric';
        input.setAttribute('role', 'spinbutton');
        input.spinBox = box;
        const arrows = box.appendChild(document.createElement('span'));
        [1, -1].forEach(function(by) {
            const arrow = arrows.appendChild(document.createElement('button'));
            arrow.type = 'button';
            arrow.className = 'arrow';
            arrow.tabIndex = -1;
            arrow.setAttribute('aria-hidden', 'true');
            arrow.spinInput = input;
            arrow.stepBy = by;
        });
        input.lowest = minimum;
        input.highest = maximum;
        input.setAttribute('aria-valuemin', minimum);
        input.setAttribute('aria-valuemax', maximum);
        OamPage.showNumber(input, minimum);
        return OamPage.add(input, box, x, y, width, height);
    },

    oam_page_list__deps: ['$OamPage'],
    oam_page_list: function(x, y, width, height) {
        const list = document.createElement('select');
        return OamPage.add(list, list, x, y, width, height);
    },

    oam_page_remove__deps: ['$OamPage'],
    oam_page_remove: function(serial) {
        const element = OamPage.element(serial);
        if (element) {
            OamPage.outer(element).remove();
        }
    },

    oam_page_state__deps: ['$OamPage'],
    oam_page_state: function(serial) {
        const element = OamPage.element(serial);
        if (!element) {
            return 0;
        }
        return element.spinBox ? OamPage.position(element) : element.selectedIndex;
    },

    oam_page_set_state__deps: ['$OamPage'],
    oam_page_set_state: function(serial, value) {
        const element = OamPage.element(serial);
        if (element.spinBox) {
            OamPage.showNumber(element, Math.min(element.highest, Math.max(element.lowest, value)));
        } else {
            element.selectedIndex = value >= 0 && value < element.length ? value : -1;
        }
    },

    oam_page_set_bound__deps: ['$OamPage'],
    oam_page_set_bound: function(serial, maximum, value) {
        const input = OamPage.element(serial);
        input[maximum ? 'highest' : 'lowest'] = value;
        input.setAttribute(maximum ? 'aria-valuemax' : 'aria-valuemin', value);
    },

    // The text as a new C string, which the caller frees.
    oam_page_text__deps: ['$OamPage'],
    oam_page_text: function(serial) {
        const element = OamPage.element(serial);
        let text = '';
        if (element.tagName == 'INPUT') {
            text = element.value;
        } else if (element.tagName == 'FIELDSET') {
            text = element.firstChild.textContent;
        } else if (element.tagName == 'SELECT') {
            text = element.selectedIndex < 0 ? '' : element.options[element.selectedIndex].textContent;
        } else {
            text = element.textContent;
        }
        return allocateUTF8(text);
    },

    oam_page_set_text__deps: ['$OamPage'],
    oam_page_set_text: function(serial, chars) {
        const element = OamPage.element(serial);
        const text = UTF8ToString(chars);
        if (element.tagName == 'INPUT') {
            element.value = element.upperCase ? text.toUpperCase() : text;
        } else if (element.tagName == 'FIELDSET') {
            element.firstChild.textContent = text;
        } else if (element.tagName == 'BUTTON') {
            element.textContent = text;
        }
    },

    oam_page_disable__deps: ['$OamPage'],
    oam_page_disable: function(serial, disabled) {
        const element = OamPage.element(serial);
        OamPage.outer(element).querySelectorAll('input, button').forEach(function(part) {
            part.disabled = disabled != 0;
        });
        element.disabled = disabled != 0;
    },

    // A list keeps its selected item wherever the new one goes, and no selection while it has
    // none, though a browser selects the first item put in.
    oam_page_add_item__deps: ['$OamPage'],
    oam_page_add_item: function(serial, position, text) {
        const list = OamPage.element(serial);
        if (position < -1 || position > list.length) {
            return;
        }
        const selected = list.selectedOptions[0] || null;
        const item = document.createElement('option');
        item.textContent = UTF8ToString(text);
        list.insertBefore(item, position == -1 ? null : list.options[position] || null);
        list.selectedIndex = selected ? selected.index : -1;
    },

    // Widens a label whose text does not fit its box to the narrowest width that holds it, up to
    // `room`; the browser's font is not the one the window was laid out in.
    oam_page_fit_label__deps: ['$OamPage'],
    oam_page_fit_label: function(serial, width, height, room) {
        const label = OamPage.element(serial);
        const fits = function(tried) {
            label.style.width = tried + 'px';
            return label.scrollHeight <= height && label.scrollWidth <= tried;
        };
        if (room <= width || fits(width)) {
            label.style.width = width + 'px';
            return;
        }
        let narrow = width, wide = room;
        if (!fits(wide)) {
            return;
        }
        while (wide - narrow > 1) {
            const middle = (narrow + wide) >> 1;
            if (fits(middle)) {
                wide = middle;
            } else {
                narrow = middle;
            }
        }
        label.style.width = wide + 'px';
    },

    // The next [happening, serial] a person caused, or 0 when there is none.
    oam_page_next_happening__deps: ['$OamPage'],
    oam_page_next_happening: function(serial) {
        if (OamPage.noted.length == 0) {
            return 0;
        }
        const what = OamPage.noted.shift();
        HEAP32[serial >> 2] = OamPage.noted.shift();
        return what;
    },

    // Sleeps until a person does something: no timer runs while the program waits.
    oam_page_wait__deps: ['$OamPage'],
    oam_page_wait: function() {
        return Asyncify.handleSleep(function(wakeUp) {
            if (OamPage.noted.length > 0) {
                wakeUp();
            } else {
                OamPage.wake = wakeUp;
            }
        });
    },

    // A modal box titled `title` with the text and one OK button; the window behind it takes no
    // input until Enter, OK or Escape closes it.
    oam_page_message__deps: ['$OamPage'],
    oam_page_message: function(title, text) {
        const titleText = UTF8ToString(title);
        const bodyText = UTF8ToString(text);
        return Asyncify.handleSleep(function(wakeUp) {
            if (!OamPage.dialog) {
                const dialog = document.createElement('dialog');
                const heading = dialog.appendChild(document.createElement('h1'));
                heading.id = 'oam-message-title';
                dialog.setAttribute('aria-labelledby', heading.id);
                dialog.appendChild(document.createElement('p'));
                const form = dialog.appendChild(document.createElement('form'));
                form.method = 'dialog';
                const ok = form.appendChild(document.createElement('button'));
                ok.textContent = 'OK';
                ok.autofocus = true;
                document.body.appendChild(dialog);
                OamPage.dialog = dialog;
            }
            const dialog = OamPage.dialog;
            dialog.children[0].textContent = titleText;
            dialog.children[1].textContent = bodyText;
            dialog.onclose = function() { wakeUp(); };
            dialog.showModal();
        });
    },

    // A polite live region outside the window, drawn nowhere. A screen reader speaks a change of
    // its text, not the text it was made with, nor the same text set again: the region is emptied
    // and the text comes a moment later, each time.
    oam_page_announce: function(text) {
        let region = document.getElementById('oam-announcement');
        if (!region) {
            region = document.body.appendChild(document.createElement('div'));
            region.id = 'oam-announcement';
            region.setAttribute('role', 'status');
            region.setAttribute('aria-live', 'polite');
        }
        const words = UTF8ToString(text);
        const settleMilliseconds = 100;
        region.textContent = '';
        clearTimeout(region.filling);
        region.filling = setTimeout(function() { region.textContent = words; }, settleMilliseconds);
    },
});
