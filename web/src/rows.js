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
        const pieces = [...this.slices({ dropBlankAt })];
        const out = new Uint8Array(pieces.reduce((sum, piece) => sum + piece.bytes.length, 0));
        let at = 0;
        for (const { bytes } of pieces) {
            out.set(bytes, at);
            at += bytes.length;
        }
        return !lastBreak && at > 0 ? out.subarray(0, at - 1) : out;
    }

    // The same lines (a break after every row) in pieces of at most `rows`
    // rows, each {bytes, end: the rows given so far}: what a copy or a save
    // takes a slice at a time.
    * slices({ dropBlankAt = -1, rows = 16384 } = {}) {
        const count = this.count;
        for (const { bytes, ends, first } of this.batches) {
            if (first >= count) break;
            for (let from = 0; from < ends.length; from += rows) {
                const to = Math.min(ends.length, from + rows);
                let begin = from ? ends[from - 1] : 0;
                const out = new Uint8Array(ends[to - 1] - begin + (to - from));
                let at = 0;
                let foreign = false;
                for (let i = from; i < to; ++i) {
                    let end = ends[i];
                    const next = end;
                    while (end > begin && bytes[end - 1] === 32) --end;
                    const dropped = dropBlankAt >= 0 && begin + dropBlankAt < end && bytes[begin + dropBlankAt] === 32 ? begin + dropBlankAt : -1;
                    for (let j = begin; j < end; ++j) {
                        if (j === dropped) continue;
                        const byte = bytes[j];
                        if (byte >= 0x80) foreign = true;
                        out[at++] = byte;
                    }
                    out[at++] = 10;
                    begin = next;
                }
                const piece = out.subarray(0, at);
                // A character the engine could not read shows as U+FFFD: three bytes in UTF-8.
                yield { bytes: foreign ? new TextEncoder().encode(decodeBytes(piece)) : piece, end: first + to };
            }
        }
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
    * slices({ dropBlankAt = -1 } = {}) {
        if (this.texts.length) yield { bytes: this.lines({ dropBlankAt }), end: this.texts.length };
    }
}
