// The one file as a person meets it: opened from disk with no server in Chromium or in Firefox ESR,
// worked with real mouse clicks and key presses, asking the network for nothing. Controls are found
// by the names a screen reader gives them, which their labels make.
//
//   node real_input.mjs build/web/oamcalc.html chromium|firefox
import { launchBrowser } from '../../scripts/browser/browsers.mjs';
import { fileUrl, refuseNetwork, windowDrawn } from '../../scripts/browser/chromium.mjs';
import { named, typeInto } from './page_names.mjs';

const [file, browserName] = process.argv.slice(2);
let failures = 0;
function check(what, ok, detail = '') {
    console.log(`${ok ? 'ok' : 'not ok'} - ${what}${ok ? '' : `: ${detail}`}`);
    failures += ok ? 0 : 1;
}

const browser = await launchBrowser(browserName);
try {
    const page = await browser.newPage();
    page.on('pageerror', (error) => check('no script error', false, error.message));
    const asked = refuseNetwork(page, file);
    await page.bringToFront();
    await page.goto(fileUrl(file));
    await windowDrawn(page);

    const value = (handle) => handle.evaluate((element) => element.value);
    const focusedName = () => page.evaluate(() => {
        const focused = document.activeElement;
        return focused.labels && focused.labels.length ? focused.labels[0].textContent
                                                       : focused.textContent;
    });
    // A list is picked with the keyboard: focused, then stepped with the arrow keys.
    async function pickWithKeys(name, steps) {
        const list = await named(page, name);
        await list.focus();
        for (let step = 0; step < steps; ++step) {
            await page.keyboard.press('ArrowDown');
        }
        return list;
    }
    const entry = await named(page, 'OAM Value (6 bytes Hex)');
    // What the live region says, "polite: words", once it says `wanted` or five seconds have
    // passed; and whether it stands outside the window. Chromium's accessibility tree is read
    // through its DevTools protocol; Firefox speaks none, so there the region's own markup is read.
    const devtools = browserName === 'chromium' ? await page.createCDPSession() : null;
    async function announced(wanted) {
        let said = '';
        for (const end = Date.now() + 5000; said !== wanted && Date.now() < end;) {
            if (!devtools) {
                said = await page.evaluate(() => {
                    const region = document.getElementById('oam-announcement');
                    return region ? `${region.getAttribute('aria-live')}: ${region.textContent.trim()}`
                                  : 'no region';
                });
                continue;
            }
            // The page holds another status, the dump viewer's: the region is found by its element.
            const { root } = await devtools.send('DOM.getDocument');
            const { nodeId } = await devtools.send('DOM.querySelector',
                { nodeId: root.nodeId, selector: '#oam-announcement' });
            const { node } = nodeId ? await devtools.send('DOM.describeNode', { nodeId })
                                    : { node: {} };
            const { nodes } = await devtools.send('Accessibility.getFullAXTree');
            const region = nodes.find((candidate) => candidate.role &&
                candidate.role.value === 'status' && candidate.backendDOMNodeId === node.backendNodeId);
            const live = region && region.properties.find((property) => property.name === 'live');
            const words = nodes.filter((node) => region && node.parentId === region.nodeId)
                .map((node) => node.name.value).join(' ');
            said = region ? `${live ? live.value.value : 'not live'}: ${words}` : 'no region';
        }
        const outside = await page.$eval('.window', (window) =>
            !window.contains(document.getElementById('oam-announcement')));
        return `${said}${outside ? '' : ' (inside the window)'}`;
    }

    // The window: its inner area centred in the viewport, the page titled and with its icon.
    const frame = await page.$eval('.window', (window) => {
        const box = window.getBoundingClientRect();
        return [box.width, box.height, box.left * 2 + box.width - innerWidth,
            box.top * 2 + box.height - innerHeight, document.title,
            document.querySelector('link[rel=icon]').href.slice(0, 22)].join(' ');
    });
    check('the window', frame === '840 380 0 0 Quorvex - Dunmarrow data:image/png;base64,', frame);

    // A spin field steps with its Up key and its arrows, and stops at its bounds.
    const tile = await named(page, 'Tile Number');
    await tile.click();
    await page.keyboard.press('ArrowUp');
    await page.keyboard.press('ArrowUp');
    const stepped = await value(tile);
    const arrows = await tile.evaluate((input) => input.parentNode.querySelectorAll('button').length);
    const down = await page.$('::-p-aria([name="Tile Number"]) + span > button:last-child');
    for (let click = 0; click < 3; ++click) {
        await down.click();
    }
    const spin = `${stepped} ${arrows} ${await value(tile)}`;
    check('a spin field steps within its range', spin === '2 2 0', spin);

    // Encode: the entry of the window's worked example.
    await typeInto(page, 'Y-Coordinate', '100');
    await typeInto(page, 'X-Coordinate', '300');
    await typeInto(page, 'Tile Number', '513');
    await typeInto(page, 'Palette Number', '5');
    for (const [name, steps] of [['OBJ Mode', 1], ['OBJ Mosaic', 1], ['Colors/Palettes', 1],
        ['OBJ Size', 6], ['Horizontal Flip', 1], ['Priority relative to BG', 2]]) {
        await pickWithKeys(name, steps);
    }
    const shape = await named(page, 'OBJ Shape');
    check('a size picked with the keys selects its shape',
        await shape.evaluate((list) => list.value) === 'Horizontal');
    await (await page.$('::-p-text(Calculate OAM)')).click();
    check('Calculate OAM writes the entry', await value(entry) === '7464912C5A01', await value(entry));
    const wantedAfterCalculate = 'polite: OAM value 7464912C5A01';
    const afterCalculate = `${await announced(wantedAfterCalculate)} / ${await focusedName()}`;
    check('Calculate OAM announces the entry, the focus staying on the button',
        afterCalculate === `${wantedAfterCalculate} / Calculate OAM`, afterCalculate);

    // Decode: typed in lower case, shown in capitals.
    await typeInto(page, 'OAM Value (6 bytes Hex)', '33ffebffffff');
    check('the entry shows capitals', await value(entry) === '33FFEBFFFFFF', await value(entry));
    await (await page.$('::-p-text(Get Attributes)')).click();
    const shown = {};
    for (const name of ['Y-Coordinate', 'Tile Number', 'Rotation/Scaling Parameter']) {
        shown[name] = await value(await named(page, name));
    }
    check('Get Attributes sets the fields', JSON.stringify(shown) ===
        '{"Y-Coordinate":"255","Tile Number":"1023","Rotation/Scaling Parameter":"21"}',
        JSON.stringify(shown));
    const wantedAfterGet = 'polite: Fields set from OAM value 33FFEBFFFFFF';
    const afterGet = `${await announced(wantedAfterGet)} / ${await focusedName()}`;
    check('Get Attributes announces that the fields were set, the focus staying on the button',
        afterGet === `${wantedAfterGet} / Get Attributes`, afterGet);
    check('the flip lists are greyed with rotation/scaling on',
        await (await named(page, 'Horizontal Flip')).evaluate((list) => list.disabled));

    // The error box: modal, the window behind takes no click, Enter closes it.
    await typeInto(page, 'OAM Value (6 bytes Hex)', '123');
    await (await page.$('::-p-text(Get Attributes)')).click();
    const box = await page.waitForSelector('dialog[open]', { timeout: 5000 });
    const boxText = await box.evaluate((dialog) => dialog.innerText.replace(/\s+/g, ' ').trim());
    check('the error box', boxText === 'Error This is not a valid 6 bytes OAM OK', boxText);
    await page.mouse.click(...await centre(await page.$('::-p-text(Calculate OAM)')));
    await page.keyboard.press('Enter');
    await page.waitForSelector('dialog[open]', { hidden: true, timeout: 5000 });
    check('the window behind the box took no click', await value(entry) === '123', await value(entry));

    // Tab and Shift+Tab go round the controls in creation order.
    await entry.focus();
    await page.keyboard.press('Tab');
    const afterTab = await focusedName();
    await page.keyboard.down('Shift');
    await page.keyboard.press('Tab');
    await page.keyboard.press('Tab');
    const outside = await focusedName();
    await page.keyboard.press('Tab');
    await page.keyboard.up('Shift');
    const afterShiftTabs = await focusedName();
    check('Tab and Shift+Tab go round, through the dump control outside the window',
        afterTab === 'Get Attributes' && outside === 'Open OAM dump\u2026' &&
        afterShiftTabs.startsWith('Palette Number'), `${afterTab} / ${outside} / ${afterShiftTabs}`);

    // Every label shows its whole text and covers no other control, widened or not.
    const crowded = await page.$$eval('.window > label', (labels) => labels.flatMap((label) => {
        const box = label.getBoundingClientRect();
        const others = [...label.parentNode.children].filter((other) =>
            other !== label && other.tagName !== 'FIELDSET');
        const covered = others.filter((other) => {
            const r = other.getBoundingClientRect();
            return r.left < box.right && r.right > box.left && r.top < box.bottom && r.bottom > box.top;
        });
        const cut = label.scrollWidth > label.clientWidth || label.scrollHeight > label.clientHeight;
        return cut || covered.length ? [label.textContent] : [];
    }));
    check('labels show their whole text beside their controls', crowded.length === 0,
        crowded.join(', '));

    // Every list shows its whole items: the widest item's text, in the list's own font, fits
    // between its padding and its arrow.
    const cutItems = await page.$$eval('.window select', (lists) => lists.flatMap((list) => {
        const style = getComputedStyle(list);
        const context = document.createElement('canvas').getContext('2d');
        context.font = `${style.fontSize} ${style.fontFamily}`;
        const room = list.clientWidth - parseFloat(style.paddingLeft) -
            parseFloat(style.paddingRight);
        return [...list.options].filter((item) => context.measureText(item.text).width > room)
            .map((item) => `${item.text} (${room}px)`);
    }));
    check('every list shows its whole items', cutItems.length === 0, cutItems.join(', '));

    check('no network request', asked.length === 0, asked.join(' '));
    // The accessibility tree is read through the DevTools protocol, which only Chromium speaks.
    if (browserName === 'chromium') {
        // Every labelled control is named by its label's words, without the colon drawn after them.
        const tree = await page.accessibility.snapshot();
        const names = [];
        (function walk(node) {
            if (['textbox', 'spinbutton', 'combobox'].includes(node.role)) {
                names.push(node.name);
            }
            (node.children || []).forEach(walk);
        })(tree);
        const labels = await page.$$eval('.window label', (all) => all.map((label) =>
            label.textContent.replace(/\s*:\s*$/, '').replace(/\s+/g, ' ')));
        check('each control is named by its label', JSON.stringify(names) === JSON.stringify(labels),
            `${JSON.stringify(names)} against ${JSON.stringify(labels)}`);
    }
} finally {
    await browser.close();
}

async function centre(handle) {
    const box = await handle.boundingBox();
    return [box.x + box.width / 2, box.y + box.height / 2];
}
process.exit(failures === 0 ? 0 : 1);
