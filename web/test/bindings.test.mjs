// The engine's bindings, run under Node on the tables of the engine and
// command-line tests (tests/cli/test_cli.cpp kKinds and kReadings, and the
// published numbers of tests/engine/*.cpp): the page must give the same
// answers as the window and ferrino-cli, since it is the same engine.
//
//   node --test web/test/       (FERRINO_WEB_SITE: the built site, default build-web/web/site)
import { test, describe, before } from 'node:test';
import assert from 'node:assert/strict';
import { createRequire } from 'node:module';
import { siteFolder } from './site.mjs';
import { PackedRows, TextRows } from '../src/rows.js';

const require = createRequire(import.meta.url);
let engine;
const kinds = new Map();

before(async () => {
    const FerrinoEngine = require(`${siteFolder()}/ferrino-engine.js`);
    engine = await FerrinoEngine();
});

function kind(name, codeType = 1) {
    const key = `${name}:${codeType}`;
    if (!kinds.has(key)) kinds.set(key, new engine.Kind(name, codeType));
    return kinds.get(key);
}

// Every row of a search, through the packed batches the page receives: the
// search of a session's step, "incomplete" ("Calcule") or "corrections" (F3).
function search(k, fields, { outcome = 'incomplete', stopAfter = Infinity } = {}) {
    const rows = new PackedRows();
    let batches = 0;
    const sink = (bytes, ends) => {
        rows.append(bytes.slice(), ends.slice());
        ++batches;
        return rows.count >= stopAfter;
    };
    const result = k.search(outcome, fields, sink, 0);
    const texts = [];
    for (let i = 0; i < rows.count; ++i) texts.push(rows.text(i));
    return { result, rows: texts, batches };
}

// A number as ferrino-cli takes it: the kind's Split, then "Calcule" in a
// session, and its search where the step searches.
function calcule(k, number) {
    const fields = k.split(number);
    const step = new engine.Session().calcule(k, fields);
    if (step.outcome === 'complete') return { step, shown: k.completedShown(fields) };
    if (step.searches) return { step, rows: search(k, step.read).rows.map((r) => r.trimEnd()) };
    return { step };
}

// The lines a copy or a file gives of packed rows, through the kind's printed
// form, a row at a time (each piece but the first starts inside its batch).
function printed(k, rows) {
    const out = [];
    for (const piece of rows.pieces(1)) out.push(new TextDecoder().decode(k.printedRows(piece.bytes, piece.ends, piece.base).slice()));
    return out.join('');
}

