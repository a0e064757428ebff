// Debian's Chromium, headless, driven by the pinned playwright-core (which downloads no browser),
// and build/web/ served on loopback as a host would serve it: for the page's test and its figures.
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

// The flags that keep Chromium off the network this machine does not have, and root's sandbox.
const flags = ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
               '--disable-component-update', '--disable-sync'];

export async function launchChromium(sourceDir, profileDir, options = {}, chromiumPath = '/usr/bin/chromium') {
  const { chromium } = await import(pathToFileURL(path.join(sourceDir, 'web/node_modules/playwright-core/index.mjs')));
  return chromium.launchPersistentContext(profileDir, { executablePath: chromiumPath, headless: true, args: flags,
                                                        ...options });
}

const types = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm' };

// The folder's files on http://127.0.0.1:PORT/; nothing outside it.
export async function serveFolder(folder) {
  const server = http.createServer((request, response) => {
    const name = new URL(request.url, 'http://page').pathname.replace(/^\/$/, '/index.html');
    const file = path.join(folder, path.normalize(name));
    if (!file.startsWith(folder) || !fs.existsSync(file)) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, { 'content-type': types[path.extname(file)] ?? 'application/octet-stream' });
    fs.createReadStream(file).pipe(response);
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return { url: `http://127.0.0.1:${server.address().port}/`, close: () => server.close() };
}

// Until a question's answer is that of the link the page now shows (not the one before), with its
// downloads offered; `options` as Playwright's waitForFunction takes them.
export const answered = (page, question, options = {}) => page.waitForFunction((q) =>
  document.getElementById(`${q}-result`)?.dataset.link === location.hash && document.getElementById(`${q}-download-json`),
  question, options);
