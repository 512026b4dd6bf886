// Debian's Chromium, headless, driven by puppeteer-core; and a static server
// for the site. Shared by the page tests and bench/web.mjs. Each starts and
// stops what it needs: a fresh profile folder, removed at the end.
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';
import { siteFolder } from './site.mjs';

export const CHROMIUM = process.env.FERRINO_CHROMIUM || '/usr/bin/chromium';

export async function launch() {
    const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'ferrino-chromium-'));
    const browser = await puppeteer.launch({
        executablePath: CHROMIUM,
        headless: true,
        userDataDir: profile,
        args: [
            '--headless', '--no-sandbox', '--disable-gpu', '--disable-background-networking',
            '--disable-component-update', '--disable-sync', '--no-first-run', '--disable-dev-shm-usage',
        ],
    });
    const close = browser.close.bind(browser);
    browser.close = async () => {
        try {
            await close();
        } finally {
            fs.rmSync(profile, { recursive: true, force: true });
        }
    };
    return browser;
}

const TYPES = { '.html': 'text/html', '.htm': 'text/html', '.js': 'text/javascript', '.css': 'text/css' };

// Serves the site on a free port of 127.0.0.1; `hits` counts what was asked.
export async function serve(folder = siteFolder()) {
    const hits = [];
    const server = http.createServer((request, response) => {
        hits.push(request.url);
        const file = path.join(folder, decodeURIComponent(new URL(request.url, 'http://x').pathname));
        if (!file.startsWith(folder) || !fs.existsSync(file) || fs.statSync(file).isDirectory()) {
            const index = path.join(file, 'index.html');
            if (fs.existsSync(index)) {
                response.writeHead(200, { 'Content-Type': 'text/html' });
                response.end(fs.readFileSync(index));
                return;
            }
            response.writeHead(404);
            response.end();
            return;
        }
        response.writeHead(200, { 'Content-Type': TYPES[path.extname(file)] ?? 'application/octet-stream' });
        response.end(fs.readFileSync(file));
    });
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
    const { port } = server.address();
    return { url: `http://127.0.0.1:${port}/`, hits, close: () => new Promise((resolve) => server.close(resolve)) };
}

export function fileUrl(folder = siteFolder()) {
    return `file://${folder}/index.html`;
}

// Opens the page and waits until its engine is ready.
export async function openPage(browser, url = fileUrl(), viewport = { width: 900, height: 800 }) {
    const page = await browser.newPage();
    await page.setViewport(viewport);
    page.errors = [];
    page.on('pageerror', (error) => page.errors.push(error.message));
    page.on('console', (message) => {
        if (message.type() === 'error') page.errors.push(message.text());
    });
    await page.goto(url);
    await page.waitForFunction(() => document.body.dataset.ready === 'true', { timeout: 20000 });
    return page;
}

export async function idle(page) {
    await page.waitForFunction(() => document.body.dataset.busy === 'false', { timeout: 60000 });
}
