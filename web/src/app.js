// The page: a tab per kind of number, its fields, the parts named under
// them, the candidate list, the common buttons and the verdict line. Every
// answer comes from the engine (engine.js); this file only lays it out and
// does on each page what the window does.

import { PAGES, CLEAR_FOCUS, CLEAR_HIDE_LIST, CLEAR_SHOW_GUIDES } from './pages.js';
import { PackedRows, TextRows, printedRow } from './rows.js';
import { capitals } from './text.js';
import { SearchWorker } from './engine.js';

// Said after a wrong key.
const TYPING_HINT = 'F3 : chercher les fautes de frappe.';

function element(tag, attributes = {}, ...children) {
    const node = document.createElement(tag);
    for (const [name, value] of Object.entries(attributes)) {
        if (value === undefined || value === null || value === false) continue;
        if (name === 'text') node.textContent = value;
        else if (name === 'className') node.className = value;
        else node.setAttribute(name, value === true ? '' : String(value));
    }
    node.append(...children.filter(Boolean));
    return node;
}

// The text a program write puts into a field, kept so that Ctrl+Z brings back
// what was typed (and Ctrl+Shift+Z or Ctrl+Y writes it again).
function writeField(input, text) {
    if (input.value === text) return;
    input.undoStack ??= [];
    input.undoStack.push({ before: input.value, after: text });
    input.redoStack = [];
    input.value = text;
    input.dispatchEvent(new Event('written'));
}

function undoKey(event) {
    const input = event.target;
    const key = event.key.toLowerCase();
    if (!(event.ctrlKey || event.metaKey) || event.altKey) return false;
    const redo = (key === 'z' && event.shiftKey) || (key === 'y' && !event.shiftKey);
    const undo = key === 'z' && !event.shiftKey;
    if (undo && input.undoStack?.length && input.undoStack.at(-1).after === input.value) {
        const step = input.undoStack.pop();
        input.value = step.before;
        (input.redoStack ??= []).push(step);
        return true;
    }
    if (redo && input.redoStack?.length && input.redoStack.at(-1).before === input.value) {
        const step = input.redoStack.pop();
        input.value = step.after;
        input.undoStack.push(step);
        return true;
    }
    return false;
}

async function copyText(text) {
    if (navigator.clipboard?.writeText) {
        try {
            await navigator.clipboard.writeText(text);
            return true;
        } catch {
            // Not allowed here (a page served without a secure context): the old way below.
        }
    }
    const area = element('textarea', { className: 'offscreen', 'aria-hidden': 'true' });
    area.value = text;
    document.body.append(area);
    area.select();
    const done = document.execCommand('copy');
    area.remove();
    return done;
}

export class App {
    constructor(engine, { version = '', author = '' } = {}) {
        this.engine = engine;
        this.version = version;
        this.author = author;
        this.worker = new SearchWorker();
        this.states = [];
        this.current = 0;
        this.busyState = null;  // the page whose search runs, and what it searches
        this.build();
    }

    // ---- building the page