// tests/cli/test_cli.cpp, kKinds: one row per kind and code type.
const KINDS = [
    ['insee', 1, '1850578006084', '1 85 05 78 006 084 91', '1 85 05 78 006 0?4', 10,
        [[0, '1 85 05 78 006 004 74'], [9, '1 85 05 78 006 094 81']], '18505780',
        '1.85.05.78.006.084.91', '1 85 05 78 006 084 91', '185057800608436', 'clé attendue : 91'],
    ['rib', 1, '30006 00001 12345678901 00', '30006 00001 12345678901 89', '30006 00001 1234567890? 89', 3,
        [[0, '30006 00001 12345678901 89'], [1, '30006 00001 1234567890A 89'], [2, '30006 00001 1234567890J 89']],
        '30006 00001 123456', '30006000011234567890189', '30006 00001 12345678901 89',
        '30006 00001 12345678901 98', 'clé attendue : 89'],
    ['iban', 1, 'FR00 3000 6000 0112 3456 7890 189', 'FR76 3000 6000 0112 3456 7890 189', 'CY?? 0020 0128 0000 0012 0052 760?', 36,
        [[0, 'CY 17 0020 0128 0000 0012 0052 7600']], 'FR76 3000 6?0? 0112 ???',
        'FR76 3000 6000 0112 3456 7890 189', 'FR76 3000 6000 0112 3456 7890 189',
        'FR67 3000 6000 0112 3456 7890 189', 'clé attendue : 76'],
    ['prof', 1, '2a123456', '2A 1 23456 2', '2?112345', 12, [[10, '2A 1 12345 0'], [11, '2B 1 12345 8']], '751',
        '75 1 12345 6', '75 1 12345 6', '751123450', 'clé attendue : 6'],
    ['avs', 1, '123.45.678.90', '123 45 678 903', '123456789?3', 1, [[0, '123 45 678 903']], '12345',
        '123.45.678.903', '123 45 678 903', '12345600055', 'clé attendue : aucune'],
    ['isbn', 1, '2-07-036822-8', '2-07-036822-X', '2070?6822?', 10, [[3, '2-07-036822-X']], '2070',
        '2-07-036822-x', '2-07-036822-X', '2070368228', 'clé attendue : X'],
    // An ISBN-13: 978 or 979 and 11 to 13 characters.
    ['isbn', 1, '978-2-07-036822', '978-2-07-036822-8', '978-2-07-03682?-?', 10,
        [[0, '978-2-07-036820-4'], [9, '978-2-07-036829-7']], '978-2-07-0?????',
        '979-10-90636-07-1', '979-10-90636-07-1', '9780306406158', 'clé attendue : 7'],
    ['carte', 1, '4970-1012-3456-7890', '4970 1012 3456 7893', '49701012345678', 10,
        [[0, '4970 1012 3456 7802'], [9, '4970 1012 3456 7893']], '4970101234',
        '4970 1012 3456 7893', '4970 1012 3456 7893', '4970101234567890', 'clé attendue : 3'],
    ['siren', 1, '12345678', '123 456 782', '1234567', 10, [[0, '123 456 709'], [9, '123 456 790']], '123',
        '123456709', '123 456 709', '123456783', 'clé attendue : 2'],
    ['siret', 1, '123 456 782 0001', '123456782 0001 0', '123456782000?', 9,
        [[0, '123456782 0001 0'], [8, '123456782 0009 3']], '12345678',
        '12345678200002', '123456782 0000 2', '123456782 0001 1', 'clé attendue : 0'],
    ['ean', 1, '400638133393', '4 006381 333931', '4006381333', 100, [[0, '4 006381 333009']], '1234567',
        '4006381333931', '4 006381 333931', '4006381333932', 'clé attendue : 1'],
    ['ean', 0, '9638507', '9638 5074', '96385', 100, [[0, '9638 5005']], '96',
        '96385074', '9638 5074', '96385070', 'clé attendue : 4'],
    ['ean', 2, '03600029145', '0 36000 291452', '0360002914', 10, [[0, '0 36000 291407']], '036000',
        '036000291452', '0 36000 291452', '036000291453', 'clé attendue : 2'],
    ['ean', 3, '0123456', '0 123456 5', '012345', 10, [[0, '0 123450 3']], '01',
        '01234565', '0 123456 5', '01234566', 'clé attendue : 5'],
    // UPC-E: the check digit of the UPC-A number it stands for (042100005264).
    ['ean', 4, '0425261', '0 425261 4', '042526', 10, [[0, '0 425260 5'], [9, '0 425269 6']], '04',
        '04252614', '0 425261 4', '04252615', 'clé attendue : 4'],
    // A Luhn number of any length: 15 digits here (an American Express card).
    ['luhn', 1, '37828224631000?', '3782 8224 6310 005', '3782 8224 6310 0??', 10,
        [[0, '3782 8224 6310 005'], [9, '3782 8224 6310 096']], '3782 8224 ???? ??',
        '3782 8224 6310 005', '3782 8224 6310 005', '378282246310006', 'clé attendue : 5'],
    ['sin', 1, '123/456/78', '123 456 782', '?2345678', 10, [[0, '023 456 783'], [9, '923 456 784']], '12*4',
        '123-456-782', '123 456 782', '123 456 789', 'clé attendue : 2'],
    ['cip', 1, '123456', '123456 2', '12?456', 10, [[0, '120456 1'], [9, '129456 4']], '1',
        '123456 2', '123456 2', '1234563', 'clé attendue : 2'],
];

