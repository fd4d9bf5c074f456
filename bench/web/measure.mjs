// The web program's rows of `make bench`, all measured in one headless Chromium in one call: start-up
// beside the static page with the same 39 controls, click to result for both buttons, the page's
// main-thread task time while idle, opening a whole 2048-byte dump and idle after it, and the
// file's size. Prints one table. Task time is read through the DevTools protocol, so these rows
// are Chromium's alone.
//
//   node measure.mjs build/web/oamcalc.html build/web/bench/web/static_page.html
import fs from 'node:fs';
import { launch, fileUrl, windowDrawn } from '../../scripts/browser/chromium.mjs';

const [programFile, peerFile] = process.argv.slice(2);
const StartRuns = 7;
const ClickRuns = 9;
const IdleMs = 5000;
const IdleWhilesAfterStart = 3;
const IdleWhilesAfterUse = 2;
const OpenRuns = 15;
// The README's sample: 2048 bytes, 11 boxes drawn.
const SampleDump = new URL('../../docs/sample_oam.bin', import.meta.url);
// Both engines' 256 entries, every one a 16 x 16 box on the screen at its own place and priority:
// the most the viewer ever draws. Each entry is attr0 (y), attr1 (x, size 1), attr2 (priority) and
// the group halfword, little-endian.
function wholeDump() {
    const bytes = Buffer.alloc(2048);
    for (let entry = 0; entry < 256; ++entry) {
        bytes.writeUInt16LE((entry * 7) % 176, entry * 8);
        bytes.writeUInt16LE(((entry * 13) % 240) | 1 << 14, entry * 8 + 2);
        bytes.writeUInt16LE((entry % 4) << 10, entry * 8 + 4);
    }
    return [...bytes];
}

const median = (values) => values.slice().sort((a, b) => a - b)[values.length >> 1];

// From navigation to the first paint with content. The program makes all 39 controls in one task
// before the browser may draw, so that paint shows every control; so does the static page's.
async function startUp(browser, file) {
    const page = await browser.newPage();
    await page.goto(fileUrl(file));
    const ms = await page.evaluate(() => new Promise((resolve) => {
        new PerformanceObserver((list) => {
            const paint = list.getEntriesByName('first-contentful-paint')[0];
            if (paint && document.querySelectorAll('.window > *').length >= 39) {
                resolve(paint.startTime);
            }
        }).observe({ type: 'paint', buffered: true });
    }));
    await page.close();
    return ms;
}

// A real click on a button, timed in the page: the platform's part, from the click's input event
// to its reaching the page; the program's own part, from there until the program waits again
// (the browser runs the program between the page's listener and the next one); and the whole,
// until the frame that shows `shown` changed has been drawn (a task queued from that frame's
// animation callback runs after it).
async function click(page, name, shown) {
    await page.evaluate((shownId) => {
        window.oamTiming = new Promise((resolve) => {
            const field = document.getElementById(shownId);
            const before = field.value;
            let reached = 0;
            window.addEventListener('click', () => { reached = performance.now(); },
                { capture: true, once: true });
            window.addEventListener('click', (event) => {
                const waiting = performance.now();
                requestAnimationFrame(() => {
                    const drawn = new MessageChannel();
                    drawn.port1.onmessage = () => resolve({
                        totalMs: performance.now() - event.timeStamp,
                        deliveryMs: reached - event.timeStamp,
                        ownMs: waiting - reached,
                        changed: field.value !== before,
                    });
                    drawn.port2.postMessage(0);
                });
            }, { once: true });
        });
    }, shown);
    await (await page.$(`::-p-text(${name})`)).click();
    return page.evaluate(() => window.oamTiming);
}

