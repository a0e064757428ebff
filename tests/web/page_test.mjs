// The page driven for real in headless Chromium (Debian's, never a downloaded one): served from
// build/web/ by a small server here, and as the one file kestavel.html opened from disk. Each
// question is asked through its form and its JSON and CSV downloads are held to the native
// CLI's output, byte for byte; links, rosters (hostile ones too), refusals and the language
// switch are checked, and no page may log an error.
// Usage: node page_test.mjs SOURCE_DIR NATIVE_CLI CHROMIUM
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

import { answered, launchChromium, serveFolder } from './browser.mjs';

const [sourceDir, cli, chromiumPath = '/usr/bin/chromium'] = process.argv.slice(2);
const webDir = path.join(sourceDir, 'build/web');
const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'kestavel-page-'));

// The CLI on the path the page takes (the portable one: the JSON names it), in Japanese.
const cliOut = (args, format) => execFileSync(cli, ['--lang', 'ja', ...args, `--${format}`],
  { encoding: 'utf8', env: { ...process.env, KESTAVEL_TRIAL_PATH: 'portable' }, stdio: ['ignore', 'pipe', 'pipe'] });
// The hosted page takes the simd128 core where the browser has vectors: the same counts as the
// portable path, seed for seed, under another name.
const onePath = (json) => json.replace('"trialPath": "simd128"', '"trialPath": "portable"');
const cliJsonError = (args) => {
  try {
    cliOut(args, 'json');
  } catch (error) {
    return JSON.parse(error.stdout).error.message;
  }
  assert.fail(`${args.join(' ')} was not refused`);
};

const server = await serveFolder(webDir);
const hosted = server.url;
const oneFile = pathToFileURL(path.join(webDir, 'kestavel.html')).href;

const browser = await launchChromium(sourceDir, path.join(scratch, 'profile'),
                                     { locale: 'ja-JP', acceptDownloads: true, viewport: { width: 360, height: 740 } },
                                     chromiumPath);
const problems = [];
async function openPage(url) {
  const page = await browser.newPage();
  page.on('console', (m) => { if (m.type() === 'error' || m.type() === 'warning') problems.push(`${url}: ${m.text()}`); });
  page.on('pageerror', (e) => problems.push(`${url}: ${e.message}`));
  page.on('dialog', (d) => { problems.push(`${url}: dialog ${d.message()}`); d.dismiss(); });
  await page.goto(url);
  return page;
}

async function download(page, id) {
  const [file] = await Promise.all([page.waitForEvent('download', { timeout: 10000 }).catch(() => assert.fail(`no download from #${id}`)),
                                    page.click(`#${id}`)]);
  return fs.readFileSync(await file.path(), 'utf8');
}

// Fills a question's form: text by its value, a box by true or false, a choice by its value.
async function ask(page, question, allies, fields) {
  await page.click(`#${question}-tab`);
  await page.fill('#allies', allies);
  for (const [name, value] of Object.entries(fields)) {
    const id = `#${question}-${name}`;
    if (typeof value === 'boolean') await page.setChecked(id, value);
    else if (await page.$eval(id, (e) => e.tagName) === 'SELECT') await page.selectOption(id, value);
    else await page.fill(id, value);
  }
  await page.click(`#${question}-submit`);
  await answered(page, question);
}


const party = '60,50,40,30,20';
const questions = [
  ['rate', { group: 'speed', 'enemy-speed': '50', enemies: '2', exact: true, seed: '7' },
   ['rate', '--allies', party, '--enemy-speed', '50', '--enemies', '2', '--exact', '--seed', '7']],
  ['rate', { group: 'listed', 'enemy-speeds': '80,30,30', simulate: true, seed: '5' },
   ['rate', '--allies', party, '--enemy-speeds', '80,30,30', '--simulate', '--seed', '5']],
  ['estimate', { basis: 'shut-out', percent: '40', enemies: '3', exact: false, seed: '11' },
   ['estimate', '--shut-out', '40', '--enemies', '3', '--allies', party, '--seed', '11']],
  ['estimate', { basis: 'observed', observed: '7/20', enemies: '3' },
   ['estimate', '--observed', '7/20', '--enemies', '3', '--allies', party]],
  ['curve', { group: 'listed', 'enemy-speeds': '80,30,30', vary: '2', from: '20', to: '40', observed: '',
              simulate: true, seed: '5' },
   ['curve', '--allies', party, '--enemy-speeds', '80,30,30', '--vary', '2', '--from', '20', '--to', '40',
    '--simulate', '--seed', '5']],
  ['need', { event: 'shut-out', percent: '80', group: 'speed', 'enemy-speed': '50', enemies: '2', member: '2' },
   ['need', '--shut-out', '80', '--allies', party, '--enemy-speed', '50', '--enemies', '2', '--member', '2']],
];

