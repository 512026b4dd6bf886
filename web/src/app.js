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

// Where the browser tab keeps the fields between reloads: for its own
// session only (sessionStorage), never beyond it, since these are personal numbers.
const SESSION_KEY = 'ferrino.session';

// A running search shows its count found so far at most this often (ms).
const PROGRESS_MS = 150;
// A copy or a save works in slices of about this many milliseconds.
const SLICE_MS = 12;

// "1 679 616 candidats", "1 candidat", "0 candidat": one and zero take the singular.
function counted(module, count, one, many) {
    return `${module.frenchCount(count)} ${count > 1 ? many : one}`;
}

// The characters of a number in a field, its blanks and separators left out.
function numberLength(text) {
    return text.replace(/[\s\-./_\u200b-\u200f\u202a-\u202e\u2060-\u2064\ufeff]/g, '').length;
}

// `text` cut after its `limit`-th character of a number (see numberLength).
function fitNumber(text, limit) {
    let seen = 0;
    for (let i = 0; i < text.length; ++i) {
        if (numberLength(text[i])) ++seen;
        if (seen > limit) return text.slice(0, i);
    }
    return text;
}

// Gives the browser a moment to draw and to take events.
function nextTask() {
    return new Promise((resolve) => setTimeout(resolve, 0));
}

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

export class App {
    constructor(engine, { version = '', author = '' } = {}) {
        this.engine = engine;
        this.version = version;
        this.author = author;
        // Workers ready for a search; each running search holds one of its own.
        this.spareWorkers = [new SearchWorker()];
        this.states = [];
        this.current = 0;
        this.transfer = null;  // the copy or save under way
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
        // The page's own help, in this browser tab; it leads back here, where the fields wait.
        const help = element('a', { id: 'Btnhelp', href: 'Aide.htm', className: 'button', text: 'Aide' });
        const buttons = element('div', { className: 'buttons' },
            this.closeButton, this.calcButton, this.typosButton, this.aboutButton, help);

        this.status = element('p', { id: 'StatusBar1', role: 'status', 'aria-live': 'polite', 'aria-atomic': 'true', className: 'status' });
        root.append(this.tabs, panels, this.listActions, buttons, this.status);
        this.buildAbout();

        document.addEventListener('keydown', (event) => this.globalKey(event));
        window.addEventListener('resize', () => this.layoutGuides(this.states[this.current]));
        window.addEventListener('hashchange', () => {
            const index = this.tabOfAddress();
            if (index >= 0 && index !== this.current) this.select(index, { focusTab: false });
        });
        // Before a reload or a visit to the help: the fields and the tab, for this browser tab only.
        window.addEventListener('pagehide', () => this.saveSession());
        document.addEventListener('visibilitychange', () => {
            if (document.visibilityState === 'hidden') this.saveSession();
        });
        const saved = this.restoreSession();
        const addressed = this.tabOfAddress();
        const first = addressed >= 0 ? addressed : saved.tab;
        this.select(first, { focusTab: false });
        this.focusNumber(this.states[first]);
        this.setBusy();
    }

    // ---- the address and the browser tab's session

    // The tab the address names (#iban), or -1.
    tabOfAddress() {
        const name = decodeURIComponent(location.hash.slice(1)).toLowerCase();
        return name ? this.states.findIndex((state) => state.page.kind === name) : -1;
    }

    saveSession() {
        const fields = {};
        for (const state of this.states) {
            fields[state.page.kind] = this.values(state);
            if (state.select) fields[`${state.page.kind}.type`] = state.select.selectedIndex;
        }
        try {
            sessionStorage.setItem(SESSION_KEY, JSON.stringify({ tab: this.states[this.current].page.kind, fields }));
        } catch {
            // No storage here (turned off, or full): a reload starts afresh.
        }
    }

    // Puts back what saveSession kept; gives the tab it had.
    restoreSession() {
        let saved = null;
        try {
            saved = JSON.parse(sessionStorage.getItem(SESSION_KEY) ?? 'null');
        } catch {
            saved = null;
        }
        if (!saved || typeof saved !== 'object') return { tab: 0 };
        const fields = saved.fields ?? {};
        for (const state of this.states) {
            const kept = fields[state.page.kind];
            const type = fields[`${state.page.kind}.type`];
            if (state.select && Number.isInteger(type) && type >= 0 && type < state.select.options.length) state.select.selectedIndex = type;
            if (!Array.isArray(kept)) continue;
            state.inputs.forEach((input, i) => {
                if (typeof kept[i] === 'string') input.value = kept[i].slice(0, 200);
            });
            this.followGuides(state);
        }
        const tab = this.states.findIndex((state) => state.page.kind === saved.tab);
        return { tab: Math.max(0, tab) };
    }

