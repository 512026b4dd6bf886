// The IBAN page's country list (LB_iban1), opened by ABtn_iban or Down in
// the country field: choosing a row writes its code into the field; Escape
// puts back the code the field had.

import { TextRows } from './rows.js';
import { capitals } from './text.js';
import { writeField } from './fields.js';

export const CountryMethods = {
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
    },

    toggleCountries(state) {
        if (state.countries.hidden) this.openCountries(state);
        else this.closeCountries(state);
    },

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
    },

    // Closes the list; the focus goes to the BBAN.
    closeCountries(state) {
        this.hideCountries(state);
        state.inputs[2].focus();
    },

    hideCountries(state) {
        if (!state.countries || state.countries.hidden) return;
        state.countries.hidden = true;
        state.countryButton.setAttribute('aria-expanded', 'false');
    },
};
