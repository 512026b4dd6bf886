// Between the engine's bytes and the page's text.
//
// The engine works on single bytes: every character that is not plain ASCII
// reaches it as one byte 0x80, and comes back from it as U+FFFD, which is what
// decoding such a byte as UTF-8 gives.

const decoder = new TextDecoder('utf-8');

// The text of bytes[begin, end).
export function decodeBytes(bytes, begin = 0, end = bytes.length) {
    return decoder.decode(bytes.subarray(begin, end));
}

// What a number field does to what is typed or pasted: small letters become capitals.
export function capitals(text) {
    return text.toUpperCase();
}
