// Every element the page shows is made here from plain values: text goes in as textContent,
// never as markup, so a name from a roster or a link shows as the characters it holds.

const SVG_NS = 'http://www.w3.org/2000/svg';

function fill(node, props, children) {
  for (const [key, value] of Object.entries(props)) {
    if (value === null || value === undefined || value === false) continue;
    if (key === 'text') node.textContent = value;
    else if (key.startsWith('on')) node.addEventListener(key.slice(2), value);
    else node.setAttribute(key, value === true ? '' : String(value));
  }
  for (const child of children) if (child !== null && child !== undefined && child !== false) node.append(child);
  return node;
}

export const el = (tag, props = {}, children = []) => fill(document.createElement(tag), props, children);
export const svg = (tag, props = {}, children = []) => fill(document.createElementNS(SVG_NS, tag), props, children);

export function clear(node) {
  while (node.firstChild) node.firstChild.remove();
  return node;
}
