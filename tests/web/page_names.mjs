// Finds a control by the name a screen reader gives it. Firefox's tree names a label by its own
// words as well as the control it labels, so a label is passed over.
export async function named(page, name) {
    for (const handle of await page.$$(`::-p-aria([name="${name}"])`)) {
        if (await handle.evaluate((element) => element.tagName !== 'LABEL')) {
            return handle;
        }
    }
    return null;
}

// Replaces a field's text as a person does: a click into it, Ctrl+A, then the keys. (A triple
// click selects the whole text in Chromium but not in Firefox.)
export async function typeInto(page, name, text) {
    await (await named(page, name)).click();
    await page.keyboard.down('Control');
    await page.keyboard.press('a');
    await page.keyboard.up('Control');
    await page.keyboard.type(text);
}
