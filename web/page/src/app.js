// The page: the party at the top, one tab per question, and counting as you play. Everything
// is built again in the other language when the reader switches, keeping what was typed.
import { countPanel } from './count_as_you_play.js';
import { clear, el } from './dom.js';
import { curveForm } from './forms/curve_form.js';
import { estimateForm } from './forms/estimate_form.js';
import { needForm } from './forms/need_form.js';
import { rateForm } from './forms/rate_form.js';
import { valuesOfLink } from './forms/request_reader.js';
import { partyPanel } from './party_panel.js';
import { questionPanel } from './question_panel.js';
import { readLink, writeLink } from './share_link.js';
import { loadValue, saveValue } from './stored_inputs.js';
import { chooseLanguage, startLanguage, t } from './texts/i18n.js';
import { WorkerChannel } from './worker_channel.js';
import { WorkerPool } from './worker_pool.js';

const forms = [rateForm, estimateForm, curveForm, needForm];
const TABS = [['rate', 'page.tab.rate'], ['estimate', 'page.tab.estimate'], ['curve', 'page.tab.curve'],
              ['need', 'page.tab.need'], ['count', 'page.tab.count']];

// The exact answers and rosters on a worker of their own, which cancelling a simulation spares.
const quick = new WorkerChannel();
const pool = new WorkerPool();
let active = loadValue('question') ?? 'rate';
let panels = new Map();

function build(link) {
  const app = clear(document.getElementById('app'));
  const kept = new Map([...panels].filter(([, p]) => p.view).map(([q, p]) => [q, p.view.values()]));
  const party = partyPanel({ quick, onChange: () => panels.get(active).later(), onEnemyChosen: (speed) => {
    for (const q of ['rate', 'need']) panels.get(q).view.setValues({ 'enemy-speed': speed });
    panels.get(active).run(false);
  } });
  if (link?.params.has('allies')) party.setText(link.params.get('allies'));
  panels = new Map();
  for (const form of forms) {
    const panel = questionPanel(form, { party, quick, pool });
    const values = link?.question === form.question ? valuesOfLink(form, link.params)
      : kept.get(form.question) ?? loadValue(`inputs.${form.question}`) ?? form.defaults;
    panel.view.setValues({ ...form.defaults, ...values });
    panels.set(form.question, panel);
  }
  panels.set('count', countPanel({ party, quick }));

  const tabs = el('div', { class: 'tabs', role: 'tablist', 'aria-label': t('page.tab.label') });
  for (const [q, label] of TABS) {
    tabs.append(el('button', { type: 'button', role: 'tab', id: `${q}-tab`, 'aria-controls': `${q}-panel`,
                               text: t(label), onclick: () => show(q, true) }));
  }
  // The arrow keys move between the tabs, as a tab list's keyboard users expect; Tab itself
  // goes on to the open panel.
  tabs.addEventListener('keydown', (event) => {
    const order = TABS.map(([q]) => q);
    const at = order.indexOf(active);
    const next = { ArrowRight: at + 1, ArrowLeft: at - 1, Home: 0, End: order.length - 1 }[event.key];
    if (next === undefined) return;
    event.preventDefault();
    const q = order[(next + order.length) % order.length];
    show(q, true);
    document.getElementById(`${q}-tab`).focus();
  });
  app.append(party.node, tabs, ...[...panels.values()].map((p) => p.node));
  document.getElementById('language-label').textContent = t('page.language');
}

function show(question, run) {
  active = panels.has(question) ? question : 'rate';
  saveValue('question', active);
  for (const [q, panel] of panels) {
    panel.node.hidden = q !== active;
    const tab = document.getElementById(`${q}-tab`);
    tab.setAttribute('aria-selected', String(q === active));
    tab.tabIndex = q === active ? 0 : -1;
  }
  // The count has no question to put in the address, only its tab.
  if (active === 'count') writeLink('count', []);
  if (run) panels.get(active).run(false);
}

function open() {
  const link = readLink();
  build(link);
  show(link?.question ?? active, false);
  // A link opened shows its answer, a simulation's too; otherwise the exact answers only.
  panels.get(active).run(Boolean(link));
}

const languageChoice = document.getElementById('language');
languageChoice.value = startLanguage();
languageChoice.addEventListener('change', () => {
  chooseLanguage(languageChoice.value);
  build(null);
  show(active, true);
});
window.addEventListener('hashchange', open);
open();
