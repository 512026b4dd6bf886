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

    // Every row followed by a line feed, as UTF-8 bytes; a line does not end
    // with blanks (an IBAN row ends with the blank after its last group).
    lines() {
        const out = new Uint8Array(this.characters + this.count);
        let at = 0;
        let foreign = false;
        for (const { bytes, ends } of this.batches) {
            let begin = 0;
            for (let i = 0; i < ends.length; ++i) {
                let end = ends[i];
                const next = end;
                while (end > begin && bytes[end - 1] === 32) --end;
                for (let j = begin; j < end; ++j) out[at++] = bytes[j];
                out[at++] = 10;
                begin = next;
            }
            if (!foreign) for (let i = 0; i < bytes.length; ++i) if (bytes[i] >= 0x80) { foreign = true; break; }
        }
        // A character the engine could not read shows as U+FFFD: three bytes in UTF-8.
        const text = out.subarray(0, at);
        return foreign ? new TextEncoder().encode(decodeBytes(text)) : text;
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
    lines() {
        return new TextEncoder().encode(this.texts.map((t) => t.trimEnd() + '\n').join(''));
    }
}
