// Opens a web program's page from disk in headless Chromium, waits until its window holds every
// control, and saves a screenshot of the viewport. Given a dump, the page opens it with its
// chooser, chooses the entry named (a box's or a list entry's id, "entry-A4"), and the screenshot
// takes in the whole page.
//
//   node screenshot.mjs PAGE.html SCREENSHOT.png [DUMP [ENTRY_ID]]
import { launch, fileUrl, windowDrawn } from './chromium.mjs';

const [file, picture, dump, entry] = process.argv.slice(2);
const browser = await launch();
try {
    const page = await browser.newPage();
    page.on('pageerror', (error) => console.error(`page error: ${error.message}`));
    await page.goto(fileUrl(file));
    await windowDrawn(page);
    if (dump) {
        await (await page.$('input[type=file]')).uploadFile(dump);
        await page.waitForSelector('.oam-screens svg');
        if (entry) {
            // Chosen with the keys, as the box's centre may show another box in front of it.
            await page.$eval(`#${entry}`, (chosen) => chosen.focus());
            await page.keyboard.press('Enter');
        }
        await page.evaluate(() => document.activeElement.blur());
        await windowDrawn(page);
    }
    await page.screenshot({ path: picture, fullPage: Boolean(dump) });
    console.log(`screenshot: ${picture} (${await page.title()})`);
} finally {
    await browser.close();
}