describe('every kind as the command line answers it', () => {
    for (const [name, codeType, complete, completed, pattern, count, someRows, tooMany, right, rightShown, wrong, cause] of KINDS) {
        test(`${name} ${codeType}`, () => {
            const k = kind(name, codeType);
            assert.equal(k.valid(), true);
            assert.equal(calcule(k, complete).shown, completed);

            const searched = calcule(k, pattern);
            assert.equal(searched.step.outcome, 'incomplete');
            assert.equal(searched.rows.length, count);
            for (const [index, row] of someRows) assert.equal(searched.rows[index], row);

            assert.equal(calcule(k, tooMany).step.outcome, 'too_many');

            const ok = k.check(k.split(right));
            assert.equal(ok.valid, true);
            assert.equal(ok.key, 'correct');
            assert.ok(ok.text.startsWith('Clé correcte.'), ok.text);
            assert.equal(k.read(k.split(right)).shown, rightShown);
            const bad = k.check(k.split(wrong));
            assert.equal(bad.valid, false);
            assert.equal(bad.firstCause, cause);
        });
    }
});

test('every row a search lists passes the check, and goes back into the fields', () => {
    for (const [name, codeType, , , pattern] of KINDS) {
        const k = kind(name, codeType);
        for (const row of search(k, k.split(pattern)).rows) {
            const fields = k.rowFields(row);
            assert.equal(k.check(fields).valid, true, `${name}: ${row}`);
        }
    }
});

test('VIN: the eight boxes, a search and the check', () => {
    const vin = kind('vin');
    assert.equal(vin.fieldCount(), 8);
    assert.deepEqual(vin.split('LMN12345?67890001'), ['L', 'M', 'N', '12345', '?', '6', '7', '890001']);
    assert.equal(vin.completedShown(vin.split('LMN12345?67890001')), 'LMN12345X67890001');
    assert.equal(vin.completedShown(vin.split('L M N 12345 ? 6 7 890001')), 'LMN12345X67890001');
    assert.equal(vin.completedShown(vin.split('LLL-11111-0-2-2-222222-99')), 'LLL11111X22222222');
    const { rows } = search(vin, vin.split('LMN12345?6789012'));
    assert.equal(rows.length, 33);
    assert.equal(rows[0], 'LMN12345767890120');
    assert.equal(rows[32], 'LMN1234536789012Z');
    assert.equal(vin.check(vin.split('lmn12345067890001')).firstCause, 'clé attendue : X');
    assert.deepEqual(vin.rowFields('LMN12345767890120'), ['L', 'M', 'N', '12345', '7', '6', '7', '890120']);
});