    build() {
        const root = document.getElementById('MainWindow');
        this.tabs = element('div', { id: 'PageControl1', role: 'tablist', 'aria-label': 'Pages', className: 'tabs' });
        const panels = element('div', { className: 'panels' });
        PAGES.forEach((page, index) => {
            const state = this.buildPage(page, index);
            this.states.push(state);
            this.tabs.append(state.tab);
            panels.append(state.panel);
        });
        this.tabs.addEventListener('keydown', (event) => this.tabKey(event));

        this.listActions = element('div', { className: 'list-actions', role: 'group', 'aria-label': 'Liste' });
        this.copyButton = this.button('Btncopy', 'Copier', () => this.copySelected(), 'Copier la ligne choisie');
        this.copyAllButton = this.button('Btncopyall', 'Copier toute la liste', () => this.copyAll());
        this.saveButton = this.button('Btnsave', 'Enregistrer la liste…', () => this.saveList());
        this.listActions.append(this.copyButton, this.copyAllButton, this.saveButton);

        this.closeButton = this.button('BitBtn2', 'Effacer', () => this.BitBtn2Click());
        this.calcButton = this.button('Btncalc', 'Calcule', () => this.calcule());
        this.calcButton.classList.add('default');
        this.typosButton = this.button('Btnfautes', 'Fautes de frappe', () => this.typingErrors(),
            'Chercher les fautes de frappe (F3)');
        this.aboutButton = this.button('BitBtn1', 'A propos', () => this.about());
        const help = element('a', { id: 'Btnhelp', href: 'Aide.htm', target: '_blank', rel: 'noopener', className: 'button', text: 'Aide' });
        const buttons = element('div', { className: 'buttons' },
            this.closeButton, this.calcButton, this.typosButton, this.aboutButton, help);

        this.status = element('p', { id: 'StatusBar1', role: 'status', 'aria-live': 'polite', 'aria-atomic': 'true', className: 'status' });
        root.append(this.tabs, panels, this.listActions, buttons, this.status);
        this.buildAbout();

        document.addEventListener('keydown', (event) => this.globalKey(event));
        window.addEventListener('resize', () => this.layoutGuides(this.states[this.current]));
        this.select(0, { focusTab: false });
        this.states[0].inputs[0].focus();
        this.setBusy(false);
    }

    button(id, caption, action, title) {
        const node = element('button', { id, type: 'button', title, text: caption });
        node.addEventListener('click', action);
        return node;
    }

    buildPage(page, index) {
        const panelId = `${page.tab}_page`;
        const tab = element('button', {
            id: page.tab, type: 'button', role: 'tab', className: 'tab', text: page.caption,
            'aria-controls': panelId, 'aria-selected': 'false', tabindex: '-1',
        });
        tab.addEventListener('click', () => this.select(index));
        const panel = element('section', { id: panelId, role: 'tabpanel', 'aria-labelledby': page.tab, className: 'page', hidden: true });
        const state = { page, index, tab, panel, inputs: [], rows: new PackedRows(), listType: null, typed: null, written: null };

        if (page.codeType) {
            const [labelId, labelText] = page.codeType.label;
            state.select = element('select', { id: page.codeType.id });
            this.engine.module.eanTypeNames().forEach((name) => state.select.append(element('option', { text: name })));
            state.select.selectedIndex = page.codeType.initial;
            state.select.addEventListener('change', () => this.fieldExit(state, 0));
            panel.append(element('div', { className: 'row' },
                element('label', { id: labelId, for: page.codeType.id, text: labelText, className: 'caption' }), state.select));
        }

        const [labelId, labelText] = page.label;
        const multi = page.fields.length > 1;
        const fields = element('div', { className: 'fields', role: multi ? 'group' : null, 'aria-labelledby': multi ? labelId : null });
        page.fields.forEach((field, i) => {
            const input = element('input', {
                id: field.id, type: 'text', className: 'number', autocomplete: 'off', autocapitalize: 'characters',
                spellcheck: 'false', inputmode: 'text', maxlength: field.limit || null,
                'aria-label': multi ? field.part : null,
            });
            // As wide as the characters it holds (in the fixed-pitch font), never wider than the page.
            input.style.width = `calc(${field.size ?? (field.limit ? field.limit + 1 : 28)}ch + 14px)`;
            input.value = field.initial ?? '';
            input.dataset.limit = field.limit ?? 0;
            this.wireField(state, input, i);
            state.inputs.push(input);
            fields.append(input);
            if (page.countryButton && i === 0) {
                state.countryButton = element('button', {
                    id: page.countryButton, type: 'button', className: 'drop', 'aria-label': 'Liste des pays',
                    'aria-haspopup': 'listbox', 'aria-expanded': 'false', 'aria-controls': page.countries, text: '▾',
                });
                state.countryButton.addEventListener('click', () => this.toggleCountries(state));
                fields.append(state.countryButton);
            }
        });
        const label = multi
            ? element('span', { id: labelId, className: 'caption', text: labelText })
            : element('label', { id: labelId, for: page.fields[0].id, className: 'caption', text: labelText });
        panel.append(element('div', { className: 'row number-row' }, label, fields));

        if (page.tooMany) {
            const [id, text] = page.tooMany;
            state.message = element('p', { id, className: 'too-many', role: 'alert', hidden: true, text });
            panel.append(state.message);
        }

        const area = element('div', { className: 'area' });
        state.guides = element('div', { className: 'guides', 'aria-hidden': 'false' });
        if (page.guides) {
            // One set of parts, or several (AVS: the old number and the current one).
            const sets = page.guideSets ?? [page.guides];
            state.guideSets = sets.map((set) => set.map(([id, caption, field, column]) => {
                const text = element('span', { id, className: 'guide-label', text: caption });
                const line = element('span', { className: 'guide-line', 'aria-hidden': 'true' });
                state.guides.append(line, text);
                return { id, field, column, text, line };
            }));
            state.measure = element('span', { className: 'number measure', 'aria-hidden': 'true', text: '0000000000' });
            state.guides.append(state.measure);
            this.chooseGuides(state, 0);
        }
        state.list = element('ferrino-list', { id: page.list, 'aria-label': 'Candidats', className: 'candidates', hidden: true });
        this.wireList(state);
        area.append(state.guides, state.list);
        if (page.countries) {
            state.countries = element('ferrino-list', { id: page.countries, 'aria-label': 'Pays', className: 'countries', hidden: true });
            area.append(state.countries);
            this.wireCountries(state);
        }
        panel.append(area);
        new ResizeObserver(() => this.layoutGuides(state)).observe(panel);
        return state;
    }

