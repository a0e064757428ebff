// Text written back as code page 932 bytes, for a roster saved as UTF-8 or UTF-16 (a phone's and
// Notepad's usual choices): the core's loader reads code page 932, as the window does, and gets
// the same bytes the file would hold saved as Shift-JIS. The table is the browser's own
// Shift-JIS decoder run backwards, so nothing is shipped for it. A character code page 932 has
// no form for becomes '?', as in kestavel-cli's cp932 output.

let table = null;

function buildTable() {
  const decoder = new TextDecoder('shift_jis');
  const map = new Map();
  const keep = (text, bytes) => {
    if (text.length === 1 && text !== '\ufffd' && !map.has(text)) map.set(text, bytes);
  };
  for (let b = 0; b < 0x80; ++b) keep(String.fromCharCode(b), [b]);
  for (let b = 0xa1; b <= 0xdf; ++b) keep(decoder.decode(new Uint8Array([b])), [b]);
  // NEC's selection of IBM's characters (lead bytes ED and EE) last: IBM's own codes come first.
  const leads = [];
  for (let lead = 0x81; lead <= 0xfc; ++lead) if (lead < 0xa0 || lead >= 0xe0) leads.push(lead);
  leads.sort((a, b) => (a === 0xed || a === 0xee) - (b === 0xed || b === 0xee) || a - b);
  for (const lead of leads) {
    for (let trail = 0x40; trail <= 0xfc; ++trail) {
      if (trail === 0x7f) continue;
      keep(decoder.decode(new Uint8Array([lead, trail])), [lead, trail]);
    }
  }
  return map;
}

export function toCp932(text) {
  table ??= buildTable();
  const out = [];
  for (const char of text) {
    const bytes = table.get(char);
    if (bytes) out.push(...bytes);
    else out.push(0x3f);
  }
  return new Uint8Array(out);
}