// tests/cli/test_cli.cpp, CliCheck.WholeNumbers: checks that judge more than the key.
test('checks beyond the key: IBAN registry and RIB, VIN letters, La Poste, typography', () => {
    const cases = [
        ['iban', 'FR76 3000 6000 0112 3456 7890 189', ''],
        ['iban', 'GF76 3000 6000 0112 3456 7890 189', 'pays sans IBAN'],
        ['iban', 'FR76 3000 6000 0112 3456 7890 18', 'longueur : 27 attendus pour FR'],
        ['iban', 'FR54 3000 6000 0112 3456 7890 100', 'clé RIB'],
        ['iban', 'BE41 5390 0754 7035', 'clé nationale'],
        ['iban', 'GB31 NWBK 6016 1331 9268 190', 'longueur : 22 attendus pour GB'],
        ['iban', 'FR76 3000 6O00 0112 3456 7890 189', 'caractère 6 du BBAN : chiffre attendu pour FR'],
        ['iban', 'NO07.8380.08.06006', ''],
        ['iban', 'ES91-2100-0418-4502-0005-1332', ''],
        ['vin', '1M8GDM9AXKP042788', ''],
        ['vin', '1M8GDM9AXKQ042788', 'caractère interdit : I, O ou Q'],
        ['siret', '356 000 000 49837', ''],
        ['siret', '356 000 000 49832', ''],
        ['siret', '356 000 000 49833', 'clé attendue : 2 ou 7'],
        ['sin', '046\u00a0454\u202f286', ''],
        ['insee', '2 53 07 2B 073 004 70', ''],
        ['avs', '756.9217.0769.85', ''],
        ['avs', '757.1234.5678.96', 'code pays 757 : 756 attendu'],
        ['siren', '3025691401', 'longueur : 9 chiffres attendus'],
        ['siret', '73282932100072', 'clé SIREN'],
    ];
    for (const [name, number, cause] of cases) {
        const k = kind(name);
        const verdict = k.check(k.split(number));
        assert.equal(verdict.firstCause, cause, number);
        assert.equal(verdict.valid, cause === '', number);
    }
    const iban = kind('iban');
    assert.equal(iban.check(iban.split('FR76 3000 6000 0112 3456 7890 189')).text,
        'Clé correcte. Longueur : 27 caractères, conforme pour FR. Clé RIB correcte.');
    assert.deepEqual(kind('vin').checkInput('1M8GDM9AXKP0427881'), { cause: 'longueur : 17 caractères attendus', everyMode: false, serious: false });
    assert.equal(kind('vin').checkInput('1M8GDM9AXKP042788'), null);
    // La Poste: "Calcule" on a complete body lists both keys.
    const siret = kind('siret');
    assert.deepEqual(calcule(siret, '356 000 000 4983').rows, ['356000000 4983 2', '356000000 4983 7']);
    assert.equal(calcule(siret, '356 000 000 0004').shown, '356000000 0004 8');
});

// tests/cli/test_cli.cpp, kReadings, and tests/engine/test_iban.cpp.
test('readings of the pages with several fields', () => {
    const cases = [
        ['iban', 'gb00nwbk60161331926819', 'GB29 NWBK 6016 1331 9268 19'],
        ['iban', 'DE 89 370400440532013000', 'DE89 3704 0044 0532 0130 00'],
        ['cip', '1234569', '123456 2'],
        ['cip', ' 123 456  9 ', '123456 2'],
        ['cip', '12345 2', '123452 7'],  // a blank is no boundary between code and key
        ['cip', '340093-5', '340093 5'],
        ['avs', '1234560005', '123 45 600 05'],  // no check digit fits: shown without one
    ];
    for (const [name, number, shown] of cases) {
        const k = kind(name);
        assert.equal(calcule(k, number).shown, shown, number);
    }
    const ean8 = kind('ean', 0);
    assert.equal(calcule(ean8, '12345678901').shown, '1234 5670');
    const iban = kind('iban');
    assert.deepEqual(iban.complete(['FR', '', '30006000011234567890189']), ['FR', '76', '3000 6000 0112 3456 7890 189 ']);
    // The list click puts the key and the BBAN back; leaving the BBAN lays it out.
    const clicked = iban.rowFields('FR 76 3000 6000 0112 3456 7890 189 ');
    assert.deepEqual(clicked.slice(0, 2), ['FR', '76']);
    assert.equal(iban.formatField(2, clicked[2]), '3000 6000 0112 3456 7890 189 ');
});

