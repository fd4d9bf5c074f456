// Runs a test program compiled to a page (tests/web.cmake) in headless Chromium and passes on what
// it prints and its exit status, as CTest runs any other test program.
//
//   node run-page.mjs PAGE.html
import { launch, fileUrl } from './chromium.mjs';

const TimeoutMs = 280000;
const file = process.argv[2];
const browser = await launch();
let status = 1;
try {
    const page = await browser.newPage();
    page.on('pageerror', (error) => console.error(`page error: ${error.message}`));
    await page.exposeFunction('oamPrint', (line) => console.log(line));
    await page.exposeFunction('oamPrintError', (line) => console.error(line));
    const ended = new Promise((resolve) => page.exposeFunction('oamExit', resolve));
    await page.evaluateOnNewDocument(() => {
        window.Module = {
            print: (line) => window.oamPrint(line),
            printErr: (line) => window.oamPrintError(line),
            onAbort: () => window.oamExit(134),
            // main waits inside the page (Asyncify), so it is called as an asynchronous call.
            onRuntimeInitialized: () => {
                const module = window.Module;
                const argv = module._malloc(8);
                module.setValue(argv, module.allocateUTF8(document.title || 'test'), 'i32');
                module.setValue(argv + 4, 0, 'i32');
                module.ccall('main', 'number', ['number', 'number'], [1, argv], { async: true })
                    .then(window.oamExit, () => window.oamExit(134));
            },
        };
    });
    // Focus moves only within a page that has it.
    await page.bringToFront();
    await page.goto(fileUrl(file));
    status = await Promise.race([ended,
        new Promise((resolve) => setTimeout(() => resolve('timeout'), TimeoutMs))]);
    if (status === 'timeout') {
        console.error(`run-page: ${file} did not end within ${TimeoutMs / 1000} s`);
        status = 1;
    }
    // Lets the last lines printed reach this process.
    await new Promise((resolve) => setTimeout(resolve, 100));
} finally {
    await browser.close();
}
process.exit(status);
