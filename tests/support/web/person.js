// What a person does to the page and sees of it, for the web layer's person (user.cpp) and fixture
// (tests/behaviour/web_fixture.cpp): the DOM events a browser sends for each action. Controls are
// found by the element ids the page gives them ("oam" and the serial the control table keeps).
mergeInto(LibraryManager.library, {
    $OamPerson: {
        control: function(serial) {
            return document.getElementById('oam' + serial);
        },
        closeTab: function() {
            window.dispatchEvent(new PageTransitionEvent('pagehide'));
        },
    },

    oam_person_pick__deps: ['$OamPerson'],
    oam_person_pick: function(serial, index) {
        const list = OamPerson.control(serial);
        list.selectedIndex = index;
        list.dispatchEvent(new Event('input', { bubbles: true }));
        list.dispatchEvent(new Event('change', { bubbles: true }));
    },

    oam_person_type__deps: ['$OamPerson'],
    oam_person_type: function(serial, text) {
        const field = OamPerson.control(serial);
        field.value = UTF8ToString(text);
        field.dispatchEvent(new InputEvent('input', { bubbles: true, inputType: 'insertText' }));
    },

    oam_person_click_arrow__deps: ['$OamPerson'],
    oam_person_click_arrow: function(serial, up) {
        const arrows = OamPerson.control(serial).parentNode.querySelectorAll('button');
        arrows[up ? 0 : arrows.length - 1].click();
    },

    oam_person_press__deps: ['$OamPerson'],
    oam_person_press: function(serial) {
        const button = OamPerson.control(serial);
        button.focus();
        button.click();
    },

    oam_person_focus__deps: ['$OamPerson'],
    oam_person_focus: function(serial) {
        OamPerson.control(serial).focus();
    },

    oam_person_tab: function(backwards) {
        const key = { key: 'Tab', shiftKey: backwards != 0, bubbles: true, cancelable: true };
        (document.activeElement || document.body).dispatchEvent(new KeyboardEvent('keydown', key));
    },

    oam_person_close_tab__deps: ['$OamPerson'],
    oam_person_close_tab: function() {
        OamPerson.closeTab();
    },

    // Once the program first waits, when its window is up.
    oam_person_close_tab_once_waiting__deps: ['$OamPerson'],
    oam_person_close_tab_once_waiting: function() {
        setTimeout(OamPerson.closeTab);
    },

    oam_person_focused: function() {
        const id = document.activeElement ? document.activeElement.id : '';
        return id.startsWith('oam') ? parseInt(id.substring(3), 10) || 0 : 0;
    },

    oam_person_enabled__deps: ['$OamPerson'],
    oam_person_enabled: function(serial) {
        return !OamPerson.control(serial).disabled;
    },

    oam_person_item_count__deps: ['$OamPerson'],
    oam_person_item_count: function(serial) {
        const list = OamPerson.control(serial);
        return list.tagName == 'SELECT' ? list.length : 0;
    },

    oam_person_item_text__deps: ['$OamPerson'],
    oam_person_item_text: function(serial, index) {
        const item = OamPerson.control(serial).options[index];
        return allocateUTF8(item ? item.textContent : '');
    },

    oam_person_title: function() {
        return allocateUTF8(document.title);
    },

    // On each box: its title and text are noted with its button count; a click where the button
    // behind it is, as the browser's hit test finds it, must not reach that button; then OK.
    oam_person_watch_boxes__deps: ['$OamPerson'],
    oam_person_watch_boxes: function(behindSerial) {
        OamPerson.boxesSeen = [];
        OamPerson.boxWatch = new MutationObserver(function() {
            const box = document.querySelector('dialog[open]');
            if (!box) {
                return;
            }
            OamPerson.boxesSeen.push([box.children[0].textContent, box.children[1].textContent,
                box.querySelectorAll('button').length]);
            const behind = OamPerson.control(behindSerial).getBoundingClientRect();
            const hit = document.elementFromPoint(behind.x + behind.width / 2,
                behind.y + behind.height / 2);
            if (hit) {
                hit.click();
            }
            box.querySelector('button').click();
        });
        OamPerson.boxWatch.observe(document.body,
            { attributes: true, subtree: true, attributeFilter: ['open'] });
    },

    oam_person_boxes_seen__deps: ['$OamPerson'],
    oam_person_boxes_seen: function() {
        OamPerson.boxWatch.disconnect();
        return OamPerson.boxesSeen.length;
    },

    // Part 0 is the title, 1 the text, 2 the number of buttons.
    oam_person_box_part__deps: ['$OamPerson'],
    oam_person_box_part: function(box, part) {
        return allocateUTF8(String(OamPerson.boxesSeen[box][part]));
    },
});