// Both buttons clicked ClickRuns times each, with an entry to decode before each Get Attributes.
async function useButtons(page) {
    // The entry field and the palette field, the last control Get Attributes sets.
    const entryId = await page.$eval('::-p-aria([name="OAM Value (6 bytes Hex)"])', (e) => e.id);
    const paletteId = await page.$eval('::-p-aria([name="Palette Number"])', (e) => e.id);
    const clicks = { 'Calculate OAM': [], 'Get Attributes': [] };
    for (let run = 0; run < ClickRuns; ++run) {
        await page.$eval(`#${entryId}`, (field) => { field.value = ''; });
        clicks['Calculate OAM'].push(await click(page, 'Calculate OAM', entryId));
        const entry = `0000000000${(run + 1).toString(16).padStart(2, '0')}`.toUpperCase();
        await page.$eval(`#${entryId}`, (field, text) => { field.value = text; }, entry);
        await page.$eval(`#${paletteId}`, (field) => { field.value = '15'; });
        clicks['Get Attributes'].push(await click(page, 'Get Attributes', paletteId));
    }
    return clicks;
}

// The page's main-thread task time over each of `whiles` whiles of IdleMs it is left alone, one
// after the other; the metrics are switched on before the first begins.
async function idleTaskMs(page, whiles = 1) {
    const taskSeconds = async () => (await page.metrics()).TaskDuration;
    await taskSeconds();
    const spent = [];
    for (let run = 0; run < whiles; ++run) {
        const before = await taskSeconds();
        await new Promise((resolve) => setTimeout(resolve, IdleMs));
        spent.push((await taskSeconds() - before) * 1000);
    }
    return spent;
}

// Opening the whole dump, dropped on the page from a real DataTransfer: the whole, timed in the
// page as the clicks are, from the drop until the frame that shows both screens has been drawn;
// and the page's own work, its main-thread task time over that while (reading the file, the
// program's drawing, putting the picture in the page, style, layout and paint).
async function openDump(page, bytes) {
    const taskMs = async () => (await page.metrics()).TaskDuration * 1000;
    const timings = [];
    for (let run = 0; run < OpenRuns; ++run) {
        await page.evaluate(() => document.querySelector('.oam-screens svg')?.remove());
        await new Promise((resolve) => setTimeout(resolve, 300));
        const before = await taskMs();
        const totalMs = await page.evaluate((content) => new Promise((resolve) => {
            const dropped = performance.now();
            new MutationObserver((changes, observer) => {
                if (document.querySelector('.oam-screens svg')) {
                    observer.disconnect();
                    requestAnimationFrame(() => {
                        const drawn = new MessageChannel();
                        drawn.port1.onmessage = () => resolve(performance.now() - dropped);
                        drawn.port2.postMessage(0);
                    });
                }
            }).observe(document.body, { subtree: true, childList: true });
            const transfer = new DataTransfer();
            transfer.items.add(new File([new Uint8Array(content)], 'dump.bin'));
            document.body.dispatchEvent(new DragEvent('drop',
                { dataTransfer: transfer, bubbles: true, cancelable: true }));
        }), bytes);
        timings.push({ totalMs, ownMs: await taskMs() - before });
    }
    return timings;
}

