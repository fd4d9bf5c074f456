// Debian's Firefox ESR, headless, driven through puppeteer-core over WebDriver BiDi: the other
// browser the page's real-input tests run in. Never a downloaded browser; every run has a fresh
// profile of its own and asks the network for nothing.
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';
import { Viewport } from './chromium.mjs';

export const FirefoxPath = process.env.OAMCALC_FIREFOX || '/usr/bin/firefox-esr';

// Preferences that keep a fresh profile from reaching out on its own.
const QuietPreferences = {
    'app.update.enabled': false,
    'browser.safebrowsing.malware.enabled': false,
    'browser.safebrowsing.phishing.enabled': false,
    'browser.shell.checkDefaultBrowser': false,
    'datareporting.policy.dataSubmissionEnabled': false,
    'network.captive-portal-service.enabled': false,
    'network.connectivity-service.enabled': false,
    'extensions.update.enabled': false,
    'browser.aboutwelcome.enabled': false,
};

export async function launch() {
    const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'oamcalc-firefox-'));
    const browser = await puppeteer.launch({
        browser: 'firefox',
        executablePath: FirefoxPath,
        headless: true,
        defaultViewport: Viewport,
        userDataDir: profile,
        extraPrefsFirefox: QuietPreferences,
        args: [`--width=${Viewport.width}`, `--height=${Viewport.height}`],
    });
    // Firefox may still be writing its profile as it ends; a profile left behind harms nothing.
    browser.on('disconnected', () => setTimeout(() => {
        try {
            fs.rmSync(profile, { recursive: true, force: true, maxRetries: 10, retryDelay: 200 });
        } catch {
            // left in the temporary folder
        }
    }, 1000));
    return browser;
}
