// rate's answer: the simulated run's rates and the exact ones, each as the CLI writes it.
import { el } from '../dom.js';
import { t } from '../texts/i18n.js';

export function rateResult({ answer, texts }, request) {
  const enemies = request.enemySpeeds.length || request.enemies;
  const lines = [];
  if (texts.simulatedShutOut !== null) {
    lines.push([t('page.rate.simulatedShutOut', { n: enemies }), texts.simulatedShutOut]);
    lines.push([t('page.rate.simulatedFirstStrike'), texts.simulatedFirstStrike]);
  }
  if (texts.exactShutOut !== null) {
    lines.push([t('page.rate.exactShutOut', { n: enemies }), texts.exactShutOut]);
    lines.push([t('page.rate.exactFirstStrike'), texts.exactFirstStrike]);
  }
  return el('dl', { class: 'rates' }, lines.flatMap(([name, value]) => [
    el('dt', { text: name }), el('dd', { class: 'number', text: t('page.percent', { x: value }) })]));
}