// tests/engine/test_insee.cpp, test_iban.cpp: the field's exit normalisation.
test('fields laid out as leaving them does', () => {
    const insee = kind('insee');
    const cases = [
        ['185057800608436', '1 85 05 78 006 084 36'],
        ['1-85-05', '1 85 05'],
        ['1.85.05.78.006.084.3?', '1 85 05 78 006 084 3'],
        ['', ''],
        ['18505780060843612', '1 85 05 78 006 084 36'],
        ['18505780060??91', '1 85 05 78 006 0?? 91'],
        ['abc', ''],
        ['1\u00e985', '1 85'],  // a character beyond ASCII reaches the engine as a byte it drops
    ];
    for (const [typed, shown] of cases) assert.equal(insee.formatField(0, typed), shown, typed);
    const iban = kind('iban');
    // Separators between the characters go; "*" is an unknown character.
    assert.equal(iban.formatField(2, '3000-6000*0112.3456_7890/189'), '3000 6000 ?011 2345 6789 0189 ');
    assert.deepEqual(iban.splitWhole('FR76-3000-6000\u200b-0112'), ['FR', '76', '3000 6000 0112 ']);
    assert.equal(iban.splitWhole('3000 6000 0112'), null);
    assert.deepEqual(kind('vin').splitWhole('1M8.GDM9A.X.KP/042788'), ['1', 'M', '8', 'GDM9A', 'X', 'K', 'P', '042788']);
    assert.equal(iban.formatField(2, 'NWBK60161331926819'), 'NWBK 6016 1331 9268 19 ');
    assert.equal(iban.formatField(0, 'fr'), 'FR');
});

test('characters beyond ASCII come back as U+FFFD', () => {
    const iban = kind('iban');
    const reading = iban.read(iban.split('\u00c9R00 30006000011234567890189'));
    assert.equal(iban.completedShown(iban.split('\u00c9R00 30006000011234567890189')), '\ufffdR17 3000 6000 0112 3456 7890 189');
    assert.equal(reading.fields[0], '\ufffdR');
    const sin = kind('sin');
    for (const typed of ['12\u00e945678', '12\u20ac45678', '12\u{1f600}45678']) {
        const verdict = sin.check(sin.split(typed));
        assert.equal(verdict.firstCause, 'caractères inconnus', typed);
        assert.equal(sin.read(sin.split(typed)).shown, '12? 456 78');
    }
});

// The sentences of the verdict line.
test('the verdict line', () => {
    const insee = kind('insee');
    assert.equal(insee.check(['1 85 05 78 006 084 36']).text, 'Clé erronée : 36 saisie, 91 attendue.');
    assert.equal(insee.check(['1 85 05 78 006 084']).text, 'Clé calculée : 91.');
    assert.equal(insee.check(['1 85 05 78 006 084 91']).text, 'Clé correcte.');
    assert.equal(insee.check(['1 85 05 78 0?? ??? 91']).text, 'Trop de caractères inconnus (5) : 4 au plus.');
    assert.equal(insee.check(['1 85 05 78 006 0?4']).text, '');
    assert.equal(kind('avs').check(['12345600055']).text, 'Aucune clé possible pour ce numéro.');
});

// The session of a tab: its step crosses as a value object, and said() makes
// the line of the last step after its search (the page shows both as they come).
test('the session: steps and the line after a search', () => {
    const insee = kind('insee');
    const session = new engine.Session();
    const step = session.calcule(insee, ['185057800608436']);
    assert.deepEqual({ ...step, verdict: step.verdict.key }, {
        outcome: 'complete', searches: false, read: ['185057800608436'], fields: ['1 85 05 78 006 084 91'],
        verdict: 'wrong', said: 'Clé erronée : 36 saisie, 91 attendue. F3 : chercher les fautes de frappe.',
        details: insee.details(['1 85 05 78 006 084 91']),
    });
    // The fields still show what "Calcule" wrote: F3 works on the number as typed.
    const corrections = session.corrections(insee, ['1 85 05 78 006 084 91'], ['1 85 05 78 006 084 91']);
    assert.deepEqual([corrections.outcome, corrections.searches, corrections.read], ['corrections', true, ['185057800608436']]);
    // [fields, rows found, stopped, the line]
    const rows = [
        [['1 85 05 78 006 0?4'], 17100, false, '17\u202f100 candidats.'],
        [['1 85 05 78 006 0?4'], 1, false, '1 candidat.'],
        [['1 85 05 78 006 0?4'], 0, false, 'Aucun candidat.'],
        [['1 85 05 78 006 0?4'], 1167323, true, 'Recherche interrompue : 1\u202f167\u202f323 candidats trouvés.'],
    ];
    for (const [fields, found, stopped, said] of rows) {
        assert.equal(session.calcule(insee, fields).said, '');
        assert.equal(session.said(found, stopped), said, said);
    }
    assert.equal(session.corrections(insee, ['1 85 05 78 006 048 91'], ['1 85 05 78 006 048 91']).outcome, 'corrections');
    assert.equal(session.said(0, false), 'Aucune correction à une faute de frappe.');
    assert.equal(session.said(3, false), '3 corrections possibles (un caractère changé ou deux voisins échangés).');
    // Each tab has its own session: another one remembers nothing of this one.
    assert.deepEqual(new engine.Session().corrections(insee, ['1 85 05 78 006 048 91'], ['1 85 05 78 006 048 30']).read,
        ['1 85 05 78 006 048 30']);
    assert.equal(engine.tooManyMessage(), 'Trop de chiffres inconnus ! Calcul impossible.');
});

