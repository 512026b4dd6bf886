// The parts of a number named under its fields: a line down from the middle
// of each part's characters to its name, the rightmost part first, so that
// no name lies over the line of another. A page may have several sets of
// parts (AVS: the old number and the current one); the engine says which
// one the fields hold (pages.js, guideSet).

import { element } from './dom.js';

export const GuideMethods = {
    // The guides of a tab's page, built into `state.guides`.
    buildGuides(state) {
        const page = state.page;
        state.guides = element('div', { className: 'guides', 'aria-hidden': 'false' });
        if (!page.guides) return;
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
    },

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
    },

    // The set of parts that fits the number the fields show.
    followGuides(state) {
        if (state.page.guideSet) this.chooseGuides(state, state.page.guideSet(this.values(state), this.engine.module));
    },

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
    },

    showGuides(state, visible) {
        state.guides.hidden = !visible;
        if (visible) this.layoutGuides(state);
    },

    // At the end of "Calcule": the list exactly when a search ran, the guides exactly when not.
    showOutcome(state, searchRan) {
        state.list.hidden = !searchRan;
        this.showGuides(state, !searchRan);
        if (searchRan) state.list.refreshNow();
        this.updateListActions();
    },
};
