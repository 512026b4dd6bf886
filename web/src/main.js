// Starts the page once the engine is ready: body[data-ready] is then "true".

import { loadEngine } from './engine.js';
import { App } from './app.js';

async function start() {
    const root = document.getElementById('MainWindow');
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