    buildAbout() {
        const text = `Ferrino ${this.version} ${this.author}`.trim();
        const ok = element('button', { id: 'OKButton', type: 'button', text: 'OK' });
        this.aboutBox = element('dialog', { id: 'AboutBox', 'aria-labelledby': 'AboutTitle' },
            element('h2', { id: 'AboutTitle', text: 'A propos' }),
            element('p', { id: 'JvScrollingLabel1', text }),
            element('p', { text: 'Les numéros sont calculés dans ce navigateur : rien n’est envoyé nulle part.' }),
            element('div', { className: 'buttons' }, ok));
        ok.addEventListener('click', () => this.aboutBox.close());
        document.body.append(this.aboutBox);
    }

    // ---- fields

    kindOf(state) {
        const codeType = state.select ? state.select.selectedIndex : 1;
        return this.engine.kind(state.page.kind, codeType);
    }

    values(state) {
        return state.inputs.map((input) => input.value);
    }

    write(state, fields, indices = fields.map((_, i) => i)) {
        for (const i of indices) if (i < state.inputs.length && fields[i] !== undefined) writeField(state.inputs[i], fields[i]);
    }

    wireField(state, input, index) {
        const page = state.page;
        input.addEventListener('beforeinput', (event) => {
            // Typed letters become capitals, as in the window's fields; the
            // browser's own undo keeps working.
            if (event.inputType === 'insertText' && event.data && event.data !== capitals(event.data)) {
                event.preventDefault();
                document.execCommand('insertText', false, capitals(event.data));
            }
        });
        input.addEventListener('paste', (event) => {
            const text = event.clipboardData?.getData('text/plain') ?? '';
            if (!text) return;
            event.preventDefault();
            if (state.inputs.length > 1 && this.pastesWhole(state, text, index)) {
                this.fillWhole(state, text);
                return;
            }
            document.execCommand('insertText', false, capitals(text.replace(/[\r\n]+/g, ' ')));
        });
        input.addEventListener('input', (event) => {
            if (input.value !== capitals(input.value)) {
                const { selectionStart, selectionEnd } = input;
                input.value = capitals(input.value);
                input.setSelectionRange(selectionStart, selectionEnd);
            }
            // A field changed: the verdict spoke of another number.
            if (this.states[this.current] === state) this.setStatus('');
            // IBAN: a whole number typed into the country field fills the three fields.
            if (state.countries && index === 0 && input.value.length > 2 && this.kindOf(state).splitWhole(input.value)) {
                this.fillWhole(state, input.value);
                state.inputs[2].focus();
                const end = state.inputs[2].value.length;
                state.inputs[2].setSelectionRange(end, end);
                return;
            }
            // VIN: a full box hands over to the next one.
            const limit = Number(input.dataset.limit);
            if (page.moveOnFull && event.inputType?.startsWith('insert') && limit && input.value.length >= limit &&
                input.selectionStart === input.value.length && index + 1 < state.inputs.length) {
                const next = state.inputs[index + 1];
                next.focus();
                next.select();
            }
        });
        // What the page writes changes the number too (a listed row, a country...).
        input.addEventListener('written', () => {
            if (this.states[this.current] === state) this.setStatus('');
        });
        input.addEventListener('keydown', (event) => {
            if (undoKey(event)) {
                event.preventDefault();
                if (this.states[this.current] === state) this.setStatus('');
                return;
            }
            if (page.moveOnFull && event.key === 'Backspace' && index > 0 && input.selectionStart === 0 && input.selectionEnd === 0) {
                event.preventDefault();
                const previous = state.inputs[index - 1];
                previous.focus();
                previous.setSelectionRange(previous.value.length, previous.value.length);
            }
            if (state.countries && index === 0 && event.key === 'ArrowDown') {
                event.preventDefault();
                this.openCountries(state);
            }
        });
        input.addEventListener('blur', () => {
            // Leaving for another control of the page, not for another window.
            if (document.hasFocus()) this.fieldExit(state, index);
        });
        input.addEventListener('mousedown', () => this.hideCountries(state));
    }