test('the typing-error search finds the number a slip away', () => {
    const insee = kind('insee');
    // Two neighbours swapped in the order number: 084 typed 048.
    const { result, rows } = search(insee, ['1 85 05 78 006 048 91'], { outcome: 'corrections' });
    assert.equal(result.stopped, false);
    assert.equal(result.rows, rows.length);
    assert.ok(rows.includes('1 85 05 78 006 084 91'), rows.join('\n'));
    for (const row of rows) assert.equal(insee.check([row]).valid, true, row);
    // Nothing to correct while characters are unknown.
    assert.equal(search(insee, ['1 85 05 78 006 0?4 91'], { outcome: 'corrections' }).rows.length, 0);
    // IBAN: as ferrino-cli --corrige and F3, no letter in a bank code and no
    // RIB key that fails, only the number the verdict calls right.
    const iban = kind('iban');
    assert.deepEqual(search(iban, iban.split('FR7630006000011234567890198'), { outcome: 'corrections' }).rows,
        ['FR 76 3000 6000 0112 3456 7890 189 ']);
});

test('the largest search comes in batches, in order, and stops when asked', () => {
    const iban = kind('iban');
    // Cyprus: sixteen account characters, digits or capitals, no national key.
    const fields = ['CY', '??', '00200128000000120052????'];
    assert.equal(iban.read(fields).candidates, 1679616);
    const rows = new PackedRows();
    let batches = 0;
    const result = iban.search('incomplete', fields, (bytes, ends) => {
        rows.append(bytes.slice(), ends.slice());
        ++batches;
        return false;
    }, 5);
    assert.equal(result.rows, 1679616);
    assert.equal(rows.count, 1679616);
    assert.equal(result.stopped, false);
    assert.ok(batches >= 1);
    // Rows as the window lists them (an IBAN row ends with the blank after its last group)...
    assert.equal(rows.text(0), 'CY 62 0020 0128 0000 0012 0052 0000 ');
    assert.equal(rows.text(1679615).trimEnd(), 'CY 29 0020 0128 0000 0012 0052 ZZZZ');
    // (python-stdnum: iban.calc_check_digits gives 62, 35 and 29)
    // ...and printed as on paper.
    const first = rows.pieces(2).next().value;
    assert.equal(new TextDecoder().decode(iban.printedRows(first.bytes, first.ends, first.base)),
        'CY62 0020 0128 0000 0012 0052 0000\nCY35 0020 0128 0000 0012 0052 0001\n');

    // The rows leave the module's memory batch by batch: the same bytes as in one batch at the end.
    let whole = null;
    iban.search('incomplete', fields, (bytes, ends) => {
        assert.equal(whole, null, 'one batch');
        whole = { bytes: bytes.slice(), ends: ends.slice() };
        return false;
    }, 1e9);
    assert.equal(whole.ends.length, rows.count);
    assert.ok(rows.batches.length > 1, 'several batches');
    assert.ok(Buffer.concat(rows.batches.map((batch) => Buffer.from(batch.bytes))).equals(Buffer.from(whole.bytes)));
    let wrongEnds = 0;
    for (const batch of rows.batches) {
        const base = batch.first ? whole.ends[batch.first - 1] : 0;
        for (let i = 0; i < batch.ends.length; ++i) if (batch.ends[i] + base !== whole.ends[batch.first + i]) ++wrongEnds;
    }
    assert.equal(wrongEnds, 0);

    const stopped = search(iban, fields, { stopAfter: 1000 });
    assert.equal(stopped.result.stopped, true);
    assert.ok(stopped.rows.length >= 1000 && stopped.rows.length < 1679616);
    assert.ok(stopped.result.rows >= stopped.rows.length);
});

