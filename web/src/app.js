// The page: a tab per kind of number, its fields, the parts named under
// them, the candidate list, the details, the common buttons and the verdict
// line. This file builds it and runs the tabs and the keyboard; the rest is
// by concern: fields.js (typing, undo, limits, pasting), session.js
// ("Calcule", the typing-error search, its worker), candidates.js (the list,
// copy and save), countries.js, guides.js, details.js, storage.js (the
// address and the browser tab's session), about.js. Every answer comes from
// the engine (engine.js).

import { PAGES } from './pages.js';
import { PackedRows } from './rows.js';
import { SearchWorker } from './engine.js';
import { element } from './dom.js';
import { FieldMethods } from './fields.js';
import { GuideMethods } from './guides.js';
import { StorageMethods } from './storage.js';
import { AboutMethods } from './about.js';
import { CountryMethods } from './countries.js';
import { CandidateMethods } from './candidates.js';
import { DetailMethods } from './details.js';
import { SessionMethods } from './session.js';

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
        // session: the tab's session in the engine; statusText: its verdict
        // line; search: its running search; per field, the text before its
        // last exit normalisation and what that wrote.
        const state = { page, index, tab, panel, inputs: [], rows: new PackedRows(), listType: null,
            session: new this.engine.module.Session(), statusText: '', search: null, typedBeforeExit: [], writtenByExit: [] };

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
            state.message = element('p', { id: page.tooMany, className: 'too-many', role: 'alert', hidden: true,
                text: this.engine.module.tooManyMessage() });
            panel.append(state.message);
        }

        const area = element('div', { className: 'area' });
        this.buildGuides(state);
        state.list = element('ferrino-list', { id: page.list, 'aria-label': 'Candidats', className: 'candidates', hidden: true });
        this.wireList(state);
        area.append(state.guides, state.list);
        if (page.countries) {
            state.countries = element('ferrino-list', { id: page.countries, 'aria-label': 'Pays', className: 'countries', hidden: true });
            area.append(state.countries);
            this.wireCountries(state);
        }
        panel.append(area, this.buildDetails(state));
        new ResizeObserver(() => this.layoutGuides(state)).observe(panel);
        return state;
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

Object.assign(App.prototype, FieldMethods, GuideMethods, StorageMethods, AboutMethods, CountryMethods, CandidateMethods,
    DetailMethods, SessionMethods);
