// The question in the address, in the CLI's words: #rate?allies=60,50&enemy-speed=50&enemies=2,
// a flag without a value (&simulate). Opening such a link fills the form; changing the form
// rewrites it in place (no new history entry per keystroke).

// Commas and slashes stay as typed, so that a link reads like the command line.
const encode = (text) => encodeURIComponent(text).replace(/%2C/gi, ',').replace(/%2F/gi, '/');

export function readLink() {
  const match = /^#(rate|estimate|curve|need|count)(?:\?(.*))?$/.exec(location.hash);
  if (!match) return null;
  return { question: match[1], params: new URLSearchParams(match[2] ?? '') };
}

export function writeLink(question, options) {
  const query = options.map(([name, value]) => (value === null ? name : `${name}=${encode(value)}`)).join('&');
  const hash = `#${question}${query ? `?${query}` : ''}`;
  if (location.hash !== hash) history.replaceState(null, '', hash);
}