    // Whether a paste into field `index` spreads over all the fields: a whole
    // number (the engine's SplitWhole), or on the VIN and CIP pages more
    // characters of a number than the box holds.
    pastesWhole(state, text, index) {
        if (this.kindOf(state).splitWhole(text)) return true;
        const limit = Number(state.inputs[index].dataset.limit);
        return Boolean(state.page.spreadsLong && limit && this.engine.module.numberCharacters(text).length > limit);
    }

    // A whole number spread over the page's fields, as the kind splits it;
    // each field takes no more than can be typed into it.
    fillWhole(state, text) {
        const fields = this.kindOf(state).split(capitals(text));
        state.inputs.forEach((field, i) => {
            const limit = Number(field.dataset.limit);
            writeField(field, limit ? (fields[i] ?? '').slice(0, limit) : fields[i] ?? '');
        });
        this.hideCountries(state);
    }

    // The field's exit normalisation.
    fieldExit(state, index) {
        const input = state.inputs[index];
        writeField(input, this.kindOf(state).formatField(index, input.value));
        this.followGuides(state);
    }

    // ---- tabs

    select(index, { focusTab = true } = {}) {
        if (index < 0 || index >= this.states.length) return;
        const before = this.current;
        this.current = index;
        this.states.forEach((state, i) => {
            const on = i === index;
            state.tab.setAttribute('aria-selected', on ? 'true' : 'false');
            state.tab.tabIndex = on ? 0 : -1;
            state.panel.hidden = !on;
        });
        if (focusTab) this.states[index].tab.focus();
        if (before !== index) this.setStatus('');
        this.layoutGuides(this.states[index]);
        this.updateListActions();
        this.states[index].list.refreshNow?.();
    }

    tabKey(event) {
        const count = this.states.length;
        let target = null;
        if (event.key === 'ArrowRight' || event.key === 'ArrowDown') target = (this.current + 1) % count;
        else if (event.key === 'ArrowLeft' || event.key === 'ArrowUp') target = (this.current + count - 1) % count;
        else if (event.key === 'Home') target = 0;
        else if (event.key === 'End') target = count - 1;
        if (target === null) return;
        event.preventDefault();
        this.select(target);
    }

    // ---- the parts named under the number

