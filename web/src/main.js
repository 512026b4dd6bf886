// Starts the page once the engine is ready: body[data-ready] is then "true"
// ("error" when it cannot start).

/* global FerrinoEngine, ferrinoEngineScope */

import { loadEngine } from './engine.js';
import { App } from './app.js';

// The files of the site beside index.html; index.html itself says when
// ferrino.js is missing, and this script says it of the others.
const SITE_FILES = 'index.html, ferrino.css, ferrino.js, ferrino-engine.js et Aide.htm';

function missingFile(root, name) {
    const message = document.createElement('p');
    message.setAttribute('role', 'alert');
    message.className = 'missing';
    message.textContent = `Fichier manquant : ${name}. Il doit se trouver dans le même dossier que index.html ` +
        `(le site est fait de ${SITE_FILES}).`;
    root.append(message);
}

async function start() {
    const root = document.getElementById('MainWindow');
    document.getElementById('NoScriptFile')?.remove();
    // ferrino.css sets this property on the page; without it the page is unstyled.
    if (getComputedStyle(document.documentElement).getPropertyValue('--ferrino-css').trim() !== '1') missingFile(root, 'ferrino.css');
    if (typeof FerrinoEngine === 'undefined' || typeof ferrinoEngineScope === 'undefined') {
        missingFile(root, 'ferrino-engine.js');
        document.body.dataset.ready = 'error';
        return;
    }
    try {
        const engine = await loadEngine();
        const app = new App(engine, { version: root.dataset.version, author: root.dataset.author });
        Object.defineProperty(window, 'ferrinoApp', { value: app });
        document.body.dataset.ready = 'true';
    } catch (error) {
        const message = document.createElement('p');
        message.setAttribute('role', 'alert');
        message.textContent = `Le moteur de calcul n'a pas pu démarrer dans ce navigateur : ${error?.message ?? error}`;
        root.append(message);
        document.body.dataset.ready = 'error';
    }
}

start();
