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

    // The rows in pieces of at most `rows` rows, each {bytes, ends, base,
    // end}: the rows' bytes back to back, the end of each counted from
    // `base`, and the rows given so far. What a copy or a save hands to the
    // engine's printed form (Kind.printedRows) a slice at a time.
    * pieces(rows = 16384) {
        for (const { bytes, ends, first } of this.batches) {
            for (let from = 0; from < ends.length; from += rows) {
                const to = Math.min(ends.length, from + rows);
                const base = from ? ends[from - 1] : 0;
                yield { bytes: bytes.subarray(base, ends[to - 1]), ends: ends.subarray(from, to), base, end: first + to };
            }
        }
    }
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
    // The texts as one piece of engine text (see PackedRows.pieces): a
    // character beyond ASCII is the engine's byte 0x80.
    * pieces() {
        if (!this.texts.length) return;
        const bytes = new Uint8Array(this.texts.reduce((sum, text) => sum + text.length, 0));
        const ends = new Uint32Array(this.texts.length);
        let at = 0;
        this.texts.forEach((text, i) => {
            for (const c of text) bytes[at++] = c.charCodeAt(0) < 0x80 ? c.charCodeAt(0) : 0x80;
            ends[i] = at;
        });
        yield { bytes: bytes.subarray(0, at), ends, base: 0, end: this.texts.length };
    }
}
