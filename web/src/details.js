// What a whole number says of itself (the engine's details: its parts, where
// it comes from...), shown under the tab's number after "Calcule" leaves a
// whole number, and for the current row of its list. A region of its own,
// below the list, that covers no control: a heading and a definition list,
// read politely by screen readers, hidden while there is nothing to say.

import { element } from './dom.js';

export const DetailMethods = {
    buildDetails(state) {
        const id = `${state.page.tab}_details`;
        state.detailsList = element('dl');
        state.details = element('section', { id, className: 'details', 'aria-labelledby': `${id}_title`, hidden: true },
            element('h2', { id: `${id}_title`, text: 'Ce que dit le numéro' }), state.detailsList);
        // The live region stays in place; its content comes and goes.
        return element('div', { className: 'details-live', 'aria-live': 'polite' }, state.details);
    },

    // Shows [{label, value}...] for the tab's number; nothing hides the region.
    showDetails(state, details) {
        const pairs = details.flatMap(({ label, value }) => [element('dt', { text: label }), element('dd', { text: value })]);
        if (!pairs.length && state.details.hidden) return;
        state.detailsList.replaceChildren(...pairs);
        state.details.hidden = !pairs.length;
    },
};
