// What the page tests share beside the browser and the server (browser.mjs):
// the page served in a browser context of its own, and typing and "Calcule".
import { before, after } from 'node:test';
import { serve, openPage, idle } from './browser.mjs';

// Serves the site before the tests of the describe() it is called in and
// opens the page in a browser context of its own, which may use the
// clipboard; gives the page to setPage, and ends the context and the server
// after those tests. Returns { server, context }, filled in before the tests.
export function servedPage(getBrowser, setPage) {
    const served = {};
    before(async () => {
        served.server = await serve();
        served.context = await getBrowser().createBrowserContext();
        await served.context.overridePermissions(served.server.url.replace(/\/$/, ''),
            ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
        setPage(await openPage(served.context, served.server.url));
    });
    after(async () => {
        await served.context?.close();
        await served.server?.close();
    });
    return served;
}

// What a field holds.
export const value = (page, id) => page.$eval(`#${id}`, (e) => e.value);

// Types into a field in place of what it holds, as a person does.
export async function typeInto(page, id, typed) {
    await page.click(`#${id}`, { count: 3 });
    await page.keyboard.press('Backspace');
    await page.keyboard.type(typed);
}

// Clicks "Calcule" and waits for the end of what it started.
export async function calcule(page) {
    await page.click('#Btncalc');
    await idle(page);
}
