// The rows of a candidate list as the search worker hands them over: batches
// of packed bytes, the rows back to back, with the end of each row counted
// from the start of its batch. 1.7 million rows cost their characters and
// four bytes each, not a JavaScript string apiece.

import { decodeBytes } from './text.js';

export class PackedRows {
    constructor() {
        this.clear();
    }

    clear() {
        this.batches = [];  // {bytes: Uint8Array, ends: Uint32Array, first: row index}
        this.count = 0;
        this.characters = 0;
    }

    // Adds a batch; `ends` counts from the start of `bytes`.
    append(bytes, ends) {
        if (!ends.length) return;
        this.batches.push({ bytes, ends, first: this.count });
        this.count += ends.length;
        this.characters += ends[ends.length - 1];
    }

    // The batch holding row `index`.
    batchOf(index) {
        const batches = this.batches;
        let low = 0;
        let high = batches.length - 1;
        while (low < high) {
            const middle = (low + high + 1) >> 1;
            if (batches[middle].first <= index) low = middle;
            else high = middle - 1;
        }
        return batches[low];
    }

    text(index) {
        if (!(index >= 0 && index < this.count)) return '';
        const batch = this.batchOf(index);
        const i = index - batch.first;
        return decodeBytes(batch.bytes, i ? batch.ends[i - 1] : 0, batch.ends[i]);
    }

    // The rows as lines of UTF-8 text, in the form a copy or a file gives
    // them: no blanks at the end of a line, and, where `dropBlankAt` is a
    // column, the blank there left out (the IBAN page's printed form,
    // "FR76 3000 …", as AppendPrintedIbanRow in keys/iban/Iban.h). A line
    // break after every row, or (`lastBreak` false) between rows only.
    lines({ dropBlankAt = -1, lastBreak = true } = {}) {
        const out = new Uint8Array(this.characters + this.count);
        let at = 0;
        let foreign = false;
        for (const { bytes, ends } of this.batches) {
            let begin = 0;
            for (let i = 0; i < ends.length; ++i) {
                let end = ends[i];
                const next = end;
                while (end > begin && bytes[end - 1] === 32) --end;
                const dropped = dropBlankAt >= 0 && begin + dropBlankAt < end && bytes[begin + dropBlankAt] === 32 ? begin + dropBlankAt : -1;
                for (let j = begin; j < end; ++j) if (j !== dropped) out[at++] = bytes[j];
                out[at++] = 10;
                begin = next;
            }
            if (!foreign) for (let i = 0; i < bytes.length; ++i) if (bytes[i] >= 0x80) { foreign = true; break; }
        }
        if (!lastBreak && at > 0) --at;
        const text = out.subarray(0, at);
        // A character the engine could not read shows as U+FFFD: three bytes in UTF-8.
        return foreign ? new TextEncoder().encode(decodeBytes(text)) : text;
    }
}

// One row in the form of lines() (see there).
export function printedRow(text, dropBlankAt = -1) {
    const trimmed = text.replace(/ +$/, '');
    return dropBlankAt >= 0 && trimmed[dropBlankAt] === ' ' ? trimmed.slice(0, dropBlankAt) + trimmed.slice(dropBlankAt + 1) : trimmed;
}

// A fixed list of texts (the IBAN page's countries) behind the same reading.
export class TextRows {
    constructor(texts = []) {
        this.texts = texts;
    }
    get count() {
        return this.texts.length;
    }
    text(index) {
        return this.texts[index] ?? '';
    }
    lines({ dropBlankAt = -1, lastBreak = true } = {}) {
        const text = this.texts.map((t) => printedRow(t, dropBlankAt)).join('\n');
        return new TextEncoder().encode(lastBreak && this.texts.length ? `${text}\n` : text);
    }
}
