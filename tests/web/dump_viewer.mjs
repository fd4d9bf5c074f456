// The page's dump viewer as a person meets it, in Chromium or in Firefox ESR, from disk and asking
// the network for nothing: a dump opened with the chooser and dropped on the page, both screens
// held byte for byte to the companion's picture of the same bytes (the companion's own cases pin
// those), and boxes and list entries chosen with real clicks and keys into the window.
//
//   node dump_viewer.mjs build/web/oamcalc.html chromium|firefox
import fs from 'node:fs';
import { fileURLToPath } from 'node:url';
import { launchBrowser } from '../../scripts/browser/browsers.mjs';
import { fileUrl, refuseNetwork, windowDrawn } from '../../scripts/browser/chromium.mjs';
import { named, typeInto } from './page_names.mjs';

const [file, browserName] = process.argv.slice(2);
const here = (relative) => fileURLToPath(new URL(relative, import.meta.url));
const cases = here('../cli/cases/');
const sample = here('../../docs/sample_oam.bin');
// Each dump beside the companion's picture of it, as its cases pin it.
const Pictures = [
    [sample, `${cases}screen_sample.out`],
    [`${cases}dumps/oam.bin`, `${cases}screen_oam.out`],
    [`${cases}dumps/first_entries.bin`, `${cases}screen_first_entries.out`],
];
// The companion's own messages for a file of another size, named as the page names a file.
// The case's runs: seven_bytes.bin, empty.bin on standard input, too_large.bin.
const refusals = fs.readFileSync(`${cases}screen_refused.err`, 'utf8').split('\n')
    .map((line) => line.replace(/^oamcalc-cli: (dumps\/)?/, ''));
const Refused = [[`${cases}dumps/seven_bytes.bin`, refusals[0]],
    [`${cases}dumps/empty.bin`, refusals[1].replace('standard input', 'empty.bin')],
    [`${cases}dumps/too_large.bin`, refusals[2]]];
// The fields a chosen entry shows: the twelve digits of its bytes, and the window's reading.
const WindowFields = ['OAM Value (6 bytes Hex)', 'Y-Coordinate', 'X-Coordinate', 'OBJ Shape',
    'Rotation/Scaling Parameter', 'Priority relative to BG'];

let failures = 0;
function check(what, ok, detail = '') {
    console.log(`${ok ? 'ok' : 'not ok'} - ${browserName}: ${what}${ok ? '' : `: ${detail}`}`);
    failures += ok ? 0 : 1;
}

function digitsOf(dumpFile, index) {
    const bytes = fs.readFileSync(dumpFile);
    return [0, 2, 4].map((at) => bytes.readUInt16LE(index * 8 + at).toString(16).toUpperCase()
        .padStart(4, '0')).join('');
}

