// The two browsers Debian ships that the page's real-input tests run in, by name: Chromium over
// the DevTools protocol, Firefox ESR over WebDriver BiDi.
import * as chromium from './chromium.mjs';
import * as firefox from './firefox.mjs';

export const BrowserNames = ['chromium', 'firefox'];

export function launchBrowser(name) {
    if (name === 'chromium') {
        return chromium.launch();
    }
    if (name === 'firefox') {
        return firefox.launch();
    }
    throw new Error(`no browser called ${name}: one of ${BrowserNames.join(', ')}`);
}
