// The page in Debian's headless Chromium: typing, "Calcule", a search, "Stop"
// during the 1 679 616-row IBAN search, a list click, copy and save, the
// keyboard, phone width, and the guard that nothing leaves the page. Most
// run on the site opened from its folder (file://), the harder case; the
// rest on the site served over HTTP.
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import http from 'node:http';
import { launch, serve, openPage, idle, fileUrl } from './browser.mjs';
import { servedPage, value, typeInto, calcule } from './helpers.mjs';
import { siteFolder } from './site.mjs';

let browser;
before(async () => {
    browser = await launch();
});
after(async () => {
    await browser?.close();
});

const text = (page, id) => page.$eval(`#${id}`, (e) => e.textContent);
const status = (page) => text(page, 'StatusBar1');

// A paste into a field, as the browser tells of it.
const paste = (page, id, pasted) => page.evaluate((id, pasted) => {
    const data = new DataTransfer();
    data.setData('text/plain', pasted);
    document.getElementById(id).dispatchEvent(new ClipboardEvent('paste', { clipboardData: data, bubbles: true, cancelable: true }));
}, id, pasted);

describe('the page opened from its folder', () => {
    let page;
    before(async () => {
        page = await openPage(browser, fileUrl());
    });

    test('starts on the INSEE page with the window\'s names', async () => {
        const tabs = await page.$$eval('#PageControl1 [role=tab]', (all) => all.map((t) => [t.id, t.textContent, t.getAttribute('aria-selected')]));
        assert.deepEqual(tabs.map((t) => t[0]), ['Tab_insee', 'Tab_rib', 'Tab_iban', 'Tab_prof', 'Tab_avs', 'Tab_isbn',
            'Tab_credit', 'TabSheet1', 'Tab_SIRET', 'Tab_EAN', 'Tab_sin', 'Tab_Vin', 'tab_cip']);
        assert.deepEqual(tabs.slice(0, 3).map((t) => t[1]), ['Clé Insee', 'Clé RIB/RIP', 'CLé IBAN']);
        assert.equal(tabs[0][2], 'true');
        assert.equal(await page.evaluate(() => document.activeElement.id), 'EM_INSEE');
        for (const id of ['EM_INSEE', 'em_rib', 'Edit_Iban_country', 'em_iban_cle', 'em_iban', 'Em_prof', 'Em_avs', 'em_isbn',
            'em_cb', 'EM_siren', 'em_siret', 'Cb_ean', 'em_ean', 'em_sin', 'Vin1', 'Vin2', 'Vin3', 'VIn4', 'Vin5', 'Vin6', 'VIn7',
            'Vin8', 'Fcip1', 'Fcip2', 'Btncalc', 'BitBtn2', 'LB_insee', 'Lb_iban', 'LB_iban1', 'StatusBar1', 'MSG_insee'])
            assert.ok(await page.$(`#${id}`), id);
        assert.equal(await value(page, 'Edit_Iban_country'), 'FR');
        assert.equal(await text(page, 'BitBtn2'), 'Effacer');
        assert.equal(await page.evaluate(() => document.body.dataset.busy), 'false');
        assert.deepEqual(page.errors, []);
    });

    test('typing and "Calcule" on a complete number, then Ctrl+Z', async () => {
        await typeInto(page, 'EM_INSEE', '185057800608436');
        await page.keyboard.press('Enter');
        assert.equal(await value(page, 'EM_INSEE'), '1 85 05 78 006 084 91');
        assert.equal(await status(page), 'Clé erronée : 36 saisie, 91 attendue. F3 : chercher les fautes de frappe.');
        await page.keyboard.down('Control');
        await page.keyboard.press('z');
        await page.keyboard.up('Control');
        assert.equal(await value(page, 'EM_INSEE'), '1 85 05 78 006 084 36');

        await typeInto(page, 'EM_INSEE', '1850578006084');
        await calcule(page);
        assert.equal(await value(page, 'EM_INSEE'), '1 85 05 78 006 084 91');
        assert.equal(await status(page), 'Clé calculée : 91.');

        // Letters typed in small become capitals, as in the window.
        await page.click('#Tab_iban');
        await typeInto(page, 'Edit_Iban_country', 'gb');
        assert.equal(await value(page, 'Edit_Iban_country'), 'GB');
        await typeInto(page, 'Edit_Iban_country', 'FR');
        await page.click('#Tab_insee');
        assert.equal(await status(page), 'Clé calculée : 91.', 'each tab keeps its verdict line');

        // The field keeps fifteen characters; the verdict says what it dropped.
        await typeInto(page, 'EM_INSEE', '1850578006084911');
        await calcule(page);
        assert.equal(await value(page, 'EM_INSEE'), '1 85 05 78 006 084 91');
        assert.equal(await status(page), 'Clé correcte. Caractères en trop ignorés : 16 saisis, 15 attendus.');
    });

    test('too many unknown characters: the red message', async () => {
        await typeInto(page, 'EM_INSEE', '18505780');
        await calcule(page);
        assert.equal(await page.$eval('#MSG_insee', (e) => e.hidden), false);
        assert.equal(await text(page, 'MSG_insee'), 'Trop de chiffres inconnus ! Calcul impossible.');
        assert.equal(await status(page), 'Trop de caractères inconnus (5) : 4 au plus.');
        await typeInto(page, 'EM_INSEE', '1850578006084');
        await calcule(page);
        assert.equal(await page.$eval('#MSG_insee', (e) => e.hidden), true);
    });

    test('a search, the list, a click and a double click', async () => {
        await typeInto(page, 'EM_INSEE', '1 85 05 78 006 0?4');
        await calcule(page);
        const list = await page.$eval('#LB_insee', (l) => ({ count: l.rowCount, first: l.rowText(0), ninth: l.rowText(8), hidden: l.hidden }));
        assert.deepEqual(list, { count: 10, first: '1 85 05 78 006 004 74', ninth: '1 85 05 78 006 084 91', hidden: false });
        assert.equal(await status(page), '10 candidats.');
        assert.equal(await page.$eval('#Linsee1', (e) => e.offsetParent === null), true, 'the guides make room for the list');
        await page.click('#LB_insee-row8');
        assert.equal(await value(page, 'EM_INSEE'), '1 85 05 78 006 084 91');
        // The keyboard moves the selection, and the list click follows.
        await page.keyboard.press('ArrowDown');
        assert.equal(await value(page, 'EM_INSEE'), '1 85 05 78 006 094 81');
        // Space on the current row puts it back after the field was edited.
        await page.evaluate(() => { document.getElementById('EM_INSEE').value = '1'; });
        await page.focus('#LB_insee');
        await page.keyboard.press('Space');
        assert.equal(await value(page, 'EM_INSEE'), '1 85 05 78 006 094 81');
        await page.click('#LB_insee-row8', { count: 2 });
        await idle(page);
        assert.equal(await status(page), 'Clé correcte.');
        assert.equal(await page.$eval('#LB_insee', (l) => l.hidden), true);
    });

    test('"Effacer" empties the field, hides the list and shows the guides again', async () => {
        await typeInto(page, 'EM_INSEE', '1 85 05 78 006 0?4');
        await calcule(page);
        await page.click('#BitBtn2');
        assert.equal(await value(page, 'EM_INSEE'), '');
        assert.equal(await page.$eval('#LB_insee', (l) => l.hidden), true);
        assert.equal(await page.$eval('#Linsee1', (e) => e.offsetParent !== null), true);
        assert.equal(await page.evaluate(() => document.activeElement.id), 'EM_INSEE');
        assert.equal(await status(page), '');
    });

    test('"Stop" during the 1 679 616-row IBAN search keeps the rows found', async () => {
        await page.click('#Tab_iban');
        // Cyprus: sixteen account characters, digits or capitals, no national key.
        await typeInto(page, 'Edit_Iban_country', 'CY');
        await typeInto(page, 'em_iban_cle', '??');
        await typeInto(page, 'em_iban', '00200128000000120052????');
        const stopped = await page.evaluate(async () => {
            const list = document.getElementById('Lb_iban');
            document.getElementById('Btncalc').click();
            const busy = document.body.dataset.busy;
            const caption = document.getElementById('BitBtn2').textContent;
            await new Promise((resolve) => {
                const look = () => (list.rowCount > 0 ? resolve() : setTimeout(look, 0));
                look();
            });
            document.getElementById('BitBtn2').click();
            return { busy, caption, after: document.body.dataset.busy, rows: list.rowCount, first: list.rowText(0),
                status: document.getElementById('StatusBar1').textContent, shown: !list.hidden };
        });
        assert.equal(stopped.busy, 'true');
        assert.equal(stopped.caption, 'Stop');
        assert.equal(stopped.after, 'false');
        assert.ok(stopped.rows > 0 && stopped.rows < 1679616, String(stopped.rows));
        assert.equal(stopped.first.trimEnd(), 'CY 62 0020 0128 0000 0012 0052 0000');
        assert.equal(stopped.shown, true);
        const grouped = stopped.rows.toLocaleString('fr-FR').replace(/\s/g, '\u202f');
        assert.equal(stopped.status, `Recherche interrompue : ${grouped} candidat${stopped.rows > 1 ? 's trouvés' : ' trouvé'}.`);
        // The rows stay, and nothing comes after the stop.
        await new Promise((resolve) => setTimeout(resolve, 300));
        assert.equal(await page.$eval('#Lb_iban', (l) => l.rowCount), stopped.rows);
        assert.equal(await text(page, 'BitBtn2'), 'Effacer');

        // A fresh worker runs the whole search.
        await calcule(page);
        const whole = await page.$eval('#Lb_iban', (l) => ({ count: l.rowCount, last: l.rowText(l.rowCount - 1).trimEnd() }));
        assert.deepEqual(whole, { count: 1679616, last: 'CY 29 0020 0128 0000 0012 0052 ZZZZ' });
        assert.equal(await status(page), '1\u202f679\u202f616 candidats.');
        // The keyboard reaches the last row; the list draws it.
        await page.focus('#Lb_iban');
        await page.keyboard.press('End');
        const drawn = await page.$$eval('#Lb_iban .list-row.selected', (rows) => rows.map((r) => r.textContent.trimEnd()));
        assert.deepEqual(drawn, ['CY 29 0020 0128 0000 0012 0052 ZZZZ']);
        assert.equal(await value(page, 'em_iban_cle'), '29');
        assert.equal(await value(page, 'em_iban'), '0020 0128 0000 0012 0052 ZZZZ ');
        await typeInto(page, 'Edit_Iban_country', 'FR');  // as the next tests expect
    });

    test('a BBAN no completion of which can pass lists nothing and says why', async () => {
        await page.click('#Tab_iban');
        await typeInto(page, 'Edit_Iban_country', 'FR');
        await typeInto(page, 'em_iban_cle', '??');
        await typeInto(page, 'em_iban', '3000600001123456789018??');
        await calcule(page);
        assert.deepEqual(await page.$eval('#Lb_iban', (l) => ({ rows: l.rowCount, shown: !l.hidden })), { rows: 0, shown: true });
        assert.equal(await status(page), 'Aucun candidat. Longueur : 28 caractères, 27 attendus pour FR.');
        await typeInto(page, 'em_iban', '3O00600001123456789018?');
        await calcule(page);
        assert.equal(await status(page), 'Aucun candidat. Caractère 2 du BBAN : O saisi, chiffre attendu pour FR.');
    });

    test('the country list chooses a country by keyboard and mouse', async () => {
        await page.click('#Tab_iban');
        await page.click('#Edit_Iban_country');
        await page.keyboard.press('ArrowDown');
        assert.equal(await page.$eval('#LB_iban1', (l) => l.hidden), false);
        assert.equal(await page.evaluate(() => document.activeElement.id), 'LB_iban1');
        await page.keyboard.press('ArrowDown');
        const chosen = await value(page, 'Edit_Iban_country');
        assert.notEqual(chosen, 'FR');
        await page.keyboard.press('Escape');
        assert.equal(await value(page, 'Edit_Iban_country'), 'FR', 'Escape leaves the field as it was');
        assert.equal(await page.$eval('#LB_iban1', (l) => l.hidden), true);
        await page.click('#ABtn_iban');
        await page.click('#LB_iban1-row2');
        assert.equal(await page.$eval('#LB_iban1', (l) => l.hidden), true);
        assert.match(await value(page, 'Edit_Iban_country'), /^[A-Z]{2}$/);
        await typeInto(page, 'Edit_Iban_country', 'FR');
    });

    test('the typing-error search (F3) on the number as typed', async () => {
        await page.click('#Tab_insee');
        await typeInto(page, 'EM_INSEE', '185057800604891');
        await calcule(page);
        assert.equal(await status(page), 'Clé erronée : 91 saisie, 30 attendue. F3 : chercher les fautes de frappe.');
        await page.keyboard.press('F3');
        await idle(page);
        const rows = await page.$eval('#LB_insee', (l) => Array.from({ length: l.rowCount }, (_, i) => l.rowText(i)));
        assert.ok(rows.includes('1 85 05 78 006 084 91'), rows.join(' | '));
        assert.match(await status(page), /^\d+ corrections? possibles? \(un caractère changé ou deux voisins échangés\)\.$/);
        await page.click('#Btnfautes');
        await idle(page);
        assert.ok((await page.$eval('#LB_insee', (l) => l.rowCount)) > 0);
        // Nothing to search for a right number, nor for one not wholly known.
        await typeInto(page, 'EM_INSEE', '185057800608491');
        await page.keyboard.press('F3');
        assert.equal(await status(page), 'Clé correcte : aucune faute de frappe à corriger.');
        assert.equal(await page.$eval('#LB_insee', (l) => l.hidden), true);
        await typeInto(page, 'EM_INSEE', '1850578006?8491');
        await page.keyboard.press('F3');
        assert.equal(await status(page), 'Pour chercher les fautes de frappe, saisissez le numéro entier, clé comprise.');
    });

    // The verdict line is the session's: [tab, field, typed, key, line].
    for (const [tab, field, typed, key, line] of [
        ['TabSheet1', 'EM_siren', '123 456 78', 'Enter', 'Clé calculée : 2.'],
        ['Tab_isbn', 'em_isbn', '2-07-036822-8', 'Enter', 'Clé erronée : 8 saisie, X attendue. F3 : chercher les fautes de frappe.'],
        ['Tab_isbn', 'em_isbn', '2-07-036822-8', 'F3', '8 corrections possibles (un caractère changé ou deux voisins échangés).'],
        ['Tab_avs', 'Em_avs', '12345600055', 'Enter', 'Aucune clé possible pour ce numéro. F3 : chercher les fautes de frappe.'],
        ['tab_cip', 'Fcip1', '12345', 'F3', 'Pour chercher les fautes de frappe, saisissez le numéro entier, clé comprise.'],
    ]) {
        test(`${tab}: ${typed}, ${key}: "${line}"`, async () => {
            await page.click(`#${tab}`);
            await typeInto(page, field, typed);
            await page.keyboard.press(key);
            await idle(page);
            assert.equal(await status(page), line);
        });
    }

    test('what the number says: the engine\'s details after "Calcule" and for the current row', async () => {
        const shown = () => page.evaluate(() => {
            const region = document.getElementById('Tab_insee_details');
            return {
                hidden: region.hidden, live: region.parentNode.getAttribute('aria-live'), heading: region.querySelector('h2').textContent,
                pairs: [...region.querySelectorAll('dt')].map((dt) => [dt.textContent, dt.nextElementSibling.textContent]),
            };
        });
        const said = (fields) => page.evaluate((fields) => window.ferrinoApp.engine.kind('insee').details(fields)
            .map(({ label, value }) => [label, value]), fields);
        await page.click('#Tab_insee');
        await typeInto(page, 'EM_INSEE', '1850578006084');
        await calcule(page);
        const details = await said(['1 85 05 78 006 084 91']);
        assert.deepEqual(await shown(), { hidden: details.length === 0, live: 'polite', heading: 'Ce que dit le numéro', pairs: details });
        // The current row of a list: what the kind says of the row (here a
        // stand-in for the kind's details, so that the region has something to show).
        await typeInto(page, 'EM_INSEE', '1 85 05 78 006 0?4');
        await calcule(page);
        assert.equal((await shown()).hidden, true);
        await page.evaluate(() => {
            window.ferrinoApp.engine.kind('insee').details = (fields) => [{ label: 'Numéro', value: fields[0] }, { label: 'Sexe', value: 'homme' }];
        });
        try {
            await page.click('#LB_insee-row8');
            assert.deepEqual(await shown(), {
                hidden: false, live: 'polite', heading: 'Ce que dit le numéro',
                pairs: [['Numéro', '1 85 05 78 006 084 91'], ['Sexe', 'homme']],
            });
            await page.keyboard.press('ArrowDown');
            assert.deepEqual((await shown()).pairs[0], ['Numéro', '1 85 05 78 006 094 81']);
            // A changed field: the details spoke of another number.
            await page.focus('#EM_INSEE');
            await page.keyboard.press('End');
            await page.keyboard.press('Backspace');
            assert.deepEqual(await shown(), { hidden: true, live: 'polite', heading: 'Ce que dit le numéro', pairs: [] });
        } finally {
            await page.evaluate(() => delete window.ferrinoApp.engine.kind('insee').details);
        }
    });

    test('La Poste: "Calcule" on a whole body lists both keys', async () => {
        await page.click('#Tab_SIRET');
        await typeInto(page, 'em_siret', '356 000 000 4983');
        await calcule(page);
        assert.deepEqual(await page.$eval('#LB_siret', (l) => [l.rowCount, l.rowText(0), l.rowText(1), l.hidden]),
            [2, '356000000 4983 2', '356000000 4983 7', false]);
        assert.equal(await status(page), 'Clé calculée : 2 ou 7.');
        await page.click('#Tab_insee');
    });

    test('the pages with several fields: paste, list clicks, code types', async () => {
        await page.click('#Tab_Vin');
        await page.click('#Vin3');
        await page.evaluate(() => {
            const data = new DataTransfer();
            data.setData('text/plain', 'lmn12345?67890001');
            document.getElementById('Vin3').dispatchEvent(new ClipboardEvent('paste', { clipboardData: data, bubbles: true, cancelable: true }));
        });
        const boxes = ['Vin1', 'Vin2', 'Vin3', 'VIn4', 'Vin5', 'Vin6', 'VIn7', 'Vin8'];
        const read = () => Promise.all(boxes.map((id) => value(page, id)));
        assert.deepEqual(await read(), ['L', 'M', 'N', '12345', '?', '6', '7', '890001']);
        await calcule(page);
        assert.equal(await value(page, 'Vin5'), 'X');
        await typeInto(page, 'Vin8', '89012');
        await typeInto(page, 'Vin5', '?');
        await calcule(page);
        await page.click('#LB_vin-row0');
        const first = await page.$eval('#LB_vin', (l) => l.rowText(0));
        assert.equal((await read()).join(''), first);

        // A whole IBAN pasted into the country field fills the three, each no longer than it takes.
        await page.click('#Tab_iban');
        await paste(page, 'Edit_Iban_country', 'gb29 nwbk 6016 1331 9268 19');
        assert.deepEqual([await value(page, 'Edit_Iban_country'), await value(page, 'em_iban_cle'), await value(page, 'em_iban')],
            ['GB', '29', 'NWBK 6016 1331 9268 19 ']);
        // Typed into the country field, a whole IBAN fills the three as well.
        await typeInto(page, 'Edit_Iban_country', 'de89 3704 0044 0532 0130 00');
        assert.deepEqual([await value(page, 'Edit_Iban_country'), await value(page, 'em_iban_cle'), await value(page, 'em_iban')],
            ['DE', '89', '3704 0044 0532 0130 00']);
        // Too long for an IBAN: an ordinary paste, cut at the BBAN's thirty characters.
        await typeInto(page, 'em_iban', '');
        await paste(page, 'em_iban', `FR?? ${'1'.repeat(300)}`);
        assert.equal((await value(page, 'em_iban')).replace(/ /g, ''), `FR??${'1'.repeat(26)}`);
        await paste(page, 'Edit_Iban_country', 'FR76 3000 6000 0112 3456 7890 189');
        await calcule(page);
        assert.equal(await status(page), 'Clé correcte. Longueur : 27 caractères, conforme pour FR. Clé RIB correcte.');

        await page.click('#Tab_EAN');
        assert.equal(await page.$eval('#Cb_ean', (s) => s.selectedIndex), 1);
        await page.select('#Cb_ean', 'EAN 8');
        await typeInto(page, 'em_ean', '96385');
        await calcule(page);
        assert.equal(await page.$eval('#LB_ean', (l) => l.rowCount), 100);
        await page.select('#Cb_ean', 'EAN 13');
        await page.click('#LB_ean-row0');
        assert.equal(await page.$eval('#Cb_ean', (s) => s.value), 'EAN 8', 'the row\'s type is the one of its search');
        assert.equal(await value(page, 'em_ean'), '9638 5005');

        // UPC-E rows are as long as UPC-C ones: the list knows which type made them.
        await page.select('#Cb_ean', 'UPC-E');
        await typeInto(page, 'em_ean', '042526');
        await calcule(page);
        assert.equal(await page.$eval('#LB_ean', (l) => l.rowText(0)), '0 425260 5');
        await page.select('#Cb_ean', 'UPC-C');
        await page.click('#LB_ean-row1');
        assert.equal(await page.$eval('#Cb_ean', (s) => s.value), 'UPC-E');

        // AVS: the parts of the current number replace those of the old one.
        await page.click('#Tab_avs');
        const shownParts = () => page.$$eval('#Tab_avs_page .guide-label', (all) => all.filter((e) => !e.hidden).map((e) => e.id));
        assert.deepEqual(await shownParts(), ['Lavs1', 'Lavs2', 'Lavs3', 'Lavs4']);
        await typeInto(page, 'Em_avs', '756921707698');
        await calcule(page);
        assert.equal(await value(page, 'Em_avs'), '756.9217.0769.85');
        assert.deepEqual(await shownParts(), ['Lavs5', 'Lavs6', 'Lavs7']);
        assert.equal(await page.$eval('#Em_avs', (e) => e.getAttribute('aria-describedby')), 'Lavs5 Lavs6 Lavs7');

        await page.click('#tab_cip');
        await typeInto(page, 'Fcip1', '12?456');
        await calcule(page);
        await page.click('#LB_cip-row9');
        assert.deepEqual([await value(page, 'Fcip1'), await value(page, 'Fcip2')], ['129456', '4']);
    });

    test('separators never move a character to another box; a changed field clears the verdict', async () => {
        const boxes = async (ids) => Promise.all(ids.map((id) => value(page, id)));
        await page.click('#Tab_Vin');
        await paste(page, 'VIn4', '1M8.GDM9A.X.KP/042788');
        assert.deepEqual(await boxes(['Vin1', 'Vin2', 'Vin3', 'VIn4', 'Vin5', 'Vin6', 'VIn7', 'Vin8']),
            ['1', 'M', '8', 'GDM9A', 'X', 'K', 'P', '042788']);
        await page.click('#tab_cip');
        await paste(page, 'Fcip2', '340093-5');
        assert.deepEqual(await boxes(['Fcip1', 'Fcip2']), ['340093', '5']);
        await calcule(page);
        assert.equal(await status(page), 'Clé correcte.');
        await page.click('#Fcip2');
        await page.keyboard.press('End');
        await page.keyboard.press('Backspace');
        assert.equal(await status(page), '');
        await page.click('#Tab_iban');
        await paste(page, 'em_iban', 'FR76_3000/6000.0112-3456 7890\u200B189');
        assert.deepEqual(await boxes(['Edit_Iban_country', 'em_iban_cle', 'em_iban']), ['FR', '76', '3000 6000 0112 3456 7890 189 ']);
        // The engine's split knows the word IBAN before the number.
        await paste(page, 'em_iban_cle', 'IBAN DE89 3704 0044 0532 0130 00');
        assert.deepEqual(await boxes(['Edit_Iban_country', 'em_iban_cle', 'em_iban']), ['DE', '89', '3704 0044 0532 0130 00 ']);
        await paste(page, 'em_iban', 'FR76_3000/6000.0112-3456 7890\u200B189');
        await calcule(page);
        assert.equal(await status(page), 'Clé correcte. Longueur : 27 caractères, conforme pour FR. Clé RIB correcte.');
        await typeInto(page, 'em_iban_cle', '7');
        assert.equal(await status(page), '');
    });

    test('the keyboard: tabs, labels, live region', async () => {
        await page.click('#Tab_insee');
        await page.focus('#Tab_insee');
        await page.keyboard.press('ArrowRight');
        assert.equal(await page.evaluate(() => document.activeElement.id), 'Tab_rib');
        assert.equal(await page.$eval('#Tab_rib_page', (p) => p.hidden), false);
        await page.keyboard.press('End');
        assert.equal(await page.evaluate(() => document.activeElement.id), 'tab_cip');
        await page.keyboard.press('Home');
        assert.equal(await page.$eval('#Tab_insee', (t) => t.getAttribute('aria-selected')), 'true');
        const a11y = await page.evaluate(() => ({
            insee: document.getElementById('EM_INSEE').labels[0].textContent,
            parts: document.getElementById('EM_INSEE').getAttribute('aria-describedby'),
            vin: document.getElementById('VIn4').getAttribute('aria-label'),
            live: document.getElementById('StatusBar1').getAttribute('aria-live'),
            listRole: document.getElementById('LB_insee').getAttribute('role'),
            panel: document.getElementById('Tab_insee').getAttribute('aria-controls'),
        }));
        assert.deepEqual(a11y, {
            insee: 'Numéro Insee :', parts: 'Linsee1 Linsee2 LInsee3 Linsee4 Linsee5 Linsee6 Linsee7',
            vin: 'Particularités du véhicule', live: 'polite', listRole: 'listbox', panel: 'Tab_insee_page',
        });
        // Tab goes from the number field to the buttons, and Enter on a button presses it.
        await page.focus('#EM_INSEE');
        await page.keyboard.type('1850578006084');
        await page.focus('#BitBtn2');
        await page.keyboard.press('Enter');
        assert.equal(await value(page, 'EM_INSEE'), '', 'Enter on "Effacer" empties the field, it does not run "Calcule"');
    });

    test('phone width: nothing wider than the screen', async () => {
        await page.setViewport({ width: 360, height: 740 });
        for (const tab of ['Tab_insee', 'Tab_iban', 'Tab_Vin', 'Tab_EAN']) {
            await page.click(`#${tab}`);
            const width = await page.evaluate(() => document.documentElement.scrollWidth);
            assert.ok(width <= 360, `${tab}: ${width}`);
        }
        await page.setViewport({ width: 900, height: 800 });
    });

    test('no error on the console', () => {
        assert.deepEqual(page.errors, []);
    });
});

