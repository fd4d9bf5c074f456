// A page the browser kept for its back button comes back with the program still running: the
// page is left for another, brought back from the back/forward cache, and then worked with real
// clicks and keys. Chromium keeps only pages it was given over HTTP, so a server of this script's
// own hands out the one file from 127.0.0.1, and nothing else.
//
//   node back_forward.mjs build/web/oamcalc.html
import fs from 'node:fs';
import http from 'node:http';
import { launch, windowDrawn } from '../../scripts/browser/chromium.mjs';

const file = process.argv[2];
let failures = 0;
function check(what, ok, detail = '') {
    console.log(`${ok ? 'ok' : 'not ok'} - ${what}${ok ? '' : `: ${detail}`}`);
    failures += ok ? 0 : 1;
}

const pages = {
    '/oamcalc.html': fs.readFileSync(file),
    '/elsewhere.html': '<!DOCTYPE html><title>Elsewhere</title><p>Another page.',
};
const server = http.createServer((request, response) => {
    const body = pages[request.url];
    response.writeHead(body ? 200 : 404, { 'Content-Type': 'text/html; charset=utf-8' });
    response.end(body ?? '');
});
await new Promise((listening) => server.listen(0, '127.0.0.1', listening));
const origin = `http://127.0.0.1:${server.address().port}`;

const browser = await launch();
try {
    const page = await browser.newPage();
    page.on('pageerror', (error) => check('no script error', false, error.message));
    await page.bringToFront();
    await page.goto(`${origin}/oamcalc.html`);
    await windowDrawn(page);

    // Why the browser would not keep the page, should it not.
    const devtools = await page.createCDPSession();
    const notKept = [];
    devtools.on('Page.backForwardCacheNotUsed', (event) =>
        notKept.push(...event.notRestoredExplanations.map((reason) => reason.reason)));
    await devtools.send('Page.enable');
    await page.evaluate(() => addEventListener('pageshow', (event) => {
        window.oamRestored = event.persisted;
    }));

    await page.goto(`${origin}/elsewhere.html`);
    await page.goBack();
    check('the page came back from the back/forward cache',
        notKept.length === 0 && await page.evaluate(() => window.oamRestored === true),
        notKept.join(', ') || 'pageshow was not persisted');
    check('the window came back with it', await page.$('.window') !== null);

    const named = (name) => page.$(`::-p-aria([name="${name}"])`);
    const value = async (name) => (await named(name)).evaluate((element) => element.value);
    async function typeInto(name, text) {
        await (await named(name)).click({ clickCount: 3 });
        await page.keyboard.type(text);
    }

    // Decode the window's worked example, step the Y coordinate with its Up key, encode again.
    await typeInto('OAM Value (6 bytes Hex)', '7464912c5a01');
    await (await page.$('::-p-text(Get Attributes)')).click();
    const fields = [];
    for (const name of ['Y-Coordinate', 'X-Coordinate', 'Tile Number', 'Palette Number']) {
        fields.push(await value(name));
    }
    check('Get Attributes sets the fields', fields.join(' ') === '100 300 513 5', fields.join(' '));
    await (await named('Y-Coordinate')).click();
    await page.keyboard.press('ArrowUp');
    await (await page.$('::-p-text(Calculate OAM)')).click();
    const entry = await value('OAM Value (6 bytes Hex)');
    check('Calculate OAM writes the entry', entry === '7465912C5A01', entry);
} catch (error) {
    check('the window can be used', false, error.message);
} finally {
    await browser.close();
    server.close();
}
process.exit(failures === 0 ? 0 : 1);
