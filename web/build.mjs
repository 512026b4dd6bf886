// Writes the site into one folder:
//
//   index.html         the page (its security policy in a meta element)
//   ferrino.css
//   ferrino.js         the page's modules, joined into one classic script
//   ferrino-engine.js  the engine (WebAssembly inlined) and the search worker
//   Aide.htm           the page's help (site/Aide.htm: the page's own, not the window's); each line
//                      <!-- from resources/Aide.htm: NAME --> becomes what the window's help
//                      holds between <!-- shared: NAME --> and <!-- end: NAME -->
//
// Why joined and inlined: a page opened from a local folder (file://) may not
// load module scripts, fetch a file, or start a worker from a file; classic
// scripts load, and a worker starts from a blob. So the modules of src/ are
// joined in the order below (each import line dropped, "export" removed),
// and the engine's script is wrapped in a function whose source text the page
// hands to the worker as a blob.
//
//   node web/build.mjs --engine ferrino-engine.js --version 1.2.0.1 [--author NAME] --out site
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));

// The page's modules, each after those it imports.
export const MODULE_ORDER = ['text.js', 'rows.js', 'list.js', 'pages.js', 'engine.js', 'dom.js', 'fields.js', 'guides.js',
    'storage.js', 'about.js', 'countries.js', 'candidates.js', 'details.js', 'session.js', 'app.js', 'main.js'];

function options(argv) {
    const out = {};
    for (let i = 0; i < argv.length; i += 2) out[argv[i].replace(/^--/, '')] = argv[i + 1];
    for (const name of ['engine', 'version', 'out'])
        if (!out[name]) throw new Error(`build.mjs: --${name} is missing`);
    return out;
}

// One module's text as part of the joined script.
export function unmodule(source, name) {
    const withoutImports = source.replace(/^import\s[^;]*;\s*$/gms, '');
    if (/^\s*import\s/m.test(withoutImports)) throw new Error(`${name}: an import the join does not understand`);
    return withoutImports.replace(/^export\s+(default\s+)?/gm, '');
}

const escape = (text) => text.replace(/[&<>"]/g, (c) => `&#${c.charCodeAt(0)};`);

function joinModules() {
    const parts = MODULE_ORDER.map((name) => {
        const source = fs.readFileSync(path.join(here, 'src', name), 'utf8');
        return `// ---- ${name}\n${unmodule(source, name)}`;
    });
    return `// Ferrino in the browser: the page. Built from web/src/ by web/build.mjs.\n(() => {\n'use strict';\n${parts.join('\n')}\n})();\n`;
}

// The page's help: site/Aide.htm with the parts it shares with the window's
// help taken from there.
export function pageHelp() {
    const windowHelp = fs.readFileSync(path.join(here, '..', 'resources', 'Aide.htm'), 'utf8');
    const page = fs.readFileSync(path.join(here, 'site', 'Aide.htm'), 'utf8');
    return page.replace(/^<!-- from resources\/Aide\.htm: ([\w-]+) -->\n/gm, (line, name) => {
        const part = windowHelp.match(new RegExp(`^<!-- shared: ${name} -->\n([^]*?)^<!-- end: ${name} -->\n`, 'm'));
        if (!part) throw new Error(`resources/Aide.htm: no part "${name}" for site/Aide.htm`);
        return part[1];
    });
}

function engineScript(enginePath) {
    const engine = fs.readFileSync(enginePath, 'utf8');
    const worker = unmodule(fs.readFileSync(path.join(here, 'src', 'worker.js'), 'utf8'), 'worker.js');
    return `// Ferrino's engine, compiled to WebAssembly (inlined), and the search worker.
// Built by web/build.mjs. The page starts the worker from this function's source.
function ferrinoEngineScope() {
// The WebAssembly is inlined: without this the engine's loader would first try
// to fetch it, which the page's security policy refuses.
var fetch = undefined;
${engine}
${worker}
return FerrinoEngine;
}
var FerrinoEngine = ferrinoEngineScope();
`;
}

function main() {
    const opts = options(process.argv.slice(2));
    fs.mkdirSync(opts.out, { recursive: true });
    const site = path.join(here, 'site');
    const html = fs.readFileSync(path.join(site, 'index.html'), 'utf8').replaceAll('@VERSION@', escape(opts.version))
        .replaceAll('@AUTHOR@', escape(opts.author ?? ''));
    fs.writeFileSync(path.join(opts.out, 'index.html'), html);
    fs.copyFileSync(path.join(site, 'ferrino.css'), path.join(opts.out, 'ferrino.css'));
    fs.writeFileSync(path.join(opts.out, 'ferrino.js'), joinModules());
    fs.writeFileSync(path.join(opts.out, 'ferrino-engine.js'), engineScript(opts.engine));
    fs.writeFileSync(path.join(opts.out, 'Aide.htm'), pageHelp());
}

if (process.argv[1] && path.resolve(process.argv[1]) === fileURLToPath(import.meta.url)) main();
