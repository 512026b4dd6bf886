// A candidate list: a single-selection list box that shows any number of rows
// (1.7 million after the largest searches) by drawing only those in view.
//
// The element scrolls a spacer as tall as the rows, up to a height every
// browser can scroll; beyond it a pixel of the scroll bar stands for more
// than a pixel of rows. Rows come from a source with `count` and `text(i)`
// (PackedRows, TextRows). Outside scripts read `rowCount` and `rowText(i)`.
//
// Events: "rowclick" when the selected row changes by mouse or keyboard (a
// click on the selected row counts too), "rowdblclick", "rowpress" on a
// mouse press over a row, "activate" on Enter.

import { TextRows } from './rows.js';

const MAX_SCROLL_HEIGHT = 8000000;

export class CandidateList extends HTMLElement {
    constructor() {
        super();
        this.source = new TextRows();
        this.selected = -1;
        this.rowHeight = 20;
        this.pool = [];
        this.built = false;
        this.frame = 0;
    }

    get rowCount() {
        return this.source.count;
    }

    rowText(index) {
        return this.source.text(index);
    }

    get selectedIndex() {
        return this.selected;
    }

    connectedCallback() {
        if (this.built) return;
        this.built = true;
        this.setAttribute('role', 'listbox');
        if (!this.hasAttribute('tabindex')) this.tabIndex = 0;
        this.view = document.createElement('div');
        this.view.className = 'list-view';
        this.inner = document.createElement('div');
        this.inner.className = 'list-rows';
        this.view.append(this.inner);
        this.spacer = document.createElement('div');
        this.spacer.className = 'list-spacer';
        this.spacer.setAttribute('aria-hidden', 'true');
        this.append(this.view, this.spacer);
        this.addEventListener('scroll', () => this.draw());
        this.addEventListener('mousedown', (event) => this.onPress(event));
        this.addEventListener('click', (event) => this.onClick(event));
        this.addEventListener('dblclick', (event) => {
            if (this.rowAt(event) >= 0) this.dispatchEvent(new CustomEvent('rowdblclick'));
        });
        this.addEventListener('keydown', (event) => this.onKey(event));
        new ResizeObserver(() => this.layout()).observe(this);
    }

    // A new source (or the same one grown): the list shows it from `keepTop` or from its first row.
    setSource(source, { keepPlace = false } = {}) {
        this.source = source;
        if (!keepPlace) {
            this.selected = -1;
            this.scrollTop = 0;
        }
        this.refresh();
    }

    // The rows grew: the scroll range and the rows in view follow.
    refresh() {
        if (this.frame) return;
        this.frame = requestAnimationFrame(() => {
            this.frame = 0;
            this.layout();
        });
    }

    // Right now, without waiting for the next frame.
    refreshNow() {
        if (this.frame) cancelAnimationFrame(this.frame);
        this.frame = 0;
        this.layout();
    }

    clear() {
        this.setSource(new TextRows());
    }

    // Rows wholly in view, at least one.
    rowsInView() {
        return Math.max(1, Math.floor(this.clientHeight / this.rowHeight));
    }

    layout() {
        if (!this.built) return;
        const probe = this.pool[0];
        if (probe && probe.offsetHeight) this.rowHeight = probe.offsetHeight;
        const viewHeight = this.clientHeight;
        const full = this.source.count * this.rowHeight;
        this.fullHeight = full;
        this.scrollHeightUsed = Math.min(full, MAX_SCROLL_HEIGHT);
        this.view.style.height = `${viewHeight}px`;
        this.spacer.style.height = `${Math.max(0, this.scrollHeightUsed - viewHeight)}px`;
        const needed = Math.ceil(viewHeight / this.rowHeight) + 1;
        while (this.pool.length < needed) {
            const row = document.createElement('div');
            row.className = 'list-row';
            row.setAttribute('role', 'option');
            row.id = `${this.id}-row${this.pool.length}`;
            this.inner.append(row);
            this.pool.push(row);
        }
        this.draw();
    }

    // Where the rows start, in pixels of the whole list, for a scroll position.
    rowsOffset() {
        const range = this.scrollHeightUsed - this.clientHeight;
        if (range <= 0) return 0;
        const fullRange = this.fullHeight - this.clientHeight;
        return fullRange === range ? this.scrollTop : (this.scrollTop * fullRange) / range;
    }

