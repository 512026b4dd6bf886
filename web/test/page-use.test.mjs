// The page as a person uses it: the focus after a row is chosen, tabs that
// keep their verdict, list and search, the IBAN fields' limits, the address
// and the session, the help, phone width, copying a long list, a site folder
// missing a file, dark mode and axe-core over every tab.
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { createRequire } from 'node:module';
import { launch, openPage, idle, fileUrl } from './browser.mjs';
import { servedPage, value, typeInto, calcule } from './helpers.mjs';
import { siteFolder } from './site.mjs';

const AXE = fs.readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
// The 1 679 616-row search of the RIB page.
const BIG_RIB = '30006 00001 1234567????';

let browser;
before(async () => {
    browser = await launch();
});
after(async () => {
    await browser?.close();
});

const status = (page) => page.$eval('#StatusBar1', (e) => e.textContent);
const focused = (page) => page.evaluate(() => document.activeElement.id);

// Starts "Calcule" and waits for the first rows of its search.
// Clicks "Calcule" and resolves once the first rows are listed; with
// `key`, that key is pressed right then, inside the page (a press sent from
// here may arrive after the whole search, which takes a few hundred ms).
function startSearch(page, list, key) {
    return page.evaluate((list, key) => new Promise((resolve) => {
        document.getElementById('Btncalc').click();
        const look = () => {
            if (document.getElementById(list).rowCount === 0) return setTimeout(look, 0);
            if (key) (document.activeElement ?? document).dispatchEvent(new KeyboardEvent('keydown', { key, bubbles: true }));
            return resolve();
        };
        look();
    }), list, key);
}

describe('the page in use', () => {
    let page;
    const served = servedPage(() => browser, (opened) => {
        page = opened;
    });

    for (const [tab, field, typed, list, enter] of [
        ['Tab_insee', 'EM_INSEE', '1 85 05 78 006 0?4', 'LB_insee', true],
        ['Tab_insee', 'EM_INSEE', '1 85 05 78 006 0?4', 'LB_insee', false],
        ['Tab_iban', 'em_iban', '3000600001123456789018?', 'Lb_iban', true],
    ]) {
        test(`${enter ? 'Enter' : 'a double click'} on a row of ${list}: the focus goes back to ${field}`, async () => {
            await page.click(`#${tab}`);
            await typeInto(page, field, typed);
            await calcule(page);
            if (enter) {
                await page.focus(`#${list}`);
                await page.keyboard.press('ArrowDown');
                await page.keyboard.press('Enter');
            } else await page.click(`#${list}-row1`, { count: 2 });
            await idle(page);
            assert.equal(await focused(page), field);
        });
    }

    test('a search goes on while another tab calculates; each tab keeps its verdict and list', async () => {
        await page.click('#Tab_rib');
        await typeInto(page, 'em_rib', BIG_RIB);
        await startSearch(page, 'LB_rib');
        assert.match(await status(page), /^Recherche en cours : [\d\u202f]+ candidats? trouvés?…$/);
        await page.click('#Tab_insee');
        await typeInto(page, 'EM_INSEE', '1850578006084');
        await calcule(page);
        assert.equal(await status(page), 'Clé calculée : 91.');
        await page.click('#Tab_rib');
        await page.waitForFunction(() => document.getElementById('LB_rib').getAttribute('aria-busy') === 'false', { timeout: 60000 });
        assert.equal(await page.$eval('#LB_rib', (l) => l.rowCount), 1679616);
        assert.equal(await status(page), '1\u202f679\u202f616 candidats.');
        await page.click('#Tab_insee');
        assert.equal(await status(page), 'Clé calculée : 91.');
    });

    test('Escape stops the search of the shown tab', async () => {
        await page.click('#Tab_rib');
        await startSearch(page, 'LB_rib', 'Escape');
        await idle(page);
        const rows = await page.$eval('#LB_rib', (l) => l.rowCount);
        assert.ok(rows > 0 && rows < 1679616, String(rows));
        assert.match(await status(page), /^Recherche interrompue : [\d\u202f]+ candidats trouvés\.$/);
    });

    test('the IBAN fields: two letters for the country, a BBAN of 30 characters whatever its blanks', async () => {
        await page.click('#Tab_iban');
        await page.click('#Edit_Iban_country', { count: 3 });
        await page.evaluate(() => {
            const data = new DataTransfer();
            data.setData('text/plain', 'x'.repeat(100000));
            document.activeElement.dispatchEvent(new ClipboardEvent('paste', { clipboardData: data, bubbles: true, cancelable: true }));
        });
        assert.equal((await value(page, 'Edit_Iban_country')).slice(0, 10), 'XX');
        await typeInto(page, 'Edit_Iban_country', 'MT');
        await typeInto(page, 'em_iban', 'MALT 0110 0001 2345 MTLC AST0 01S');
        assert.equal(await value(page, 'em_iban'), 'MALT 0110 0001 2345 MTLC AST0 01S');
        await typeInto(page, 'em_iban', '1234 '.repeat(8));
        assert.equal(await value(page, 'em_iban'), `${'1234 '.repeat(7)}12 `);
        await typeInto(page, 'Edit_Iban_country', 'FR');
    });

    test('the address names the tab; a reload keeps the tab and the fields for this browser tab only', async () => {
        await page.click('#Tab_Vin');
        assert.equal(new URL(page.url()).hash, '#vin');
        await page.focus('#Vin8');
        await page.keyboard.type('123456');
        await page.reload();
        await page.waitForFunction(() => document.body.dataset.ready === 'true');
        assert.equal(await page.$eval('#Tab_Vin', (t) => t.getAttribute('aria-selected')), 'true');
        assert.equal(await value(page, 'Vin8'), '123456');
        assert.equal(await value(page, 'EM_INSEE'), '1 85 05 78 006 084 91');
        assert.equal(await page.evaluate(() => localStorage.length), 0);
        await page.goto(`${served.server.url}#iban`);
        await page.waitForFunction(() => document.body.dataset.ready === 'true');
        assert.equal(await page.$eval('#Tab_iban', (t) => t.getAttribute('aria-selected')), 'true');
    });

    test('the help describes the page and leads back to it', async () => {
        await page.click('#Tab_rib');
        const rib = await value(page, 'em_rib');
        await Promise.all([page.waitForNavigation(), page.click('#Btnhelp')]);
        const help = await page.evaluate(() => document.body.innerText);
        for (const absent of ['Fermer', 'clic droit', 'menu']) assert.ok(!help.includes(absent), absent);
        for (const present of ['Copier', 'Copier toute la liste', 'Enregistrer la liste…', 'Fautes de frappe', 'Échap'])
            assert.ok(help.includes(present), present);
        await Promise.all([page.waitForNavigation(), page.click('#Retour')]);
        await page.waitForFunction(() => document.body.dataset.ready === 'true');
        assert.equal(await page.$eval('#Tab_rib', (t) => t.getAttribute('aria-selected')), 'true');
        assert.equal(await value(page, 'em_rib'), rib);
    });

    test('"Copier toute la liste" on 1 679 616 rows: a progress line, then the count copied', async () => {
        await page.click('#Tab_rib');
        await calcule(page);
        const lines = await page.evaluate(() => new Promise((resolve) => {
            const status = document.getElementById('StatusBar1');
            const seen = [];
            new MutationObserver(() => seen.push(status.textContent)).observe(status, { childList: true, characterData: true, subtree: true });
            document.getElementById('Btncopyall').click();
            const look = () => (status.textContent.endsWith('copiées.') ? resolve(seen) : setTimeout(look, 20));
            look();
        }));
        assert.ok(lines.some((line) => /^Copie en cours : \d+ %…$/.test(line)), lines.join(' | '));
        assert.equal(lines.at(-1), '1\u202f679\u202f616 lignes copiées.');
        const copied = await page.evaluate(async () => {
            const text = await navigator.clipboard.readText();
            return [text.split('\n').length, text.slice(0, 26), text.slice(-26)];
        });
        assert.deepEqual(copied, [1679616, '30006 00001 12345670000 20', '30006 00001 1234567ZZZZ 93']);
    });

    test('no error on the console', () => {
        assert.deepEqual(page.errors, []);
    });
});

