// One question on the page: its form, its answer, and the runs in between. Exact answers follow
// the inputs as they are typed (after a short pause); simulations wait for the button, show
// their runs as they finish and can be cancelled.
import { clear, el } from './dom.js';
import { downloadButtons } from './downloads.js';
import { formView } from './forms/form_view.js';
import { curveResult } from './results/curve_result.js';
import { estimateResult } from './results/estimate_result.js';
import { needResult } from './results/need_result.js';
import { rateResult } from './results/rate_result.js';
import { writeLink } from './share_link.js';
import { saveValue } from './stored_inputs.js';
import { language, t } from './texts/i18n.js';
import { Cancelled } from './worker_channel.js';
import { linkOptions } from './forms/request_reader.js';

const views = { rate: rateResult, estimate: estimateResult, curve: curveResult, need: needResult };
const PAUSE_MS = 250;

export function questionPanel(form, { party, quick, pool }) {
  const q = form.question;
  let pause = null, turn = 0;
  // The answer once the typing pauses: one timer for the form and the party alike, which an
  // answer asked for at once clears.
  const later = () => {
    clearTimeout(pause);
    pause = setTimeout(() => run(false), PAUSE_MS);
  };
  const view = formView(form, later);
  const status = el('div', { class: 'status', id: `${q}-status`, 'aria-live': 'polite' });
  const result = el('div', { class: 'result', id: `${q}-result` });
  const submit = el('button', { type: 'submit', class: 'primary', id: `${q}-submit`, text: t('page.action.answer') });
  view.node.append(el('div', { class: 'actions' }, [submit]));
  view.node.addEventListener('submit', (event) => {
    event.preventDefault();
    run(true);
  });
  const node = el('section', { class: 'panel', id: `${q}-panel`, role: 'tabpanel', 'aria-labelledby': `${q}-tab` },
                  [el('h2', { text: t(form.title) }), view.node, el('div', { class: 'answer' }, [status, result])]);

  function showStatus(text, cancel) {
    clear(status).append(el('span', { text }));
    if (cancel) {
      status.append(el('button', { type: 'button', class: 'cancel', id: `${q}-cancel`, text: t('page.action.cancel'),
                                   onclick: () => pool.cancel() }));
    }
  }

  function showAnswer(outcome, request, values) {
    clear(result);
    clear(status);
    if (outcome.refusal) {
      const field = form.refusedField(outcome.refusal.refused, values);
      const text = outcome.refusalText;
      if (field === 'allies') party.showError(text);
      else if (field && view.has(field)) view.showErrors({ [field]: text });
      else result.append(el('p', { class: 'refusal', role: 'alert', text }));
      return;
    }
    const { answer } = outcome;
    result.append(views[q](outcome, request));
    if (answer.seed !== null && answer.seed !== undefined) {
      result.append(el('p', { class: 'seed', id: `${q}-seed-used`,
                              text: t('page.result.seed', { seed: answer.seed, path: answer.trialPath ?? '' }) }));
    }
    if (typeof outcome.text === 'string') {
      result.append(el('details', { class: 'cli-text' }, [el('summary', { text: t('page.result.cliText') }),
                                                          el('pre', { text: outcome.text })]));
    }
    const downloads = downloadButtons(q, outcome);
    if (downloads) result.append(downloads);
  }

  // fromButton: a simulation runs only when asked for (the button, or a link opened).
  async function run(fromButton) {
    // An answer asked for now makes the one still waiting for the typing to pause moot.
    clearTimeout(pause);
    const mine = ++turn;
    const values = view.values();
    saveValue(`inputs.${q}`, values);
    const allies = party.read();
    const { request, errors, drawnSeed, simulated } = form.read(values, allies ?? []);
    view.showErrors(errors);
    const options = linkOptions(form, values);
    if (drawnSeed !== null) options.push(['seed', String(drawnSeed)]);
    writeLink(q, [['allies', party.text()], ...options]);
    if (allies === null || Object.keys(errors).length) {
      clear(result);
      clear(status);
      return;
    }
    if (simulated && !fromButton) {
      clear(result);
      showStatus(t('page.status.pressToRun'), false);
      return;
    }
    try {
      let outcome;
      if (simulated) {
        showStatus(t('page.status.running'), true);
        outcome = await pool.simulate(q, request, language(), (done, known) => {
          if (mine === turn) showStatus(t('page.status.runs', { done, known }), true);
        });
      } else {
        outcome = await quick.call({ op: 'ask', question: q, request, lang: language() });
      }
      if (mine !== turn) return;
      showAnswer(outcome, request, values);
      // Which question the answer is for, as its link: what a test (or a curious reader) can
      // tell a fresh answer from the one before by.
      result.dataset.link = location.hash;
    } catch (error) {
      if (mine !== turn) return;
      clear(result);
      // The plain message for the reader; the cause kept out of sight for whoever looks into the page.
      status.dataset.cause = String(error.message);
      showStatus(error instanceof Cancelled ? t('page.status.cancelled') : t('page.error.failed'), false);
    }
  }

  return { node, form, view, run, later, question: q };
}
