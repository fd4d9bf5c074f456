// The dump viewer's page side; dump_view.cpp is its program side. One "Open OAM dump…" control
// outside the window, and a file dropped anywhere on the page, open a dump; both screens are then
// drawn below the window from the picture the program draws, and a box or a list entry chosen
// with the pointer or the keys goes into the window as a person would type it there and press
// "Get Attributes". The file is read in the browser; nothing is sent anywhere.
mergeInto(LibraryManager.library, {
    $OamDumpView__deps: ['$OamPage', 'malloc', 'free'],
    $OamDumpView: {
        // Between the window's lower edge and the screens, in pixels.
        gap: 16,
        bytes: null,
        section: null,
        problem: null,

        start: function() {
            const control = document.createElement('div');
            control.className = 'oam-dump';
            const label = control.appendChild(document.createElement('label'));
            label.appendChild(document.createElement('span')).textContent = 'Open OAM dump\u2026';
            const chooser = label.appendChild(document.createElement('input'));
            chooser.type = 'file';
            chooser.setAttribute('data-oam-stop', '');
            chooser.addEventListener('change', function() {
                const file = chooser.files[0];
                // The same file chosen again opens again.
                chooser.value = '';
                if (file) {
                    OamDumpView.open(file);
                }
            });
            // A bad file's line, which a screen reader announces when it changes.
            const problem = control.appendChild(document.createElement('span'));
            problem.setAttribute('role', 'status');
            OamDumpView.problem = problem;
            document.body.appendChild(control);
            document.addEventListener('dragover', function(event) {
                event.preventDefault();
            });
            document.addEventListener('drop', function(event) {
                event.preventDefault();
                const files = event.dataTransfer ? event.dataTransfer.files : [];
                if (files.length > 0) {
                    OamDumpView.open(files[0]);
                }
            });
            window.addEventListener('resize', OamDumpView.place);
            OamPage.outsideStops = OamDumpView.stops;
        },

        // The companion's message for a file of another size; nothing else changes.
        problemOf: function(name, size) {
            const chars = allocateUTF8(name);
            const text = _oam_dump_problem(size, chars);
            _free(chars);
            if (!text) {
                return '';
            }
            const problem = UTF8ToString(text);
            _free(text);
            return problem;
        },

        open: function(file) {
            const problem = OamDumpView.problemOf(file.name, file.size);
            if (problem) {
                OamDumpView.problem.textContent = problem;
                return;
            }
            file.arrayBuffer().then(function(buffer) {
                // A file may have changed since it was chosen: what was read is what counts.
                const bytes = new Uint8Array(buffer);
                const changed = OamDumpView.problemOf(file.name, bytes.length);
                if (changed) {
                    OamDumpView.problem.textContent = changed;
                } else {
                    OamDumpView.show(file.name, bytes);
                }
            }, function(error) {
                OamDumpView.problem.textContent = file.name + ': ' + error.message;
            });
        },

        // Calls `draw` with a copy of the dump in the program's memory.
        withDump: function(bytes, draw) {
            const at = _malloc(Math.max(bytes.length, 1));
            HEAPU8.set(bytes, at);
            const text = draw(at, bytes.length);
            _free(at);
            if (!text) {
                return '';
            }
            const result = UTF8ToString(text);
            _free(text);
            return result;
        },

        // The screens: a group named by the file's name, below the window.
        newSection: function() {
            const section = document.createElement('section');
            section.className = 'oam-screens';
            section.setAttribute('role', 'group');
            const caption = section.appendChild(document.createElement('p'));
            caption.appendChild(document.createElement('span')).id = 'oam-dump-name';
            section.setAttribute('aria-labelledby', 'oam-dump-name');
            const save = caption.appendChild(document.createElement('a'));
            save.textContent = 'Save the picture (SVG)';
            save.setAttribute('data-oam-stop', '');
            section.addEventListener('click', function(event) {
                const chosen = event.target.closest('[data-entry]');
                if (chosen) {
                    OamDumpView.choose(chosen);
                }
            });
            section.addEventListener('keydown', function(event) {
                const chosen = event.target.closest('[data-entry]');
                if (chosen && (event.key == 'Enter' || event.key == ' ')) {
                    event.preventDefault();
                    OamDumpView.choose(chosen);
                }
            });
            document.body.appendChild(section);
            return section;
        },

        show: function(name, bytes) {
            const picture = OamDumpView.withDump(bytes, _oam_dump_picture);
            // The page's own parser reads SVG inside HTML several times faster than an XML one;
            // the XML declaration becomes a comment, and a template runs nothing.
            const reader = document.createElement('template');
            reader.innerHTML = picture;
            const svg = reader.content.firstElementChild;
            // Every box and list entry is a button named by its title, which its title shows as
            // the pointer rests on it.
            svg.querySelectorAll('[data-entry]').forEach(function(entry) {
                entry.setAttribute('tabindex', '0');
                entry.setAttribute('role', 'button');
                entry.setAttribute('aria-label', entry.querySelector('title').textContent);
            });
            OamDumpView.bytes = bytes;
            OamDumpView.problem.textContent = '';
            const placed = OamDumpView.section;
            const section = placed || (OamDumpView.section = OamDumpView.newSection());
            section.querySelector('#oam-dump-name').textContent = name;
            const save = section.querySelector('a');
            save.download = name.replace(/\.[^.]*$/, '') + '.svg';
            save.href = 'data:image/svg+xml;charset=utf-8,' + encodeURIComponent(picture);
            const old = section.querySelector('svg');
            if (old) {
                old.replaceWith(svg);
            } else {
                section.appendChild(svg);
            }
            // Placing reads the window's place, which makes the browser lay the page out at once:
            // once, and again only as the page is resized.
            if (!placed) {
                OamDumpView.place();
            }
        },

        place: function() {
            const section = OamDumpView.section;
            const frame = OamPage.window;
            if (section && frame) {
                section.style.top = frame.offsetTop + frame.offsetHeight + OamDumpView.gap + 'px';
            }
        },

        // Where Tab goes outside the window: the control, the picture's link, then the entries
        // in dump order, each a box or a list entry.
        stops: function() {
            const outside = Array.prototype.slice.call(
                document.querySelectorAll('[data-oam-stop]'));
            const section = OamDumpView.section;
            if (!section) {
                return outside;
            }
            const entries = Array.prototype.slice.call(section.querySelectorAll('[data-entry]'));
            entries.sort(function(a, b) {
                return a.getAttribute('data-entry') - b.getAttribute('data-entry');
            });
            return outside.concat(entries);
        },

        // The entry's twelve digits into the entry field, then "Get Attributes", through the
        // window's own listeners, so every rule of the window applies.
        choose: function(entry) {
            if (OamPage.dialog && OamPage.dialog.open) {
                return;
            }
            const field = OamPage.element(_oam_dump_entry_field());
            const button = OamPage.element(_oam_dump_get_attributes_button());
            const index = Number(entry.getAttribute('data-entry'));
            const text = OamDumpView.withDump(OamDumpView.bytes, function(at, size) {
                return _oam_dump_entry_text(at, size, index);
            });
            if (!field || !button || !text) {
                return;
            }
            const marked = OamDumpView.section.querySelector('[aria-current]');
            if (marked) {
                marked.removeAttribute('aria-current');
            }
            entry.setAttribute('aria-current', 'true');
            field.value = text;
            field.dispatchEvent(new Event('input', { bubbles: true }));
            button.click();
        },
    },

    oam_dump_view_start__deps: ['$OamDumpView'],
    oam_dump_view_start: function() {
        OamDumpView.start();
    },
});
