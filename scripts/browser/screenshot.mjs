// Opens a web program's page from disk in headless Chromium, waits until its window holds every
// control, and saves a screenshot of the viewport.
//
//   node screenshot.mjs PAGE.html SCREENSHOT.png
import { launch, fileUrl, windowDrawn } from './chromium.mjs';

const [file, picture] = process.argv.slice(2);
const browser = await launch();
try {
    const page = await browser.newPage();
    page.on('pageerror', (error) => console.error(`page error: ${error.message}`));
    await page.goto(fileUrl(file));
    await windowDrawn(page);
    await page.screenshot({ path: picture });
    console.log(`screenshot: ${picture} (${await page.title()})`);
} finally {
    await browser.close();
}