    // Shows one set of parts; each field is described by the parts it holds, in order.
    chooseGuides(state, index) {
        if (!state.guideSets || state.guideSet === index) return;
        state.guideSet = index;
        state.guideParts = state.guideSets[index];
        state.guideSets.forEach((set, i) => {
            for (const guide of set) {
                guide.text.hidden = i !== index;
                guide.line.hidden = i !== index;
            }
        });
        state.inputs.forEach((input, i) => {
            const ids = state.guideParts.filter((g) => g.field === i).map((g) => g.id);
            if (ids.length) input.setAttribute('aria-describedby', ids.join(' '));
        });
        this.layoutGuides(state);
    }

    // The set of parts that fits the number the fields show.
    followGuides(state) {
        if (state.page.guideSet) this.chooseGuides(state, state.page.guideSet(this.values(state)));
    }

    // Every part gets a line down from the middle of its characters and its
    // name beside the line's foot; the rightmost part comes first, so that no
    // name lies over the line of another.
    layoutGuides(state) {
        if (!state?.guideParts || state.panel.hidden || state.guides.hidden) return;
        const box = state.guides.getBoundingClientRect();
        const charWidth = state.measure.getBoundingClientRect().width / 10;
        const rowHeight = 22;
        const placed = state.guideParts.map((guide) => {
            const input = state.inputs[guide.field];
            const rect = input.getBoundingClientRect();
            const style = getComputedStyle(input);
            const left = rect.left - box.left + parseFloat(style.borderLeftWidth) + parseFloat(style.paddingLeft);
            return { guide, x: Math.round(left + guide.column * charWidth) };
        });
        placed.sort((a, b) => b.x - a.x);
        placed.forEach(({ guide, x }, row) => {
            const middle = row * rowHeight + rowHeight / 2 + 2;
            guide.line.style.left = `${x}px`;
            guide.line.style.height = `${middle}px`;
            guide.text.style.left = `${x + 8}px`;
            guide.text.style.top = `${middle - 9}px`;
        });
        state.guides.style.height = `${placed.length * rowHeight + 6}px`;
    }

    showGuides(state, visible) {
        state.guides.hidden = !visible;
        if (visible) this.layoutGuides(state);
    }

    // At the end of "Calcule": the list exactly when a search ran, the guides exactly when not.
    showOutcome(state, searchRan) {
        state.list.hidden = !searchRan;
        this.showGuides(state, !searchRan);
        if (searchRan) state.list.refreshNow();
        this.updateListActions();
    }

    // ---- the candidate list