describe('the page served over HTTP', () => {
    let page;
    const served = servedPage(() => browser, (opened) => {
        page = opened;
    });

    test('a search, then copy and save of the list', async () => {
        await page.click('#Tab_rib');
        await typeInto(page, 'em_rib', '30006 00001 1234567890? 89');
        await calcule(page);
        assert.equal(await status(page), '3 candidats.');
        await page.click('#LB_rib-row1');
        const said = (text) => page.waitForFunction((text) => document.getElementById('StatusBar1').textContent === text, {}, text);
        await page.click('#Btncopy');
        await said('1 ligne copiée.');
        assert.equal(await page.evaluate(() => navigator.clipboard.readText()), '30006 00001 1234567890A 89');
        await page.click('#Btncopyall');
        await said('3 lignes copiées.');
        assert.equal(await page.evaluate(() => navigator.clipboard.readText()),
            '30006 00001 12345678901 89\n30006 00001 1234567890A 89\n30006 00001 1234567890J 89');

        const downloads = fs.mkdtempSync(path.join(os.tmpdir(), 'ferrino-save-'));
        try {
            const session = await page.createCDPSession();
            await session.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads, browserContextId: served.context.id });
            await page.click('#Btnsave');
            const file = path.join(downloads, 'ferrino-rib.txt');
            await said('3 lignes enregistrées.');
            for (let i = 0; i < 100 && !fs.existsSync(file); ++i) await new Promise((resolve) => setTimeout(resolve, 50));
            assert.equal(fs.readFileSync(file, 'utf8'), '30006 00001 12345678901 89\n30006 00001 1234567890A 89\n30006 00001 1234567890J 89\n');
        } finally {
            fs.rmSync(downloads, { recursive: true, force: true });
        }

        // IBAN rows in their printed form.
        await page.click('#Tab_iban');
        await typeInto(page, 'Edit_Iban_country', 'FR');
        await typeInto(page, 'em_iban_cle', '??');
        await typeInto(page, 'em_iban', '3000600001123456789018?');
        await calcule(page);
        await page.click('#Lb_iban-row0');  // the one digit the RIB key lets through
        await page.click('#Btncopy');
        assert.equal(await page.evaluate(() => navigator.clipboard.readText()), 'FR76 3000 6000 0112 3456 7890 189');
    });
});