const browser = await launch();
const rows = [];
try {
    const starts = { program: [], peer: [] };
    for (let run = 0; run < StartRuns; ++run) {
        starts.program.push(await startUp(browser, programFile));
        starts.peer.push(await startUp(browser, peerFile));
    }

    const peer = await browser.newPage();
    await peer.goto(fileUrl(peerFile));
    // The browser's own work after a load fades over the first seconds, script or none.
    const peerIdle = await idleTaskMs(peer, IdleWhilesAfterStart);
    await peer.close();

    // The same clicks on the static page, where a listener of the bench's own writes each result
    // at once: the floor, the browser's part alone.
    const floorPage = await browser.newPage();
    await floorPage.bringToFront();
    await floorPage.goto(fileUrl(peerFile));
    await windowDrawn(floorPage);
    await floorPage.evaluate(() => document.querySelectorAll('.window > button').forEach(
        (button) => button.addEventListener('click', () => {
            document.querySelectorAll('.window input').forEach((field) => { field.value += '1'; });
        })));
    const floorClicks = await useButtons(floorPage);
    await floorPage.close();

    const page = await browser.newPage();
    await page.bringToFront();
    await page.goto(fileUrl(programFile));
    await windowDrawn(page);
    const idleAfterStart = await idleTaskMs(page, IdleWhilesAfterStart);
    const clicks = await useButtons(page);
    const idleAfterUse = await idleTaskMs(page, IdleWhilesAfterUse);
    const opening = await openDump(page, [...fs.readFileSync(SampleDump)]);
    const openingWhole = await openDump(page, wholeDump());
    const idleAfterOpening = await idleTaskMs(page, IdleWhilesAfterUse);

    const program = median(starts.program);
    const floor = median(starts.peer);
    rows.push(['start-up to first paint, ms (vs static page)', program, floor,
        `ratio ${(program / floor).toFixed(2)}`, '<= 2.00']);
    for (const [name, timings] of Object.entries(clicks)) {
        const unchanged = timings.filter((timing) => !timing.changed).length;
        const part = (key, all = timings) => median(all.map((timing) => timing[key]));
        rows.push([`click ${name} to result, ms${unchanged ? ` (${unchanged} unchanged!)` : ''}`,
            part('totalMs'), part('totalMs', floorClicks[name]), '', '< 16.7']);
        rows.push(['  input delivery (platform), ms', part('deliveryMs'),
            part('deliveryMs', floorClicks[name]), '', '']);
        rows.push(['  own work, to waiting again, ms', part('ownMs'), '', '', '< 2']);
    }
    const last = IdleWhilesAfterStart - 1;
    rows.push(['idle main-thread tasks, ms, 0-5 s after start', idleAfterStart[0], peerIdle[0], '',
        '< 1']);
    rows.push([`idle main-thread tasks, ms, ${last * 5}-${last * 5 + 5} s after start`,
        idleAfterStart[last], peerIdle[last], '', '< 1']);
    rows.push(['idle main-thread tasks, ms, 0-5 s after use', idleAfterUse[0], '', '', '< 1']);
    rows.push(['idle main-thread tasks, ms, 5-10 s after use', idleAfterUse[1], '', '', '< 1']);
    for (const [what, timings] of [['the 2048-byte sample (11 boxes)', opening],
        ['2048 bytes of 256 boxes', openingWhole]]) {
        rows.push([`open ${what} drawn, ms`, median(timings.map((timing) => timing.totalMs)),
            '', '', '< 16.7']);
        rows.push(['  own work, main-thread task time, ms',
            median(timings.map((timing) => timing.ownMs)), '', '', '< 16.7']);
    }
    rows.push(['idle main-thread tasks, ms, 0-5 s after opening', idleAfterOpening[0],
        peerIdle[last], '', '< 1']);
    rows.push(['idle main-thread tasks, ms, 5-10 s after opening', idleAfterOpening[1],
        peerIdle[last], '', '< 1']);
    const kib = (file) => fs.statSync(file).size / 1024;
    rows.push(['file size, KiB (vs static page)', kib(programFile), kib(peerFile), '', '<= 256']);
} finally {
    await browser.close();
}

const title = `web, headless Chromium (median of ${StartRuns}/${ClickRuns}/${OpenRuns} runs)`;
console.log(`| ${title.padEnd(48)} |    oamcalc |   baseline | figure     | goal     |`);
console.log(`|${'-'.repeat(50)}|------------|------------|------------|----------|`);
const figure = (value) => (typeof value === 'number' ? value.toFixed(2) : value).padStart(10);
for (const [what, value, baseline, ratio, goal] of rows) {
    console.log(`| ${what.padEnd(48)} | ${figure(value)} | ${figure(baseline)} | ` +
        `${ratio.padEnd(10)} | ${goal.padEnd(8)} |`);
}
