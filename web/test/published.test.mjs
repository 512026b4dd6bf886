// The published numbers of tests/data/published.tsv, which the engine and
// command-line tests read as well: the page's engine calls each right one
// valid and the others not (FERRINO_PUBLISHED_NUMBERS: another copy of the file).
import { test, before } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { createRequire } from 'node:module';
import { fileURLToPath } from 'node:url';
import { siteFolder } from './site.mjs';

const require = createRequire(import.meta.url);
const here = path.dirname(fileURLToPath(import.meta.url));
const file = process.env.FERRINO_PUBLISHED_NUMBERS || path.join(here, '..', '..', 'tests', 'data', 'published.tsv');
const codeTypes = ['ean8', 'ean13', 'upca', 'upcc', 'upce'];
let engine;

before(async () => {
    const FerrinoEngine = require(`${siteFolder()}/ferrino-engine.js`);
    engine = await FerrinoEngine();
});

test('published numbers are right or not as published', () => {
    const rows = fs.readFileSync(file, 'utf8').split('\n').filter((line) => line && !line.startsWith('#'))
        .map((line) => line.split('\t'));
    assert.ok(rows.length >= 50, `${rows.length} rows in ${file}`);
    const kinds = new Map();
    for (const [name, type, number, right, source] of rows) {
        const codeType = type === '-' ? 1 : codeTypes.indexOf(type);
        assert.ok(codeType >= 0, type);
        const key = `${name}:${codeType}`;
        if (!kinds.has(key)) kinds.set(key, new engine.Kind(name, codeType));
        const kind = kinds.get(key);
        assert.equal(kind.check(kind.split(number)).valid, right === 'yes', `${name} ${number} (${source})`);
    }
});
