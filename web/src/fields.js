// The number fields of a tab: typing (capitals), undo and redo of what the
// page writes, the limits of the IBAN fields, pasting a whole number over
// every field, and the exit normalisation with the memory of what was typed
// before it. What is a character of the number and how a whole number splits
// into the fields is the engine's (numberCharacters, Kind.splitWhole).

import { capitals } from './text.js';

// The text a program write puts into a field, kept so that Ctrl+Z brings back
// what was typed (and Ctrl+Shift+Z or Ctrl+Y writes it again).
export function writeField(input, text) {
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

// `text` cut after its `limit`-th character of the number (separators do not count).
function fitNumber(module, text, limit) {
    let seen = 0;
    let at = 0;
    for (const c of text) {
        if (module.numberCharacters(c).length) ++seen;
        if (seen > limit) return text.slice(0, at);
        at += c.length;
    }
    return text;
}

export const FieldMethods = {
    kindOf(state) {
        const codeType = state.select ? state.select.selectedIndex : 1;
        return this.engine.kind(state.page.kind, codeType);
    },

    values(state) {
        return state.inputs.map((input) => input.value);
    },

    // The fields as the user typed them: a field that still shows what its
    // exit normalisation wrote gives the text it had before, characters
    // beyond the number's length included, so that the verdict names what
    // was dropped.
    typedValues(state) {
        return state.inputs.map((input, i) =>
            state.writtenByExit[i] !== undefined && input.value === state.writtenByExit[i] ? state.typedBeforeExit[i] : input.value);
    },

    write(state, fields, indices = fields.map((_, i) => i)) {
        for (const i of indices) if (i < state.inputs.length && fields[i] !== undefined) writeField(state.inputs[i], fields[i]);
    },

    // The focus in the page's number field (the BBAN on the IBAN page), its caret at the end.
    focusNumber(state) {
        const input = state.inputs[state.page.numberField ?? 0];
        input.focus();
        const end = input.value.length;
        input.setSelectionRange(end, end);
    },

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
            const spread = state.inputs.length > 1 && this.pastedFields(state, text, index);
            if (spread) {
                this.fillFields(state, spread);
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
            // IBAN: a whole number typed into the country field fills the
            // three fields, with its characters as typed (the BBAN is laid
            // out when it is left, as the user goes on typing there).
            const kind = this.kindOf(state);
            if (state.countries && index === 0 && input.value.length > 2 && kind.splitWhole(input.value)) {
                this.fillFields(state, kind.split(input.value));
                this.focusNumber(state);
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
    },

    // A field of the tab changed: its verdict and details spoke of another
    // number. (A running search's progress line stays; its end says what it found.)
    fieldChanged(state) {
        if (!state.search) this.setStatus('', state);
        this.showDetails(state, []);
    },

    // The fields a paste into field `index` spreads over all the fields, or
    // null: a whole number (the engine's SplitWhole), or on the VIN and CIP
    // pages more characters of a number than the box holds (split from the first box).
    pastedFields(state, text, index) {
        const kind = this.kindOf(state);
        const whole = kind.splitWhole(text);
        if (whole) return whole;
        const limit = Number(state.inputs[index].dataset.limit);
        const long = state.page.spreadsLong && limit && this.engine.module.numberCharacters(text).length > limit;
        return long ? kind.split(capitals(text)) : null;
    },

    // What a field holds at most, beyond its maxlength: a BBAN of at most 30
    // characters whatever its blanks; an IBAN country field of two letters, or
    // the start of a whole IBAN typed there (which then fills the three fields).
    wireLimits(state, input, index) {
        const module = this.engine.module;
        const limit = Number(input.dataset.limit);
        const blanksFree = input.dataset.blanksFree === 'true';
        const country = Boolean(state.page.countries) && index === 0;
        if (!blanksFree && !country) return;
        const length = (text) => module.numberCharacters(text).length;
        input.addEventListener('beforeinput', (event) => {
            if (!blanksFree || event.defaultPrevented || !event.inputType.startsWith('insert') || typeof event.data !== 'string') return;
            const { value, selectionStart, selectionEnd } = input;
            const room = limit - length(value.slice(0, selectionStart) + value.slice(selectionEnd));
            const fitted = fitNumber(module, event.data, Math.max(0, room));
            if (fitted === event.data) return;
            event.preventDefault();
            if (fitted) document.execCommand('insertText', false, fitted);
        });
        input.addEventListener('input', () => {
            if (blanksFree && length(input.value) > limit) input.value = fitNumber(module, input.value, limit);
            // Two letters, then at most the key of an IBAN on its way.
            const value = input.value;
            if (country && value.length > 2 && !(/^[A-Z]{2}$/.test(value.slice(0, 2)) && /^[0-9?]{0,2}$/.test(module.numberCharacters(value.slice(2)))))
                input.value = value.slice(0, 2);
        });
    },

    // The country field left with more than its two letters (an IBAN's start
    // typed there): the key's characters go into the key field.
    spillCountry(state) {
        const [country, key] = state.inputs;
        if (country.value.length <= 2) return;
        const rest = this.engine.module.numberCharacters(country.value.slice(2));
        writeField(country, country.value.slice(0, 2));
        if (rest) writeField(key, rest.slice(0, 2));
    },

    // The fields of a pasted number written into the page's fields; each
    // takes no more than can be typed into it.
    fillFields(state, fields) {
        const module = this.engine.module;
        state.inputs.forEach((field, i) => {
            const limit = Number(field.dataset.limit);
            const text = fields[i] ?? '';
            writeField(field, !limit ? text : field.dataset.blanksFree ? fitNumber(module, text, limit) : text.slice(0, limit));
        });
        this.hideCountries(state);
    },

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
    },
};
