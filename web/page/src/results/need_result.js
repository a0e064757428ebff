// need's answer: the speed the member needs and the rate there and one below, or that no
// speed reaches it and what the rate approaches.
import { el } from '../dom.js';
import { t } from '../texts/i18n.js';

export function needResult({ answer, texts }) {
  const values = { member: answer.member, speed: answer.speed, at: texts.atSpeed, below: texts.oneBelow,
                   belowSpeed: answer.speed - 1, limit: texts.limit };
  return el('div', { class: 'need' }, [
    el('p', { class: 'need-speed', text: t(answer.reachable ? 'page.need.reached' : 'page.need.unreached', values) }),
    el('p', { text: t('page.need.rates', values) }),
    answer.reachable ? null : el('p', { text: t('page.need.limit', values) }),
  ]);
}
