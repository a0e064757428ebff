// Builds the page in both its forms from one source: build/web/ (a folder to host: index.html,
// the bundles, the core's .mjs and .wasm) and build/web/kestavel.html (one file, both cores' wasm
// and every script inside, its workers started from a Blob), so that it opens from disk.
// Usage: node web/page/build.mjs   (after the wasm preset has built the core)
import * as esbuild from 'esbuild';
import { createHash } from 'node:crypto';
import zlib from 'node:zlib';
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const pageDir = path.dirname(fileURLToPath(import.meta.url));
const root = path.resolve(pageDir, '../..');
const wasmDir = path.join(root, 'build/wasm');
const outDir = path.join(root, 'build/web');

// The worker imports 'kestavel-core' and 'kestavel-core-simd' (for browsers with 128-bit
// vectors); which builds of the core they are decides the form. Without a simd128 build both are
// the scalar one, and the worker takes it.
// 'kestavel-wasm-inside' is null for the hosted worker, which fetches the .wasm files beside it,
// and the gzipped wasm of both cores, as base64, for the one file.
const coreAt = (scalar, simd, wasmInside = null) => ({
  name: 'kestavel-core',
  setup(build) {
    build.onResolve({ filter: /^kestavel-core$/ }, () => ({ path: scalar }));
    build.onResolve({ filter: /^kestavel-core-simd$/ }, () => ({ path: simd && fs.existsSync(simd) ? simd : scalar }));
    build.onResolve({ filter: /^kestavel-wasm-inside$/ }, () => ({ path: 'wasm-inside', namespace: 'kestavel' }));
    build.onLoad({ filter: /.*/, namespace: 'kestavel' }, () => ({ contents: JSON.stringify(wasmInside), loader: 'json' }));
  },
});

const packedWasm = (file) => zlib.gzipSync(fs.readFileSync(file), { level: 9 }).toString('base64');

const common = { bundle: true, format: 'iife', target: 'es2020', minify: true, legalComments: 'none', logLevel: 'warning',
                 // The core reads import.meta.url only to find its .wasm, which the worker locates itself.
                 logOverride: { 'empty-import-meta': 'silent' } };

// The catalogues hold the CLI's texts too; the page carries its own (page.*) alone.
const pageTexts = {
  name: 'page-texts',
  setup(build) {
    build.onLoad({ filter: /messages[\\/](en|ja)\.json$/ }, ({ path: file }) => {
      const all = JSON.parse(fs.readFileSync(file, 'utf8'));
      const page = Object.fromEntries(Object.entries(all).filter(([key]) => key.startsWith('page.')));
      return { contents: JSON.stringify(page), loader: 'json' };
    });
  },
};

async function bundle(entry, define, plugins = []) {
  const result = await esbuild.build({ ...common, entryPoints: [path.join(pageDir, 'src', entry)], write: false,
                                       define, plugins: [pageTexts, ...plugins], loader: { '.json': 'json' } });
  return result.outputFiles[0].text;
}

const sha256 = (text) => `'sha256-${createHash('sha256').update(text).digest('base64')}'`;

const hostedPolicy = "default-src 'none'; script-src 'self' 'wasm-unsafe-eval'; worker-src 'self'; " +
  "style-src 'self'; img-src 'self' data: blob:; connect-src 'self'; base-uri 'none'; form-action 'none'";

function page(policy, style, script) {
  const html = fs.readFileSync(path.join(pageDir, 'index.html'), 'utf8');
  // Replaced by functions: a bundle may hold '$&' and the like, which a replacement string would expand.
  return html.replace('__POLICY__', () => policy).replace('__STYLE__', () => style).replace('__SCRIPT__', () => script);
}

fs.mkdirSync(outDir, { recursive: true });
const css = fs.readFileSync(path.join(pageDir, 'styles.css'), 'utf8');

// The hosted folder: the worker a file of its own beside the core it fetches.
const scalarCore = path.join(wasmDir, 'es/kestavel-core.mjs'), simdCore = path.join(wasmDir, 'es/kestavel-core-simd.mjs');
const hostedWorker = await bundle('worker/worker.js', {}, [coreAt(scalarCore, simdCore)]);
fs.writeFileSync(path.join(outDir, 'worker.js'), hostedWorker);
for (const file of ['kestavel-core.wasm', 'kestavel-core-simd.wasm']) {
  if (fs.existsSync(path.join(wasmDir, 'es', file))) fs.copyFileSync(path.join(wasmDir, 'es', file), path.join(outDir, file));
}
const hostedApp = await bundle('app.js', { KESTAVEL_WORKER_SOURCE: 'null' });
fs.writeFileSync(path.join(outDir, 'app.js'), hostedApp);
fs.writeFileSync(path.join(outDir, 'styles.css'), css);
fs.writeFileSync(path.join(outDir, 'index.html'),
                 page(hostedPolicy, '<link rel="stylesheet" href="styles.css">', '<script src="app.js" defer></script>'));

// The single file: the worker's source, with both cores' wasm inside, a string the page turns into
// a Blob; the worker picks the core as the hosted one does.
const singleWorker = await bundle('worker/worker.js', {}, [coreAt(scalarCore, simdCore, {
  scalar: packedWasm(path.join(wasmDir, 'es/kestavel-core.wasm')),
  simd: fs.existsSync(simdCore) ? packedWasm(path.join(wasmDir, 'es/kestavel-core-simd.wasm')) : null,
})]);
const singleApp = (await bundle('app.js', { KESTAVEL_WORKER_SOURCE: JSON.stringify(singleWorker) }))
  .replaceAll('</script', '<\\/script');
const singlePolicy = `default-src 'none'; script-src ${sha256(singleApp)} 'wasm-unsafe-eval'; worker-src blob:; ` +
  `style-src ${sha256(css)}; img-src data: blob:; base-uri 'none'; form-action 'none'`;
const single = page(singlePolicy, `<style>${css}</style>`, `<script>${singleApp}</script>`);
fs.writeFileSync(path.join(outDir, 'kestavel.html'), single);
console.log(`build/web/: index.html, app.js ${hostedApp.length} B, worker.js ${hostedWorker.length} B; ` +
            `kestavel.html ${single.length} B`);