    scrollToOffset(offset) {
        const range = this.scrollHeightUsed - this.clientHeight;
        const fullRange = this.fullHeight - this.clientHeight;
        if (range <= 0 || fullRange <= 0) return;
        this.scrollTop = fullRange === range ? offset : (offset * range) / fullRange;
    }

    draw() {
        if (!this.built) return;
        const offset = this.rowsOffset();
        const top = Math.floor(offset / this.rowHeight);
        this.top = top;
        this.inner.style.transform = `translateY(${-(offset - top * this.rowHeight)}px)`;
        const count = this.source.count;
        let active = '';
        for (let i = 0; i < this.pool.length; ++i) {
            const row = this.pool[i];
            const index = top + i;
            if (index < count) {
                const text = this.source.text(index);
                if (row.textContent !== text) row.textContent = text;
                row.hidden = false;
                const selected = index === this.selected;
                row.classList.toggle('selected', selected);
                row.setAttribute('aria-selected', selected ? 'true' : 'false');
                row.setAttribute('aria-posinset', String(index + 1));
                row.setAttribute('aria-setsize', String(count));
                if (selected) active = row.id;
            } else {
                row.hidden = true;
            }
        }
        if (active) this.setAttribute('aria-activedescendant', active);
        else this.removeAttribute('aria-activedescendant');
    }

    // The row under a mouse event, or -1.
    rowAt(event) {
        const row = event.target.closest?.('.list-row');
        if (!row || row.parentNode !== this.inner) return -1;
        const index = this.top + this.pool.indexOf(row);
        return index < this.source.count ? index : -1;
    }

    // Selects a row and brings it into view, without the list click.
    selectRow(index) {
        const count = this.source.count;
        this.selected = count ? Math.max(-1, Math.min(index, count - 1)) : -1;
        if (this.selected >= 0) this.ensureVisible(this.selected);
        this.draw();
    }

    ensureVisible(index) {
        const offset = this.rowsOffset();
        const rowTop = index * this.rowHeight;
        const viewHeight = this.clientHeight;
        if (rowTop < offset) this.scrollToOffset(rowTop);
        else if (rowTop + this.rowHeight > offset + viewHeight) this.scrollToOffset(rowTop + this.rowHeight - viewHeight);
    }

    // Selects a row as a person does: the list click follows.
    choose(index, mouse = false) {
        this.selectRow(index);
        if (this.selected >= 0) this.dispatchEvent(new CustomEvent('rowclick', { detail: { index: this.selected, mouse } }));
    }

    onPress(event) {
        const index = this.rowAt(event);
        if (index >= 0 && event.button === 0) this.dispatchEvent(new CustomEvent('rowpress', { detail: { index } }));
    }

    onClick(event) {
        const index = this.rowAt(event);
        if (index >= 0) this.choose(index, true);
    }

    onKey(event) {
        if (event.altKey || event.metaKey) return;
        const count = this.source.count;
        const page = Math.max(1, this.rowsInView() - 1);
        const current = this.selected;
        let target = null;
        switch (event.key) {
            case 'ArrowDown': target = current < 0 ? 0 : current + 1; break;
            case 'ArrowUp': target = current < 0 ? 0 : current - 1; break;
            case 'PageDown': target = current < 0 ? 0 : current + page; break;
            case 'PageUp': target = current < 0 ? 0 : current - page; break;
            case 'Home': target = 0; break;
            case 'End': target = count - 1; break;
            case ' ':
                // Space chooses the current row again, as a click does.
                event.preventDefault();
                if (current >= 0) this.choose(current);
                return;
            case 'Enter':
                event.preventDefault();
                this.dispatchEvent(new CustomEvent('activate'));
                return;
            default: return;
        }
        if (event.ctrlKey && event.key !== 'Home' && event.key !== 'End') return;
        event.preventDefault();
        if (!count) return;
        target = Math.max(0, Math.min(count - 1, target));
        if (target !== current) this.choose(target);
    }
}

if (!customElements.get('ferrino-list')) customElements.define('ferrino-list', CandidateList);
