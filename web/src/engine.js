// The engine on the page's side: one instance for what must answer at once
// (laying a field out, a tab's session, the details), and a worker for the
// searches, which may take a while and must never freeze the page.
//
// The worker is started from a blob holding the source of the engine's
// script (ferrinoEngineScope, ferrino-engine.js), so that it starts the same
// way from a web server and from a local folder. "Stop" ends the worker at
// once; the rows it had handed over stay, and a fresh worker is started for
// the next search. Each tab of the page runs its searches in a worker of its
// own, so that a search goes on while the user works on another tab.

export async function loadEngine() {
    // eslint-disable-next-line no-undef
    const module = await FerrinoEngine();
    const kinds = new Map();
    return {
        module,
        // The kind behind a page (EAN: one per code type).
        kind(name, codeType = 1) {
            const key = `${name}:${codeType}`;
            let kind = kinds.get(key);
            if (!kind) {
                kind = new module.Kind(name, codeType);
                kinds.set(key, kind);
            }
            return kind;
        },
    };
}

let workerUrl = null;

export class SearchWorker {
    constructor() {
        if (!workerUrl) {
            // eslint-disable-next-line no-undef
            const source = `(${ferrinoEngineScope.toString()})();`;
            workerUrl = URL.createObjectURL(new Blob([source], { type: 'text/javascript' }));
        }
        this.url = workerUrl;
        this.run = null;
        this.nextId = 1;
        this.start();
    }

    start() {
        this.worker = new Worker(this.url, { name: 'ferrino-search' });
        this.worker.onmessage = (event) => this.receive(event.data);
        this.worker.onerror = (event) => {
            event.preventDefault();
            this.fail(event.message || 'erreur du moteur');
        };
    }

    // Runs the search of a session's step (its outcome and the fields it
    // read); `onRows(bytes, ends)` gets the batches, `onEnd({rows, stopped})`
    // the end. Returns the run's id.
    search({ outcome, kind, codeType, fields }, onRows, onEnd) {
        if (this.run) this.stop();
        const id = this.nextId++;
        this.run = { id, onRows, onEnd, rows: 0 };
        this.worker.postMessage({ id, outcome, kind, codeType, fields });
        return id;
    }

    get running() {
        return this.run !== null;
    }

    receive(message) {
        const run = this.run;
        if (!run || message.id !== run.id) return;
        if (message.bytes) {
            run.rows += message.ends.length;
            run.onRows(message.bytes, message.ends);
        } else if (message.done) {
            this.run = null;
            run.onEnd({ rows: message.rows, stopped: message.stopped });
        }
    }

    fail(reason) {
        const run = this.run;
        this.worker.terminate();
        this.start();
        this.run = null;
        if (run) run.onEnd({ rows: run.rows, stopped: true, error: reason });
    }

    // Ends the worker for good.
    close() {
        this.run = null;
        this.worker.terminate();
    }

    // Ends the running search now; its rows handed over so far are kept.
    // Returns how many there were, or -1 when nothing ran.
    stop() {
        const run = this.run;
        if (!run) return -1;
        this.worker.terminate();
        this.run = null;
        this.start();
        run.onEnd({ rows: run.rows, stopped: true });
        return run.rows;
    }
}