describe('a site folder missing a file', () => {
    for (const [kept, missing] of [
        [['index.html'], 'ferrino.js'],
        [['index.html', 'ferrino.css', 'ferrino.js'], 'ferrino-engine.js'],
        [['index.html', 'ferrino.js', 'ferrino-engine.js', 'Aide.htm'], 'ferrino.css'],
    ]) {
        test(`without ${missing}, the page says so`, async () => {
            const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'ferrino-site-'));
            const page = await browser.newPage();
            try {
                for (const name of kept) fs.copyFileSync(path.join(siteFolder(), name), path.join(folder, name));
                await page.goto(fileUrl(folder));
                await new Promise((resolve) => setTimeout(resolve, 300));
                const shown = await page.evaluate(() => [...document.querySelectorAll('.missing')]
                    .filter((e) => e.offsetParent !== null).map((e) => e.textContent));
                assert.equal(shown.length, 1, shown.join(' | '));
                assert.match(shown[0], new RegExp(`^Fichier manquant : ${missing.replace('.', '\\.')}\\. `));
            } finally {
                await page.close();
                fs.rmSync(folder, { recursive: true, force: true });
            }
        });
    }
});

// Dark mode follows the system; every tab passes axe-core in both modes, at
// desktop and phone width, where no part name is cut either.
describe('axe-core over every tab', () => {
    let page;
    before(async () => {
        page = await openPage(browser, fileUrl());
        // Puppeteer's evaluation is outside the page's security policy.
        await page.evaluate(AXE);
    });

    for (const [width, scheme] of [[900, 'light'], [320, 'light'], [900, 'dark'], [320, 'dark']]) {
        test(`${width} px, ${scheme}: no violation`, async () => {
            await page.setViewport({ width, height: 800 });
            await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: scheme }]);
            assert.equal(await page.$eval('.page:not([hidden])', (e) => getComputedStyle(e).backgroundColor),
                scheme === 'dark' ? 'rgb(34, 37, 41)' : 'rgb(255, 255, 255)');
            const tabs = await page.$$eval('[role=tab]', (all) => all.map((t) => t.id));
            const found = [];
            for (const tab of tabs) {
                await page.click(`#${tab}`);
                // eslint-disable-next-line no-undef
                found.push(...await page.evaluate(async (tab) => (await axe.run(document)).violations
                    .map((v) => `${tab}: ${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`), tab));
                found.push(...await page.$$eval(`#${tab}_page .guide-label:not([hidden])`, (labels) => labels.filter((l) => {
                    const [box, label] = [l.parentNode.getBoundingClientRect(), l.getBoundingClientRect()];
                    return label.left < box.left || label.right > box.right;
                }).map((l) => `cut: ${l.textContent}`)));
            }
            assert.deepEqual(found, []);
        });
    }
});