const checks = {
  async questionsAsTheCli() {
    const page = await openPage(hosted);
    for (const [question, fields, args] of questions) {
      await ask(page, question, party, fields);
      const json = await download(page, `${question}-download-json`);
      assert.equal(onePath(json), cliOut(args, 'json'), args.join(' '));
      // A simulated answer names its seed and the trial path that drew it, beside the form's own seed.
      if (fields.seed && !fields.exact) {
        assert.match(await page.textContent(`#${question}-seed-used`), new RegExp(`${fields.seed}.*${JSON.parse(json).trialPath}`));
      }
      assert.equal(await download(page, `${question}-download-csv`), cliOut(args, 'csv'), args.join(' '));
      if (question !== 'curve') continue;
      const chart = path.join(scratch, 'curve.svg');
      execFileSync(cli, ['--lang', 'ja', ...args, '--svg', chart], { stdio: 'ignore' });
      assert.equal(await download(page, 'curve-download-svg'), fs.readFileSync(chart, 'utf8'));
    }
    await page.close();
  },

  async linkRoundTrip() {
    const link = `${hosted}#estimate?observed=7/20&enemies=3&allies=${party}`;
    const page = await openPage(link);
    await answered(page, 'estimate');
    assert.equal(await download(page, 'estimate-download-json'), cliOut(questions[3][2], 'json'));
    await page.fill('#estimate-enemies', '2');
    await page.waitForFunction(() => location.hash.includes('enemies=2'));
    assert.match(await page.evaluate(() => location.hash), /^#estimate\?allies=60,50,40,30,20&observed=7\/20&enemies=2$/);
    await page.close();
  },

  async refusalsBesideTheirFields() {
    const page = await openPage(`${hosted}#rate?allies=${party}&enemy-speed=50&enemies=10&seed=1`);
    await page.waitForSelector('#rate-enemies-error:not([hidden])');
    assert.equal(await page.textContent('#rate-enemies-error'),
                 cliJsonError(['rate', '--allies', party, '--enemy-speed', '50', '--enemies', '10', '--seed', '1']));
    assert.equal(await page.getAttribute('#rate-enemies', 'aria-invalid'), 'true');
    assert.match(await page.getAttribute('#rate-enemies', 'aria-describedby'), /rate-enemies-error/);
    await page.fill('#allies', '60,x');
    await page.waitForSelector('#allies-error:not([hidden])');
    await page.click('#curve-tab');
    await page.fill('#allies', party);
    await page.selectOption('#curve-group', 'count');
    await page.fill('#curve-to', '');
    await page.fill('#curve-from', '5');
    await page.waitForSelector('#curve-to-error:not([hidden])');
    // A count the core refuses, which the command line already refuses as it reads it.
    await page.goto(`${hosted}#estimate?observed=5/3&enemies=3&allies=${party}`);
    await page.waitForSelector('#estimate-observed-error:not([hidden])');
    assert.equal(await page.textContent('#estimate-observed-error'), '観測した成功数 K が不正な値です（0 から 3、指定は 5）');
    await page.close();
  },

  async rosters() {
    const page = await openPage(hosted);
    await page.click('.roster summary');
    const hostile = Buffer.concat([Buffer.from('a <img/src=x/onerror=alert(1)> 1 30\nb \x01\x02name 2 40\nshort\n'),
                                   Buffer.from(`c long 3 50 ${'x'.repeat(3 << 20)}\n`)]);
    await page.setInputFiles('#roster-file', { name: 'speed.txt', mimeType: 'text/plain', buffer: hostile });
    await page.waitForSelector('#roster-summary');
    const entries = await page.$$eval('#roster-enemy option', (options) => options.map((o) => o.textContent));
    assert.ok(entries.some((e) => e.includes('<img/src=x/onerror=alert(1)>')), entries.join('|'));
    assert.equal(entries.length, 4);
    assert.equal(await page.$$eval('img', (images) => images.length), 0);
    assert.match(await page.textContent('#roster-diagnostics'), /3/);
    await page.selectOption('#roster-enemy', '1');
    assert.equal(await page.inputValue('#rate-enemy-speed'), '40');

    // The example in Shift-JIS, and the same text saved as UTF-8 and as UTF-16: the rows the CLI
    // gives for the Shift-JIS file, and for the others a line that says what the file was.
    const shiftJis = fs.readFileSync(path.join(sourceDir, 'examples/speed.txt'));
    const want = JSON.parse(cliOut(['roster', path.join(sourceDir, 'examples/speed.txt')], 'json'));
    const text = new TextDecoder('shift_jis').decode(shiftJis);
    for (const [name, bytes, encodingLines] of [['sjis.txt', shiftJis, 0], ['utf8.txt', Buffer.from(text), 1],
                                                ['utf16.txt', Buffer.from(`\ufeff${text}`, 'utf16le'), 1]]) {
      await page.setInputFiles('#roster-file', { name, mimeType: 'text/plain', buffer: bytes });
      await page.waitForFunction((n) => document.querySelector('#roster-summary')?.textContent.startsWith(n), name);
      const shown = await page.$$eval('#roster-enemy option', (options) => options.slice(1).map((o) => o.textContent));
      assert.deepEqual(shown, want.rows.map((r) => r.entry), name);
      const lines = await page.$$eval('#roster-diagnostics li', (items) => items.length);
      assert.equal(lines, encodingLines + want.dropped.length + want.warnings.length, name);
    }
    await page.close();
  },

  async countAndLanguage() {
    const page = await openPage(hosted);
    await page.click('#count-tab');
    await page.click('#count-restart');
    for (const tap of ['yes', 'no', 'yes', 'no', 'no']) await page.click(`#count-${tap}`);
    await page.click('#count-undo');
    await page.waitForSelector('#count-result .likeliest');
    const want = JSON.parse(cliOut(['estimate', '--observed', '2/4', '--allies', party], 'json'));
    assert.match(await page.textContent('#count-result .likeliest'), new RegExp(`^${want.observed.likeliest.speed} `));
    await page.selectOption('#language', 'en');
    assert.equal(await page.textContent('#count-restart'), 'Start over');
    await page.reload();
    assert.equal(await page.textContent('#count-restart'), 'Start over');
    assert.match(await page.textContent('#count-tally'), /2 of 4/);
    // A count named as an object's own machinery is a count like any other, and survives a reload.
    await page.fill('#count-new', '__proto__');
    await page.click('#count-add');
    await page.click('#count-yes');
    await page.reload();
    assert.equal(await page.inputValue('#count-name'), '__proto__');
    assert.match(await page.textContent('#count-tally'), /1 of 1/);
    await page.selectOption('#language', 'ja');
    await page.close();
  },

  // On a phone: no sideways scrolling, every field labelled, every button and field 44 px high
  // or more, and the tabs reached by the keyboard.
  async phoneSized() {
    const page = await openPage(`${hosted}#estimate?allies=${party}&observed=7/20&enemies=3`);
    await answered(page, 'estimate');
    for (const tab of ['rate', 'estimate', 'curve', 'need', 'count']) {
      await page.click(`#${tab}-tab`);
      const faults = await page.evaluate(() => {
        const found = [];
        if (document.documentElement.scrollWidth > innerWidth) found.push(`${document.documentElement.scrollWidth} px wide`);
        for (const e of document.querySelectorAll('input, select, button')) {
          if (!e.offsetParent) continue;
          if (e.tagName !== 'BUTTON' && !document.querySelector(`label[for="${e.id}"]`)) found.push(`${e.id} has no label`);
          if (e.type !== 'checkbox' && e.getBoundingClientRect().height < 44) found.push(`${e.id || e.textContent} is low`);
        }
        return found;
      });
      assert.deepEqual(faults, [], tab);
    }
    await page.focus('#count-tab');
    await page.keyboard.press('Home');
    assert.equal(await page.evaluate(() => document.activeElement.id), 'rate-tab');
    await page.close();
  },

  // A long simulation gives way to the cancel button, and the next one runs on fresh workers.
  async cancelThenAgain() {
    const page = await openPage(`${hosted}#curve?allies=${party}&enemies=9&from=1&to=4000&simulate&seed=1`);
    await page.click('#curve-cancel');
    await page.waitForFunction(() => !document.getElementById('curve-cancel') &&
                                      document.getElementById('curve-status').textContent !== '');
    assert.equal(await page.textContent('#curve-status'), '中止しました。');
    assert.equal(await page.$('#curve-download-json'), null);
    await page.fill('#curve-to', '40');
    await page.click('#curve-submit');
    await answered(page, 'curve');
    await page.close();
  },

  async oneFileFromDisk() {
    const args = questions[4][2];
    const page = await openPage(`${oneFile}#curve?allies=${party}&enemy-speeds=80,30,30&vary=2&from=20&to=40&simulate&seed=5`);
    await answered(page, 'curve');
    assert.equal(await download(page, 'curve-download-json'), cliOut(args, 'json'));
    await page.close();
  },

  // The page's sources build no markup from text, and write no number by JavaScript's rounding.
  noMarkupFromText() {
    for (const file of fs.readdirSync(path.join(sourceDir, 'web/page/src'), { recursive: true })) {
      if (!file.endsWith('.js')) continue;
      const source = fs.readFileSync(path.join(sourceDir, 'web/page/src', file), 'utf8');
      assert.doesNotMatch(source, /innerHTML|outerHTML|insertAdjacentHTML|document\.write|toFixed|toPrecision/, file);
    }
  },
};

let failed = 0;
for (const [name, check] of Object.entries(checks)) {
  try {
    await check();
    console.log(`ok ${name}`);
  } catch (error) {
    failed += 1;
    console.log(`not ok ${name}\n${error.stack}`);
  }
}
await browser.close();
server.close();
fs.rmSync(scratch, { recursive: true, force: true });
if (problems.length) console.log(`errors logged by the pages:\n${problems.join('\n')}`);
console.log(`${Object.keys(checks).length - failed} passed, ${failed} failed`);
process.exit(failed || problems.length ? 1 : 0);
