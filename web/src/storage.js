// The address and the browser tab's session: the address names the shown tab
// (index.html#iban), and the fields and the tab are kept in sessionStorage
// when the page is left (a reload, the help), for this browser tab only;
// never in localStorage, since these are personal numbers.

const STORAGE_KEY = 'ferrino.session';

export const StorageMethods = {
    // The tab the address names (#iban), or -1.
    tabOfAddress() {
        const name = decodeURIComponent(location.hash.slice(1)).toLowerCase();
        return name ? this.states.findIndex((state) => state.page.kind === name) : -1;
    },

    saveSession() {
        const fields = {};
        for (const state of this.states) {
            fields[state.page.kind] = this.values(state);
            if (state.select) fields[`${state.page.kind}.type`] = state.select.selectedIndex;
        }
        try {
            sessionStorage.setItem(STORAGE_KEY, JSON.stringify({ tab: this.states[this.current].page.kind, fields }));
        } catch {
            // No storage here (turned off, or full): a reload starts afresh.
        }
    },

    // Puts back what saveSession kept; gives the tab it had.
    restoreSession() {
        let saved = null;
        try {
            saved = JSON.parse(sessionStorage.getItem(STORAGE_KEY) ?? 'null');
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
    },
};