describe('the network guard', () => {
    test('the security policy forbids every connection', () => {
        const html = fs.readFileSync(path.join(siteFolder(), 'index.html'), 'utf8');
        const policy = html.match(/http-equiv="Content-Security-Policy" content="([^"]*)"/)?.[1] ?? '';
        const directives = Object.fromEntries(policy.split(';').map((d) => d.trim().split(/\s+/)).map(([name, ...values]) => [name, values]));
        assert.deepEqual(directives['default-src'], ["'none'"]);
        assert.deepEqual(directives['connect-src'], ["'none'"]);
        assert.deepEqual(directives['form-action'], ["'none'"]);
        const sources = Object.values(directives).flat();
        for (const forbidden of ["'unsafe-eval'", "'unsafe-inline'", '*', 'http:', 'https:', 'data:', 'blob:'])
            assert.ok(!sources.includes(forbidden) || (forbidden === 'blob:' && directives['worker-src'].includes('blob:')) ||
                (forbidden === 'data:' && directives['img-src'].includes('data:')), forbidden);
        assert.deepEqual(directives['worker-src'], ['blob:']);
    });

    for (const where of ['file', 'http']) {
        test(`nothing leaves the page (${where})`, async () => {
            // A server that counts what reaches it: the page tries every way out.
            let reached = 0;
            const trap = http.createServer((request, response) => {
                ++reached;
                response.end('');
            });
            await new Promise((resolve) => trap.listen(0, '127.0.0.1', resolve));
            const target = `http://127.0.0.1:${trap.address().port}/`;
            const site = where === 'http' ? await serve() : null;
            const page = await openPage(browser, site ? site.url : fileUrl());
            try {
                const requests = [];
                page.on('request', (request) => requests.push(request.url()));
                const violations = await page.evaluate(async (target) => {
                    const seen = [];
                    document.addEventListener('securitypolicyviolation', (event) => seen.push(event.effectiveDirective));
                    const attempts = [
                        () => fetch(target),
                        () => new Promise((resolve, reject) => {
                            const xhr = new XMLHttpRequest();
                            xhr.open('GET', target);
                            xhr.onload = resolve;
                            xhr.onerror = reject;
                            xhr.send();
                        }),
                        () => new Promise((resolve, reject) => {
                            const socket = new WebSocket(target.replace('http', 'ws'));
                            socket.onopen = resolve;
                            socket.onerror = reject;
                        }),
                        () => navigator.sendBeacon(target, 'x'),
                        () => new Promise((resolve, reject) => {
                            const image = new Image();
                            image.onload = resolve;
                            image.onerror = reject;
                            image.src = target;
                        }),
                        () => new Promise((resolve, reject) => {
                            const source = new EventSource(target);
                            source.onopen = resolve;
                            source.onerror = reject;
                        }),
                    ];
                    for (const attempt of attempts) {
                        try {
                            await attempt();
                        } catch {
                            // refused, as it must be
                        }
                    }
                    await new Promise((resolve) => setTimeout(resolve, 200));
                    return seen;
                }, target);
                assert.ok(violations.includes('connect-src'), violations.join(','));
                assert.ok(violations.includes('img-src'), violations.join(','));

                // A whole session: typing, a search, the list, the typing errors.
                await typeInto(page, 'EM_INSEE', '1 85 05 78 006 0?4');
                await calcule(page);
                await page.click('#LB_insee-row8');
                await page.keyboard.press('F3');
                await idle(page);
                await page.click('#Tab_iban');
                await typeInto(page, 'em_iban_cle', '??');
                await typeInto(page, 'em_iban', '3000600001123456789????');
                await calcule(page);
                await new Promise((resolve) => setTimeout(resolve, 200));
                assert.equal(reached, 0);
                const out = requests.filter((url) => !url.startsWith('blob:') && !url.startsWith('data:'));
                assert.deepEqual(out.filter((url) => !url.startsWith(target)), []);
                if (site) assert.deepEqual(site.hits.filter((url) => !/^\/(index\.html|ferrino\.css|ferrino\.js|ferrino-engine\.js)?$/.test(url)), []);
                assert.deepEqual(page.errors.filter((e) => !e.includes('Content Security Policy') && !e.includes('ERR_') && !e.includes('WebSocket')), []);
            } finally {
                await page.close();
                await site?.close();
                await new Promise((resolve) => trap.close(resolve));
            }
        });
    }
});