// A row's printed form is the kind's (tests/engine/test_kinds.cpp holds the
// rule): [kind, rows as listed, the lines of a copy or a file].
const PRINTED = [
    ['iban', ['DE 89 3704 0044 0532 0130 00 ', 'CY 17 0020 0128 0000 0012 0052 7600 '],
        'DE89 3704 0044 0532 0130 00\nCY17 0020 0128 0000 0012 0052 7600\n'],
    ['rib', ['30006 00001 1234567890A 89  ', '30006 00001 1234567890J 89'], '30006 00001 1234567890A 89\n30006 00001 1234567890J 89\n'],
    ['sin', ['12\ufffd 456 78'], '12\ufffd 456 78\n'],
];

test('rows copied and saved in the printed form of their kind', () => {
    for (const [name, rows, lines] of PRINTED) {
        assert.equal(rows.map((row) => `${kind(name).printedRow(row)}\n`).join(''), lines, name);
        // Packed as the worker hands them over, in pieces of any size: the same lines.
        const packed = new PackedRows();
        const { bytes, ends } = new TextRows(rows).pieces().next().value;
        packed.append(bytes, ends);
        assert.equal(printed(kind(name), packed), lines, name);
        assert.equal(printed(kind(name), new TextRows(rows)), lines, name);
    }
    assert.equal(printed(kind('insee'), new TextRows([])), '');
});

test('a plan beyond the limit is never searched', () => {
    const rib = kind('rib');
    const { result, rows } = search(rib, ['30006 00001 123456'], {});
    assert.equal(rows.length, 0);
    assert.equal(result.stopped, false);
});

test('names, country rows and code types', () => {
    assert.deepEqual([...engine.kindNames()],
        ['insee', 'rib', 'iban', 'prof', 'avs', 'isbn', 'carte', 'siren', 'siret', 'ean', 'sin', 'vin', 'cip', 'luhn']);
    assert.equal(new engine.Kind('nothing', 1).valid(), false);
    const countries = engine.countryRows();
    assert.ok(countries.length > 200);
    assert.ok(countries.some((row) => row.startsWith("CI (C\u00d4TE D'IVOIRE)")));
    assert.deepEqual(engine.eanTypeNames(), ['EAN 8', 'EAN 13', 'UPC-A', 'UPC-C', 'UPC-E']);
    assert.equal(engine.frenchCount(1679616), '1\u202f679\u202f616');
});

// The AVS page names the parts of the current number when the engine reads one.
test('which AVS number the field holds', () => {
    for (const [text, current] of [
        ['756.9217.0769.85', true], ['756921707698', true], ['7569217076', false], ['1234567890123', true],
        ['123.45.678.903', false], ['', false], ['756 9217 0769 8?', true],
    ]) assert.equal(engine.isCurrentAvs(text), current, text);
});

// Details cross as [{label, value}], the same after "Calcule" as for the fields it wrote.
test('details of a whole number', () => {
    for (const [name, codeType, complete] of KINDS) {
        const k = kind(name, codeType);
        const step = new engine.Session().calcule(k, k.split(complete));
        assert.deepEqual(step.details, k.details(step.fields), complete);
        for (const detail of step.details) assert.deepEqual(Object.keys(detail).sort(), ['label', 'value'], complete);
    }
});
