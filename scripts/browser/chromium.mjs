// Debian's Chromium, headless, driven through the DevTools protocol with puppeteer-core. Never a
// downloaded browser; every run has a fresh profile of its own and asks the network for nothing.
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import puppeteer from 'puppeteer-core';

export const ChromiumPath = process.env.OAMCALC_CHROMIUM || '/usr/bin/chromium';
export const Viewport = { width: 1024, height: 768 };

export async function launch(options = {}) {
    const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'oamcalc-chromium-'));
    const browser = await puppeteer.launch({
        executablePath: ChromiumPath,
        headless: options.headless ?? true,
        defaultViewport: Viewport,
        userDataDir: profile,
        args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
            '--disable-component-update', '--disable-sync', '--disable-dev-shm-usage',
            `--window-size=${Viewport.width},${Viewport.height}`],
    });
    // The browser may still be writing its profile as it goes.
    // A profile left behind harms nothing.
    browser.on('disconnected', () => setTimeout(() => {
        try {
            fs.rmSync(profile, { recursive: true, force: true, maxRetries: 10, retryDelay: 100 });
        } catch {
            // left in the temporary folder
        }
    }, 200));
    return browser;
}

export function fileUrl(file) {
    return pathToFileURL(path.resolve(file)).href;
}

// Fails on any request that is not the file itself or data inside it.
export function refuseNetwork(page, file) {
    const own = fileUrl(file);
    const asked = [];
    page.on('request', (request) => {
        const url = request.url();
        if (url !== own && !url.startsWith('data:')) {
            asked.push(url);
        }
    });
    return asked;
}

// Resolves once the program has built its window and the browser has drawn it.
export async function windowDrawn(page) {
    await page.waitForFunction(() => document.querySelector('.window'));
    await page.evaluate(() => new Promise((drawn) => requestAnimationFrame(() => setTimeout(drawn))));
}
