// A tab's candidate list in use: a click or the keyboard puts the current
// row back into the fields (and shows what it says of itself), Enter or a
// double click takes it; copying a row, copying the whole list and saving it,
// in the printed form the engine gives a row (Kind.printedRows), built in
// slices so that the page stays alive, with a progress line.

import { element, nextTask, counted } from './dom.js';

// A copy or a save works in slices of about this many milliseconds.
const SLICE_MS = 12;

async function copyText(text) {
    if (navigator.clipboard?.writeText) {
        try {
            await navigator.clipboard.writeText(text);
            return true;
        } catch {
            // Not allowed here (a page served without a secure context): the old way below.
        }
    }
    // The text handed to the copy event, never laid out in an element.
    let written = false;
    const onCopy = (event) => {
        event.preventDefault();
        event.clipboardData.setData('text/plain', text);
        written = true;
    };
    document.addEventListener('copy', onCopy, { once: true });
    const done = document.execCommand('copy');
    document.removeEventListener('copy', onCopy);
    return done && written;
}

export const CandidateMethods = {
    wireList(state) {
        const list = state.list;
        const click = state.page.click ?? { format: true, calcule: true };
        list.addEventListener('rowclick', (event) => this.listClick(state, event.detail.index));
        // Enter or a double click: the row is taken (and calculated), and the
        // focus goes back to the number field.
        list.addEventListener('rowdblclick', () => {
            if (click.calcule) this.calcule();
            this.focusNumber(state);
        });
        list.addEventListener('activate', () => {
            this.calcule();
            this.focusNumber(state);
        });
        list.addEventListener('keydown', (event) => {
            if ((event.ctrlKey || event.metaKey) && event.key.toLowerCase() === 'c') {
                event.preventDefault();
                this.copySelected();
            }
        });
        list.addEventListener('rowclick', () => this.updateListActions());
    },

    // The kind whose search listed the tab's rows (EAN: the code type of that search).
    listKind(state) {
        return this.engine.kind(state.page.kind, state.listType ?? 1);
    },

    listClick(state, index) {
        const page = state.page;
        const text = state.list.rowText(index);
        const click = page.click ?? { format: true, calcule: true };
        // EAN: the row's code type is the one its search used.
        if (state.select && state.listType !== null) state.select.selectedIndex = state.listType;
        const kind = this.kindOf(state);
        const fields = kind.rowFields(text);
        const indices = click.fields ?? fields.map((_, i) => i);
        this.write(state, fields, indices);
        if (click.format) for (const i of indices) this.fieldExit(state, i);
        this.showDetails(state, kind.details(fields));
    },

    updateListActions() {
        const state = this.states[this.current];
        const shown = !state.list.hidden && state.list.rowCount > 0;
        this.copyButton.disabled = !shown || state.list.selectedIndex < 0;
        this.copyAllButton.disabled = !shown || Boolean(this.transfer);
        this.saveButton.disabled = !shown || Boolean(this.transfer);
    },

    async copySelected() {
        const state = this.states[this.current];
        const index = state.list.selectedIndex;
        if (state.list.hidden || index < 0) return;
        if (await copyText(this.listKind(state).printedRow(state.list.rowText(index))))
            this.setStatus(this.linesText(1, 'copiée', 'copiées'), state);
    },

    // "1 679 616 lignes copiées."
    linesText(count, one, many) {
        return `${counted(this.engine.module, count, 'ligne', 'lignes')} ${count > 1 ? many : one}.`;
    },

    // The list's rows printed as lines (a break after each), built in slices
    // so that the page stays alive, with a progress line: the slices' bytes,
    // or (`asText`) their text; null when stopped (Escape).
    async printedList(state, action, asText = false) {
        const source = state.list.source;
        const kind = this.listKind(state);
        const count = source.count;
        const transfer = { state, stopped: false };
        this.transfer = transfer;
        this.updateListActions();
        const parts = [];
        // The bytes of each slice end with whole rows: each decodes alone.
        const decoder = new TextDecoder();
        try {
            let sliceStart = performance.now();
            for (const piece of source.pieces()) {
                const bytes = kind.printedRows(piece.bytes, piece.ends, piece.base).slice();
                parts.push(asText ? decoder.decode(bytes) : bytes);
                if (performance.now() - sliceStart < SLICE_MS) continue;
                this.setStatus(`${action} : ${Math.floor((100 * piece.end) / count)} %…`, state, true);
                await nextTask();
                if (transfer.stopped) return null;
                sliceStart = performance.now();
            }
            return { parts, count };
        } finally {
            this.transfer = null;
            this.updateListActions();
        }
    },

    async copyAll() {
        const state = this.states[this.current];
        if (this.transfer || state.list.hidden || !state.list.rowCount) return;
        const printed = await this.printedList(state, 'Copie en cours', true);
        if (!printed) {
            this.setStatus('Copie interrompue.', state);
            return;
        }
        // One last step the browser takes at once: handing the text to the clipboard.
        const copied = await copyText(printed.parts.join('').slice(0, -1));
        this.setStatus(copied ? this.linesText(printed.count, 'copiée', 'copiées') : 'La copie a été refusée par le navigateur.', state);
    },

    async saveList() {
        const state = this.states[this.current];
        if (this.transfer || state.list.hidden || !state.list.rowCount) return;
        const name = `ferrino-${state.page.kind}.txt`;
        const printed = await this.printedList(state, 'Enregistrement en cours');
        if (!printed) {
            this.setStatus('Enregistrement interrompu.', state);
            return;
        }
        const blob = new Blob(printed.parts, { type: 'text/plain;charset=utf-8' });
        const url = URL.createObjectURL(blob);
        const link = element('a', { href: url, download: name, className: 'offscreen' });
        document.body.append(link);
        link.click();
        link.remove();
        setTimeout(() => URL.revokeObjectURL(url), 60000);
        this.setStatus(this.linesText(printed.count, 'enregistrée', 'enregistrées'), state);
    },
};
