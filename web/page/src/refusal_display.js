// A refusal in the reader's language: the core's own wording of it, beside the field it names.
import { t } from './texts/i18n.js';

export function refusalText(outcome) {
  if (typeof outcome.refusalText === 'string') return outcome.refusalText;
  // A core that does not word its refusals yet: the range it takes, as it gave it.
  const { lowest, highest, given } = outcome.refusal;
  return t('page.error.refused', { lowest, highest: highest ?? '', given });
}