    wireList(state) {
        const list = state.list;
        const click = state.page.click ?? { format: true, calcule: true };
        list.addEventListener('rowclick', (event) => this.listClick(state, event.detail.index));
        list.addEventListener('rowdblclick', () => {
            if (click.calcule) this.calcule();
        });
        list.addEventListener('activate', () => this.calcule());
        list.addEventListener('keydown', (event) => {
            if ((event.ctrlKey || event.metaKey) && event.key.toLowerCase() === 'c') {
                event.preventDefault();
                this.copySelected();
            }
        });
        list.addEventListener('rowclick', () => this.updateListActions());
    }

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
    }

    updateListActions() {
        const state = this.states[this.current];
        const shown = !state.list.hidden && state.list.rowCount > 0;
        this.copyButton.disabled = !shown || state.list.selectedIndex < 0;
        this.copyAllButton.disabled = !shown;
        this.saveButton.disabled = !shown;
    }

    async copySelected() {
        const state = this.states[this.current];
        const index = state.list.selectedIndex;
        if (state.list.hidden || index < 0) return;
        await copyText(printedRow(state.list.rowText(index), state.page.printedDropsBlankAt ?? -1));
    }

    async copyAll() {
        const state = this.states[this.current];
        if (state.list.hidden || !state.list.rowCount) return;
        const text = new TextDecoder().decode(state.list.source.lines({ dropBlankAt: state.page.printedDropsBlankAt ?? -1, lastBreak: false }));
        await copyText(text);
    }

    saveList() {
        const state = this.states[this.current];
        if (state.list.hidden || !state.list.rowCount) return;
        const blob = new Blob([state.list.source.lines({ dropBlankAt: state.page.printedDropsBlankAt ?? -1 })], { type: 'text/plain;charset=utf-8' });
        const url = URL.createObjectURL(blob);
        const link = element('a', { href: url, download: `ferrino-${state.page.kind}.txt`, className: 'offscreen' });
        document.body.append(link);
        link.click();
        link.remove();
        setTimeout(() => URL.revokeObjectURL(url), 60000);
    }

    // ---- the IBAN page's country list

    wireCountries(state) {
        const list = state.countries;
        list.setSource(new TextRows(this.engine.module.countryRows().map((row) => row.trimEnd())));
        list.addEventListener('rowclick', (event) => {
            if (state.choosingCountry) return;
            writeField(state.inputs[0], list.rowText(event.detail.index).slice(0, 2));
            if (event.detail.mouse) this.closeCountries(state);
        });
        list.addEventListener('activate', () => this.closeCountries(state));
        list.addEventListener('dblclick', () => this.closeCountries(state));
        list.addEventListener('keydown', (event) => {
            if (event.key === 'Escape') {
                event.preventDefault();
                event.stopPropagation();
                writeField(state.inputs[0], state.countryBefore ?? state.inputs[0].value);
                this.closeCountries(state);
            }
        });
        list.addEventListener('focusout', (event) => {
            if (!list.contains(event.relatedTarget) && event.relatedTarget !== state.countryButton) this.hideCountries(state);
        });
    }

    toggleCountries(state) {
        if (state.countries.hidden) this.openCountries(state);
        else this.closeCountries(state);
    }

    // Opens the list on the country of the field (the second row when it holds no known code).
    openCountries(state) {
        const list = state.countries;
        list.hidden = false;
        state.countryButton.setAttribute('aria-expanded', 'true');
        state.countryBefore = state.inputs[0].value;
        list.refreshNow();
        const code = capitals(state.inputs[0].value).trim().slice(0, 2);
        let row = 1;
        for (let i = 0; i < list.rowCount; ++i) {
            if (list.rowText(i).slice(0, 2) === code) {
                row = i;
                break;
            }
        }
        state.choosingCountry = true;
        list.selectRow(row);
        state.choosingCountry = false;
        list.focus();
    }

    // Closes the list; the focus goes to the BBAN.
    closeCountries(state) {
        this.hideCountries(state);
        state.inputs[2].focus();
    }

    hideCountries(state) {
        if (!state.countries || state.countries.hidden) return;
        state.countries.hidden = true;
        state.countryButton.setAttribute('aria-expanded', 'false');
    }

    // ---- "Calcule", the typing-error search, "Effacer", "Stop"

    setStatus(text) {
        this.status.textContent = text;
    }

    setBusy(busy) {
        document.body.dataset.busy = busy ? 'true' : 'false';
        this.closeButton.textContent = busy ? 'Stop' : 'Effacer';
        for (const state of this.states) state.list.setAttribute('aria-busy', busy && this.busyState?.state === state ? 'true' : 'false');
    }

    // The verdict line after "Calcule": the verdict on the number, or what the
    // search found when characters of the body are unknown.
    verdictText(verdict, searched) {
        if (verdict.key === 'unknowns') return searched;
        // A wrong key: the typing-error search may tell which slip made it.
        return verdict.key === 'wrong' ? `${verdict.text} ${TYPING_HINT}` : verdict.text;
    }

    calcule() {
        const state = this.states[this.current];
        const page = state.page;
        if (this.worker.running) this.worker.stop();
        const kind = this.kindOf(state);
        this.setStatus('');
        if (state.message) state.message.hidden = true;
        if (page.showGuidesFirst) this.showGuides(state, true);
        this.hideCountries(state);

        const reading = kind.read(this.values(state));
        this.write(state, reading.fields);
        this.followGuides(state);
        const verdict = kind.check(reading.fields);
        state.rows = new PackedRows();
        state.list.setSource(state.rows);
        state.list.hidden = true;

        if (reading.outcome === 'complete') {
            this.write(state, kind.complete(reading.fields));
            this.followGuides(state);
            this.setStatus(this.verdictText(verdict, ''));
            this.showOutcome(state, false);
        } else if (reading.outcome === 'search') {
            state.listType = state.select ? state.select.selectedIndex : null;
            this.runSearch(state, 'search', reading.fields, verdict);
        } else {
            this.setStatus(this.verdictText(verdict, ''));
            if (state.message) state.message.hidden = false;
            this.showOutcome(state, false);
        }
        // A typing-error search after this works on the number as read, until the fields change.
        state.typed = reading.fields;
        state.written = this.values(state);
    }

    // The numbers one typing slip away from the page's number (F3).
    typingErrors() {
        const state = this.states[this.current];
        if (this.worker.running) this.worker.stop();
        this.hideCountries(state);
        const now = this.values(state);
        const asTyped = state.written && state.written.every((text, i) => text === now[i]) ? state.typed : now;
        if (state.page.showGuidesFirst) this.showGuides(state, true);
        state.inputs.forEach((_, i) => this.fieldExit(state, i));
        const kind = this.kindOf(state);
        const reading = kind.read(asTyped);
        const verdict = kind.check(reading.fields);
        this.setStatus('');
        state.rows = new PackedRows();
        state.list.setSource(state.rows);
        state.list.hidden = true;
        if (verdict.valid || !verdict.wholeNumber) {
            this.setStatus(verdict.valid
                ? 'Clé correcte : aucune faute de frappe à corriger.'
                : 'Pour chercher les fautes de frappe, saisissez le numéro entier, clé comprise.');
            this.showOutcome(state, false);
            return;
        }
        state.listType = state.select ? state.select.selectedIndex : null;
        this.runSearch(state, 'corrections', reading.fields, null);
    }

    runSearch(state, op, fields, verdict) {
        const codeType = state.select ? state.select.selectedIndex : 1;
        const run = { state, op, shown: false };
        this.busyState = run;
        this.setBusy(true);
        state.list.setAttribute('aria-busy', 'true');
        this.worker.search({ op, kind: state.page.kind, codeType, fields },
            (bytes, ends) => {
                state.rows.append(bytes, ends);
                if (!run.shown) {
                    run.shown = true;
                    this.showOutcome(state, true);
                } else {
                    state.list.refresh();
                }
            },
            (result) => {
                if (this.busyState === run) this.busyState = null;
                this.setBusy(false);
                const count = state.rows.count;
                const module = this.engine.module;
                const searched = result.stopped || result.error
                    ? (op === 'corrections' ? module.correctionsText(count, true) : module.searchText(count, true))
                    : result.text;
                const text = result.error
                    ? `Erreur du moteur : ${result.error}`
                    : verdict ? this.verdictText(verdict, searched) : searched;
                this.setStatus(text);
                this.showOutcome(state, true);
            });
    }

    BitBtn2Click() {
        if (this.worker.running) {
            this.worker.stop();
            return;
        }
        this.clear();
    }

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
    }

    about() {
        this.aboutBox.showModal();
    }

    globalKey(event) {
        if (event.key === 'F3' && !event.ctrlKey && !event.altKey && !event.metaKey) {
            event.preventDefault();
            if (!this.aboutBox.open) this.typingErrors();
            return;
        }
        if (event.key !== 'Enter' || event.defaultPrevented || this.aboutBox.open) return;
        const target = event.target;
        const state = this.states[this.current];
        if (target === state.countries) return;
        // Enter in a number field or the code-type box asks for "Calcule"; on a button it presses that button.
        if ((target.tagName === 'INPUT' && target.classList.contains('number')) || target.tagName === 'SELECT') {
            event.preventDefault();
            if (target.tagName === 'INPUT') {
                const index = state.inputs.indexOf(target);
                if (index >= 0) this.fieldExit(state, index);
            }
            this.calcule();
        }
    }
}