    // The focus in the page's number field (the BBAN on the IBAN page), its caret at the end.
    focusNumber(state) {
        const input = state.inputs[state.page.numberField ?? 0];
        input.focus();
        const end = input.value.length;
        input.setSelectionRange(end, end);
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
        // statusText: the tab's own verdict line; search: its running search;
        // per field, the text before its last exit normalisation and what that wrote.
        const state = { page, index, tab, panel, inputs: [], rows: new PackedRows(), listType: null, typed: null, written: null,
            statusText: '', search: null, typedBeforeExit: [], writtenByExit: [] };

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
                spellcheck: 'false', inputmode: 'text', maxlength: (!field.blanksFree && field.limit) || null,
                'aria-label': multi ? field.part : null,
            });
            // As wide as the characters it holds (in the fixed-pitch font), never wider than the page.
            input.style.width = `calc(${field.size ?? (field.limit ? field.limit + 1 : 28)}ch + 14px)`;
            input.value = field.initial ?? '';
            input.dataset.limit = field.limit ?? 0;
            // The BBAN's limit counts the number's characters, not its blanks.
            if (field.blanksFree) input.dataset.blanksFree = 'true';
            this.wireField(state, input, i);
            this.wireLimits(state, input, i);
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

    // The fields as the user typed them: a field that still shows what its
    // exit normalisation wrote gives the text it had before, characters
    // beyond the number's length included, so that the verdict names what
    // was dropped.
    typedValues(state) {
        return state.inputs.map((input, i) =>
            state.writtenByExit[i] !== undefined && input.value === state.writtenByExit[i] ? state.typedBeforeExit[i] : input.value);
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
            state.writtenByExit[index] = undefined;
            if (input.value !== capitals(input.value)) {
                const { selectionStart, selectionEnd } = input;
                input.value = capitals(input.value);
                input.setSelectionRange(selectionStart, selectionEnd);
            }
            this.fieldChanged(state);
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
        input.addEventListener('written', () => this.fieldChanged(state));
        input.addEventListener('keydown', (event) => {
            if (undoKey(event)) {
                event.preventDefault();
                this.fieldChanged(state);
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

    // A field of the tab changed: its verdict spoke of another number. (A
    // running search's progress line stays; its end says what it found.)
    fieldChanged(state) {
        if (!state.search) this.setStatus('', state);
    }

    // Whether a paste into field `index` spreads over all the fields: a whole
    // number (the engine's SplitWhole), or on the VIN and CIP pages more
    // characters of a number than the box holds.
    pastesWhole(state, text, index) {
        if (this.kindOf(state).splitWhole(text)) return true;
        const limit = Number(state.inputs[index].dataset.limit);
        return Boolean(state.page.spreadsLong && limit && this.engine.module.numberCharacters(text).length > limit);
    }

    // What a field holds at most, beyond its maxlength: a BBAN of at most 30
    // characters whatever its blanks; an IBAN country field of two letters, or
    // the start of a whole IBAN typed there (which then fills the three fields).
    wireLimits(state, input, index) {
        const limit = Number(input.dataset.limit);
        const blanksFree = input.dataset.blanksFree === 'true';
        const country = Boolean(state.page.countries) && index === 0;
        if (!blanksFree && !country) return;
        input.addEventListener('beforeinput', (event) => {
            if (!blanksFree || event.defaultPrevented || !event.inputType.startsWith('insert') || typeof event.data !== 'string') return;
            const { value, selectionStart, selectionEnd } = input;
            const room = limit - numberLength(value.slice(0, selectionStart) + value.slice(selectionEnd));
            const fitted = fitNumber(event.data, Math.max(0, room));
            if (fitted === event.data) return;
            event.preventDefault();
            if (fitted) document.execCommand('insertText', false, fitted);
        });
        input.addEventListener('input', () => {
            if (blanksFree && numberLength(input.value) > limit) input.value = fitNumber(input.value, limit);
            // Two letters, then at most the key of an IBAN on its way.
            if (country && input.value.length > 2 && !/^[A-Z]{2}[\s.-]*([0-9?*][\s.-]*){0,2}$/.test(input.value)) {
                input.value = input.value.slice(0, 2);
            }
        });
    }

    // The country field left with more than its two letters (an IBAN's start
    // typed there): the key's characters go into the key field.
    spillCountry(state) {
        const [country, key] = state.inputs;
        if (country.value.length <= 2) return;
        const rest = country.value.slice(2).replace(/[\s.-]/g, '');
        writeField(country, country.value.slice(0, 2));
        if (rest) writeField(key, rest.slice(0, 2));
    }

    // A whole number spread over the page's fields, as the kind splits it;
    // each field takes no more than can be typed into it.
    fillWhole(state, text) {
        const fields = this.kindOf(state).split(capitals(text));
        state.inputs.forEach((field, i) => {
            const limit = Number(field.dataset.limit);
            const text = fields[i] ?? '';
            writeField(field, !limit ? text : field.dataset.blanksFree ? fitNumber(text, limit) : text.slice(0, limit));
        });
        this.hideCountries(state);
    }

    // The field's exit normalisation.
    fieldExit(state, index) {
        if (state.countries && index === 0) this.spillCountry(state);
        const input = state.inputs[index];
        const shown = this.kindOf(state).formatField(index, input.value);
        // Leaving a field again keeps what was typed before it was first laid out.
        if (state.writtenByExit[index] === undefined || input.value !== state.writtenByExit[index]) {
            state.typedBeforeExit[index] = input.value;
            state.writtenByExit[index] = shown;
        }
        writeField(input, shown);
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
        // Each tab keeps its own verdict line (and its list, in its panel).
        if (before !== index) this.showStatus();
        const name = `#${this.states[index].page.kind}`;
        if (location.hash !== name) history.replaceState(null, '', name);
        this.setBusy();
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
        const room = state.guides.clientWidth;
        placed.forEach(({ guide, x }, row) => {
            const middle = row * rowHeight + rowHeight / 2 + 2;
            // A name too long for the room right of its line (a phone's
            // narrow screen) goes left of it: never cut, never scrolled to.
            const width = guide.text.offsetWidth;
            const left = x + 8 + width > room && x - 8 - width >= 0;
            guide.line.classList.toggle('left', left);
            guide.text.classList.toggle('left', left);
            guide.line.style.left = `${x}px`;
            guide.line.style.height = `${middle}px`;
            guide.text.style.left = `${left ? x - 8 - width : Math.max(0, Math.min(x + 8, room - width))}px`;
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
        this.copyAllButton.disabled = !shown || Boolean(this.transfer);
        this.saveButton.disabled = !shown || Boolean(this.transfer);
    }

    async copySelected() {
        const state = this.states[this.current];
        const index = state.list.selectedIndex;
        if (state.list.hidden || index < 0) return;
        if (await copyText(printedRow(state.list.rowText(index), state.page.printedDropsBlankAt ?? -1)))
            this.setStatus(this.linesText(1, 'copiée', 'copiées'), state);
    }

    // "1 679 616 lignes copiées."
    linesText(count, one, many) {
        return `${counted(this.engine.module, count, 'ligne', 'lignes')} ${count > 1 ? many : one}.`;
    }

    // The list's rows in the form of a copy or a file, built in slices so that
    // the page stays alive, with a progress line: the slices' bytes, or (`asText`)
    // their text; null when stopped (Escape).
    async printedList(state, action, asText = false) {
        const source = state.list.source;
        const options = { dropBlankAt: state.page.printedDropsBlankAt ?? -1 };
        const count = source.count;
        const transfer = { state, stopped: false };
        this.transfer = transfer;
        this.updateListActions();
        const parts = [];
        // The bytes of each slice end with whole rows: each decodes alone.
        const decoder = new TextDecoder();
        try {
            let sliceStart = performance.now();
            let done = 0;
            for (const piece of source.slices(options)) {
                parts.push(asText ? decoder.decode(piece.bytes) : piece.bytes);
                done = piece.end;
                if (performance.now() - sliceStart < SLICE_MS) continue;
                this.setStatus(`${action} : ${Math.floor((100 * done) / count)} %…`, state, true);
                await nextTask();
                if (transfer.stopped) return null;
                sliceStart = performance.now();
            }
            return { parts, count };
        } finally {
            this.transfer = null;
            this.updateListActions();
        }
    }

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
    }

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

    // A tab's verdict line (the shown tab's by default); shown when its tab
    // is. A line that changes while work goes on (`busy`) is marked so that
    // screen readers wait for the end.
    setStatus(text, state = this.states[this.current], busy = false) {
        state.statusText = text;
        state.statusBusy = busy;
        if (state === this.states[this.current]) this.showStatus();
    }

    showStatus() {
        const state = this.states[this.current];
        this.status.setAttribute('aria-busy', state.statusBusy ? 'true' : 'false');
        if (this.status.textContent !== state.statusText) this.status.textContent = state.statusText;
    }

    // "Stop" and the busy mark follow the shown tab's search.
    setBusy() {
        const busy = Boolean(this.states[this.current].search);
        document.body.dataset.busy = busy ? 'true' : 'false';
        this.closeButton.textContent = busy ? 'Stop' : 'Effacer';
        for (const state of this.states) state.list.setAttribute('aria-busy', state.search ? 'true' : 'false');
    }

    // Ends the tab's running search; its rows stay.
    stopSearch(state) {
        state.search?.worker.stop();
    }

    // The verdict line after "Calcule": the verdict on the number, or what the
    // search found when characters of the body are unknown, followed by why
    // nothing could be found, if so.
    verdictText(verdict, searched) {
        if (verdict.key === 'unknowns') return verdict.text ? `${searched} ${verdict.text}` : searched;
        // A wrong key: the typing-error search may tell which slip made it.
        return verdict.key === 'wrong' ? `${verdict.text} ${TYPING_HINT}` : verdict.text;
    }

    calcule() {
        const state = this.states[this.current];
        const page = state.page;
        this.stopSearch(state);
        const kind = this.kindOf(state);
        this.setStatus('');
        if (state.message) state.message.hidden = true;
        if (page.showGuidesFirst) this.showGuides(state, true);
        this.hideCountries(state);

        const typed = this.typedValues(state);
        const reading = kind.read(typed);
        this.write(state, reading.fields);
        this.followGuides(state);
        const verdict = kind.check(typed);
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
        state.typed = typed;
        state.written = this.values(state);
    }

    // The numbers one typing slip away from the page's number (F3).
    typingErrors() {
        const state = this.states[this.current];
        this.stopSearch(state);
        this.hideCountries(state);
        const now = this.values(state);
        const asTyped = state.written && state.written.every((text, i) => text === now[i]) ? state.typed : this.typedValues(state);
        if (state.page.showGuidesFirst) this.showGuides(state, true);
        state.inputs.forEach((_, i) => this.fieldExit(state, i));
        const kind = this.kindOf(state);
        const verdict = kind.check(asTyped);
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
        this.runSearch(state, 'corrections', asTyped, null);
    }

    runSearch(state, op, fields, verdict) {
        const codeType = state.select ? state.select.selectedIndex : 1;
        const module = this.engine.module;
        const worker = this.spareWorkers.pop() ?? new SearchWorker();
        const run = { state, op, worker, shown: false, progressAt: 0 };
        state.search = run;
        this.setBusy();
        const [one, many] = op === 'corrections' ? ['correction trouvée', 'corrections trouvées'] : ['candidat trouvé', 'candidats trouvés'];
        const progress = () => this.setStatus(`Recherche en cours : ${counted(module, state.rows.count, one, many)}…`, state, true);
        progress();
        worker.search({ op, kind: state.page.kind, codeType, fields },
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
                const count = state.rows.count;
                const searched = result.stopped || result.error
                    ? (op === 'corrections' ? module.correctionsText(count, true) : module.searchText(count, true))
                    : result.text;
                const text = result.error
                    ? `Erreur du moteur : ${result.error}`
                    : verdict ? this.verdictText(verdict, searched) : searched;
                this.setStatus(text, state);
                this.showOutcome(state, true);
            });
    }

    BitBtn2Click() {
        const state = this.states[this.current];
        if (state.search) {
            this.stopSearch(state);
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
        // Escape stops the shown tab's search, or a copy or save under way.
        if (event.key === 'Escape' && !event.defaultPrevented && !this.aboutBox.open) {
            const state = this.states[this.current];
            if (state.search || this.transfer) {
                event.preventDefault();
                this.stopSearch(state);
                if (this.transfer) this.transfer.stopped = true;
                return;
            }
        }
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
