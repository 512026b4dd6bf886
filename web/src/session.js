// "Calcule" and the typing-error search of a tab: the fields as typed go to
// the tab's session in the engine (module.Session), whose step says what the
// fields show, whether a search runs and the verdict line; the search runs in
// a worker (engine.js), its rows arrive in batches, and the session makes the
// line that ends it. Also "Effacer" and "Stop", and the tab's verdict line.

import { PackedRows } from './rows.js';
import { counted } from './dom.js';
import { writeField } from './fields.js';
import { SearchWorker } from './engine.js';
import { CLEAR_FOCUS, CLEAR_HIDE_LIST, CLEAR_SHOW_GUIDES } from './pages.js';

// A running search shows its count found so far at most this often (ms).
const PROGRESS_MS = 150;

export const SessionMethods = {
    // A tab's verdict line (the shown tab's by default); shown when its tab
    // is. A line that changes while work goes on (`busy`) is marked so that
    // screen readers wait for the end.
    setStatus(text, state = this.states[this.current], busy = false) {
        state.statusText = text;
        state.statusBusy = busy;
        if (state === this.states[this.current]) this.showStatus();
    },

    showStatus() {
        const state = this.states[this.current];
        this.status.setAttribute('aria-busy', state.statusBusy ? 'true' : 'false');
        if (this.status.textContent !== state.statusText) this.status.textContent = state.statusText;
    },

    // "Stop" and the busy mark follow the shown tab's search.
    setBusy() {
        const busy = Boolean(this.states[this.current].search);
        document.body.dataset.busy = busy ? 'true' : 'false';
        this.closeButton.textContent = busy ? 'Stop' : 'Effacer';
        for (const state of this.states) state.list.setAttribute('aria-busy', state.search ? 'true' : 'false');
    },

    // Ends the tab's running search; its rows stay.
    stopSearch(state) {
        state.search?.worker.stop();
    },

    // An empty list, hidden, for the step to come.
    emptyList(state) {
        state.rows = new PackedRows();
        state.list.setSource(state.rows);
        state.list.hidden = true;
    },

    calcule() {
        const state = this.states[this.current];
        this.stopSearch(state);
        this.setStatus('');
        if (state.message) state.message.hidden = true;
        if (state.page.showGuidesFirst) this.showGuides(state, true);
        this.hideCountries(state);
        const step = state.session.calcule(this.kindOf(state), this.typedValues(state));
        this.write(state, step.fields);
        this.followGuides(state);
        this.emptyList(state);
        this.endStep(state, step);
    },

    // The numbers one typing slip away from the page's number (F3).
    typingErrors() {
        const state = this.states[this.current];
        this.stopSearch(state);
        this.hideCountries(state);
        const shown = this.values(state);
        const typed = this.typedValues(state);
        if (state.page.showGuidesFirst) this.showGuides(state, true);
        state.inputs.forEach((_, i) => this.fieldExit(state, i));
        const step = state.session.corrections(this.kindOf(state), shown, typed);
        this.setStatus('');
        this.emptyList(state);
        this.endStep(state, step);
    },

    // The search of a step, or its line, the red message and the details.
    endStep(state, step) {
        if (step.searches) {
            this.runSearch(state, step);
            return;
        }
        this.setStatus(step.said);
        if (state.message) state.message.hidden = step.outcome !== 'too_many';
        this.showOutcome(state, false);
        this.showDetails(state, step.details);
    },

    runSearch(state, step) {
        const codeType = state.select ? state.select.selectedIndex : 1;
        // EAN: the rows' code type, which a click on a row puts back.
        state.listType = state.select ? codeType : null;
        const module = this.engine.module;
        const worker = this.spareWorkers.pop() ?? new SearchWorker();
        const run = { state, worker, shown: false, progressAt: 0 };
        state.search = run;
        this.setBusy();
        const [one, many] = step.outcome === 'corrections' ? ['correction trouvée', 'corrections trouvées'] : ['candidat trouvé', 'candidats trouvés'];
        const progress = () => this.setStatus(`Recherche en cours : ${counted(module, state.rows.count, one, many)}…`, state, true);
        progress();
        worker.search({ outcome: step.outcome, kind: state.page.kind, codeType, fields: step.read },
            (bytes, ends) => {
                state.rows.append(bytes, ends);
                if (!run.shown) {
                    run.shown = true;
                    this.showOutcome(state, true);
                } else {
                    state.list.refresh();
                }
                const now = performance.now();
                if (now - run.progressAt >= PROGRESS_MS) {
                    run.progressAt = now;
                    progress();
                }
            },
            (result) => {
                if (state.search === run) state.search = null;
                // The worker goes back to the spares (a stopped one was started afresh).
                if (this.spareWorkers.length < 2) this.spareWorkers.push(worker);
                else worker.close();
                this.setBusy();
                this.setStatus(result.error ? `Erreur du moteur : ${result.error}` : state.session.said(state.rows.count, result.stopped), state);
                this.showOutcome(state, true);
            });
    },

    BitBtn2Click() {
        const state = this.states[this.current];
        if (state.search) {
            this.stopSearch(state);
            return;
        }
        this.clear();
    },

    // "Effacer".
    clear() {
        const state = this.states[this.current];
        const page = state.page;
        this.hideCountries(state);
        this.setStatus('');
        if (page.clear & CLEAR_HIDE_LIST) state.list.hidden = true;
        if (page.clear & CLEAR_SHOW_GUIDES) this.showGuides(state, true);
        const indices = page.clearFields ?? state.inputs.map((_, i) => i);
        for (const i of indices) writeField(state.inputs[i], '');
        if (page.clear & CLEAR_FOCUS) {
            const input = state.inputs[indices[0]];
            input.focus();
            input.setSelectionRange(0, 0);
        }
        this.updateListActions();
    },
};