const browser = await launchBrowser(browserName);
try {
    const page = await browser.newPage();
    page.on('pageerror', (error) => check('no script error', false, error.message));
    page.on('dialog', (dialog) => dialog.accept());
    const asked = refuseNetwork(page, file);
    await page.bringToFront();
    await page.goto(fileUrl(file));
    await windowDrawn(page);

    const chooser = await page.$('input[type=file]');
    const fields = async () => {
        const shown = [];
        for (const name of WindowFields) {
            shown.push(await (await named(page, name)).evaluate((element) => element.value));
        }
        return shown;
    };
    const picture = () => page.evaluate(() => {
        const save = document.querySelector('.oam-screens a');
        return save ? decodeURIComponent(save.href.replace(/^[^,]*,/, '')) : '';
    });
    const problem = () => page.$eval('.oam-dump [role=status]', (line) => line.textContent);
    // Where the window stands: centred across the room beside any scroll bar the screens bring.
    const windowBox = () => page.$eval('.window', (frame) => {
        const box = frame.getBoundingClientRect();
        const room = document.documentElement.clientWidth;
        return `${box.top + scrollY} ${box.width} ${box.height} ${box.left * 2 + box.width - room}`;
    });
    const opened = (name) => page.waitForFunction((wanted) =>
        document.getElementById('oam-dump-name')?.textContent === wanted, {}, name);
    const openWithChooser = async (path) => {
        await chooser.uploadFile(path);
    };
    const drop = async (path) => {
        const bytes = [...fs.readFileSync(path)];
        const name = path.split('/').pop();
        await page.evaluate((content, fileName) => {
            const transfer = new DataTransfer();
            transfer.items.add(new File([new Uint8Array(content)], fileName));
            document.querySelector('.window').dispatchEvent(new DragEvent('drop',
                { dataTransfer: transfer, bubbles: true, cancelable: true }));
        }, bytes, name);
    };

    // Before any dump: the window as it was, the control outside it.
    const before = { box: await windowBox(), fields: await fields() };
    const outside = await page.$eval('.oam-dump', (control) => {
        const own = control.getBoundingClientRect();
        const frame = document.querySelector('.window').getBoundingClientRect();
        return own.bottom <= frame.top || own.right <= frame.left;
    });
    check('the control stands outside the window', outside);

    // A file of any other size: the companion's message, announced, and nothing else changes.
    for (const [path, message] of Refused) {
        await openWithChooser(path);
        await page.waitForFunction((wanted) => document.querySelector(
            '.oam-dump [role=status]').textContent === wanted, { timeout: 5000 }, message)
            .catch(() => {});
        check(`${path.split('/').pop()} is refused with the companion's message`,
            await problem() === message, `${await problem()} against ${message}`);
    }
    const unchanged = await windowBox() === before.box &&
        JSON.stringify(await fields()) === JSON.stringify(before.fields) &&
        await page.$('.oam-screens') === null;
    check('a refused file leaves the window and the page unchanged', unchanged);

    // Opened with the chooser and dropped on the page: the companion's picture, byte for byte.
    for (const [index, [path, want]] of Pictures.entries()) {
        const name = path.split('/').pop();
        await (index % 2 === 0 ? openWithChooser(path) : drop(path));
        await opened(name);
        const got = await picture();
        check(`${name} ${index % 2 === 0 ? 'chosen' : 'dropped'}: the companion's picture`,
            got === fs.readFileSync(want, 'utf8'), `${got.length} characters`);
    }
    check('a dump clears the refusal', await problem() === '', await problem());
    check('the window stays where it was', await windowBox() === before.box, await windowBox());

    // A click on a box loads its entry, which stays marked.
    await drop(sample);
    await opened('sample_oam.bin');
    const spot = await page.evaluate(() => {
        const box = document.getElementById('entry-A4');
        box.scrollIntoView({ block: 'center' });
        for (const piece of box.querySelectorAll('rect')) {
            const r = piece.getBoundingClientRect();
            for (let y = r.top + 2; y < r.bottom; y += 4) {
                for (let x = r.left + 2; x < r.right; x += 4) {
                    if (document.elementFromPoint(x, y)?.closest('[data-entry]') === box) {
                        return [x, y];
                    }
                }
            }
        }
        return null;
    });
    // The pointer resting on a box's label rests on the box, whose title the browser shows.
    const underLabel = await page.evaluate(() => {
        const label = [...document.querySelectorAll('#screen-A text')]
            .find((text) => text.textContent === '4 g1');
        const r = label.getBoundingClientRect();
        const box = document.elementFromPoint(r.left + r.width / 2, r.top + r.height / 2)
            ?.closest('[data-entry]');
        return box ? box.querySelector('title').textContent : '';
    });
    check('a box\'s label lets the pointer through to the box and its title',
        underLabel === 'A4: 128 x 128 at x=64 y=150, priority 3, group 1, double size', underLabel);
    await page.mouse.click(...spot);
    const a4 = await fields();
    check('a click on box A4 decodes it in the window', JSON.stringify(a4) === JSON.stringify(
        [digitsOf(sample, 4), '150', '64', 'Square', '1', 'Lowest']), JSON.stringify(a4));
    const marked = () => page.$$eval('[aria-current]', (all) => all.map((entry) => entry.id).join());
    check('the chosen box is marked', await marked() === 'entry-A4', await marked());

    // List entries: a hidden one and a prohibited one, each as the window reads it.
    await drop(`${cases}dumps/oam.bin`);
    await opened('oam.bin');
    for (const [id, index, want] of [['list-A2', 2, 'Hidden'], ['list-B0', 128, 'Prohibited']]) {
        await (await page.$(`#${id}`)).click();
        const shown = await fields();
        check(`a click on list entry ${id} (${want}) loads its digits`,
            shown[0] === digitsOf(`${cases}dumps/oam.bin`, index), JSON.stringify(shown));
        check(`${id} is marked`, await marked() === id, await marked());
    }
    const dialogOpen = await page.$('dialog[open]');
    if (dialogOpen) {
        await page.keyboard.press('Enter');
    }

    // The keys: Tab reaches A4 in the sample, Enter chooses it.
    await drop(sample);
    await opened('sample_oam.bin');
    await typeInto(page, 'OAM Value (6 bytes Hex)', '000000000000');
    let focused = '';
    for (let press = 0; press < 300 && !focused.startsWith('A4:'); ++press) {
        await page.keyboard.press('Tab');
        focused = await page.evaluate(() => document.activeElement.getAttribute('aria-label') || '');
    }
    check('Tab reaches box A4, named by its title', focused ===
        'A4: 128 x 128 at x=64 y=150, priority 3, group 1, double size', focused);
    await page.keyboard.press('Enter');
    check('Enter on box A4 decodes it', (await fields())[0] === digitsOf(sample, 4));
    await page.keyboard.press('Tab');
    await page.keyboard.press(' ');
    const next = await page.evaluate(() => document.activeElement.getAttribute('data-entry'));
    check('Space chooses the next entry', next === '5' &&
        (await fields())[0] === digitsOf(sample, 5), `${next} ${(await fields())[0]}`);

    // The names, as Chromium's accessibility tree gives them; the tree is read through the
    // DevTools protocol, which only Chromium speaks.
    if (browserName === 'chromium') {
        const tree = await page.accessibility.snapshot({ interestingOnly: false });
        let group = null;
        (function find(node) {
            if (node.role === 'group' && node.name === 'sample_oam.bin') {
                group = node;
            }
            (node.children || []).forEach(find);
        })(tree);
        const buttons = [];
        (function walk(node) {
            if (node.role === 'button') {
                buttons.push(node.name);
            }
            (node.children || []).forEach(walk);
        })(group || {});
        const titles = await page.$$eval('.oam-screens [data-entry] > title',
            (all) => all.map((title) => title.textContent));
        check('the screens are a group named by the file, each entry a button named by its title',
            group !== null && JSON.stringify(buttons.slice().sort()) ===
            JSON.stringify(titles.slice().sort()), `${buttons.length} of ${titles.length}`);
        await openWithChooser(`${cases}dumps/seven_bytes.bin`);
        const status = await page.waitForFunction(() => document.querySelector(
            '.oam-dump [role=status]').textContent);
        const announced = [];
        (function walk(node) {
            if (node.role === 'status') {
                announced.push(node.name || (node.children || []).map((c) => c.name).join(''));
            }
            (node.children || []).forEach(walk);
        })(await page.accessibility.snapshot({ interestingOnly: false }));
        check('the refusal is a status', status && announced.join().includes('7 bytes'),
            JSON.stringify(announced));
    }
    check('no network request', asked.length === 0, asked.join(' '));
} finally {
    await browser.close();
}
process.exit(failures === 0 ? 0 : 1);
