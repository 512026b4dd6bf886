// The search worker. It runs inside ferrinoEngineScope (ferrino-engine.js),
// after the engine's script, when that scope is started as a worker.
//
// A message {id, outcome, kind, codeType, fields} runs the search of a
// session's step (its outcome, as Session.calcule or corrections named it,
// on the fields it read); the rows come back as batches {id, bytes, ends}
// (transferred, not copied) while it runs, then {id, done, rows, stopped}.

/* global FerrinoEngine, WorkerGlobalScope */
if (typeof WorkerGlobalScope !== 'undefined' && self instanceof WorkerGlobalScope) {
    // A batch at least every this many milliseconds while rows are found.
    const BATCH_MS = 25;
    const engine = FerrinoEngine();
    const kinds = new Map();

    self.onmessage = async (event) => {
        const module = await engine;
        const { id, outcome, kind: name, codeType, fields } = event.data;
        const key = `${name}:${codeType}`;
        let kind = kinds.get(key);
        if (!kind) {
            kind = new module.Kind(name, codeType);
            kinds.set(key, kind);
        }
        const sink = (text, ends) => {
            const bytes = text.slice();
            const rowEnds = ends.slice();
            self.postMessage({ id, bytes, ends: rowEnds }, [bytes.buffer, rowEnds.buffer]);
            return false;
        };
        const result = kind.search(outcome, fields, sink, BATCH_MS);
        self.postMessage({ id, done: true, rows: result.rows, stopped: result.stopped });
    };
}
